#include "gif.h"

#include "affichage.h"
#include "erreurs.h"
#include "lzw.h"
#include "ressources.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace armo {

namespace {

// Largest frame the decoder accepts, in pixels (64 Mi, 8192 x 8192): anything beyond is
// refused as memory exhausted before a byte is allocated. 65535 x 65535 would need
// 4 GiB of indices and 16 GiB once drawn; the shields are 297 x 381.
constexpr size_t LIMITE_PIXELS = size_t(1) << 26;

[[noreturn]] void Memoire() {
    Lever(TypeErreur::EOutOfMemory, QString::fromUtf8(MESSAGE_MEMOIRE));
}

[[noreturn]] void LectureFlux(TypeErreur type) {
    Lever(type, QStringLiteral("Erreur de lecture du flux"));
}

// Windows-1252 for 0x80 … 0x9F, the single-byte code page the text of extensions is
// read in; the five bytes it leaves undefined keep their own value.
constexpr char16_t CP1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString TexteAnsi(const uint8_t* p, size_t n) {
    QString s(static_cast<qsizetype>(n), Qt::Uninitialized);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = p[i];
        s[static_cast<qsizetype>(i)] = QChar(b >= 0x80 && b < 0xA0 ? CP1252[b - 0x80] : b);
    }
    return s;
}

} // namespace

// A cursor over the stream's bytes.
struct FluxGIF {
    const uint8_t* p;
    const uint8_t* fin;

    size_t Reste() const { return static_cast<size_t>(fin - p); }
    bool Fini() const { return p >= fin; }

    // Reads as far as the data goes; the missing bytes are 0.
    void LireTolerant(uint8_t* dst, size_t n) {
        const size_t pris = std::min(n, Reste());
        std::memcpy(dst, p, pris);
        std::memset(dst + pris, 0, n - pris);
        p += pris;
    }
    // Reads exactly n bytes or fails as a stream that ends too early.
    void LireExact(uint8_t* dst, size_t n) {
        if (Reste() < n) LectureFlux(TypeErreur::EReadError);
        std::memcpy(dst, p, n);
        p += n;
    }
    // The next separator: zero bytes skipped, 0 when the data has ended.
    uint8_t Separateur() {
        while (p < fin && *p == 0) ++p;
        return p < fin ? *p++ : 0;
    }
    // Data sub-blocks: one line per sub-block; one that runs past the end ends them.
    // The first sub-block's bytes also go to `premier` when asked.
    void SousBlocs(QStringList* lignes, QByteArray* premier = nullptr) {
        bool lePremier = true;
        while (p < fin) {
            const size_t n = *p++;
            if (n == 0) return;
            if (n > Reste()) {
                p = fin;
                return;
            }
            if (lignes) lignes->append(TexteAnsi(p, n));
            if (premier && lePremier)
                *premier = QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(n));
            lePremier = false;
            p += n;
        }
    }
};

namespace {

void LireTable(FluxGIF& f, TGIFColorTable& table, int bits, bool exact) {
    table = TGIFColorTable{};
    table.Count = 1 << bits;
    const size_t n = static_cast<size_t>(table.Count) * 3;
    uint8_t* dst = table.Colors[0].data();
    if (exact)
        f.LireExact(dst, n);
    else
        f.LireTolerant(dst, n);
}

// Gives the transparent entry a colour no other entry of the table has, by moving its red.
void RendreUnique(TGIFColorTable& t, int idx) {
    int d = -1;
    auto& tr = t.Colors[static_cast<size_t>(idx)];
    for (;;) {
        bool doublon = false;
        for (int i = 0; i < t.Count && !doublon; ++i)
            doublon = i != idx && t.Colors[static_cast<size_t>(i)] == tr;
        if (!doublon) return;
        if (tr[0] == 0) d = 1;
        if (tr[0] == 255) d = -1;
        tr[0] = static_cast<uint8_t>(tr[0] + d);
    }
}

} // namespace

bool IsLoopExtension(const TAppExtension& app, QByteArrayView premierBloc) {
    const std::string id(app.AppId.begin(), app.AppId.end());
    const std::string auth(app.Authentication.begin(), app.Authentication.end());
    const bool nom = (id == "NETSCAPE" && auth == "2.0") || (id == "ANIMEXTS" && auth == "1.0");
    return nom && premierBloc.size() >= 3 && premierBloc[0] == 1;
}

// ---------------------------------------------------------------------------------
// Frames

const QImage& TGIFFrame::Bitmap() {
    if (!FBitmap) Decoder();
    return *FBitmap;
}

const uint8_t* TGIFFrame::Indices() {
    const QImage& b = Bitmap();
    return b.isNull() ? nullptr : b.constBits();
}

void TGIFFrame::Decoder() {
    if (FImage.FBitsPerPixel == 0)
        Lever(TypeErreur::EInvalidGraphicOperation,
              QStringLiteral("Wrong number of colors; must be a power of 2"));
    const int w = FImage.FSize.width(), h = FImage.FSize.height();
    const size_t total = static_cast<size_t>(w) * static_cast<size_t>(h);
    if (total == 0) {
        FBitmap = QImage();
        return;
    }
    if (total > LIMITE_PIXELS) Memoire();
    // Large frames come zeroed from fresh pages; small ones from the heap, reused.
    const size_t taille = lzw::MARGE_AVANT + total + lzw::MARGE_APRES;
    const bool frais = total > (size_t(1) << 20);
    void* base = frais ? std::calloc(taille, 1) : std::malloc(taille);
    if (!base) Memoire();
    uint8_t* pixels = static_cast<uint8_t*>(base) + lzw::MARGE_AVANT;
    lzw::Resultat r;
    try {
        r = lzw::Decoder(FImage.FImageData.data(), FImage.FImageData.size(), FImage.FBitsPerPixel,
                         w, h, FInterlaced, pixels);
    } catch (...) {
        std::free(base);
        throw;
    }
    QImage image(pixels, w, h, w, QImage::Format_Indexed8, std::free, base);
    if (image.isNull()) {
        std::free(base);
        Memoire();
    }
    QList<QRgb> palette(256);
    for (int i = 0; i < 256; ++i) palette[i] = FImage.FColorMap.Couleur(i);
    image.setColorTable(palette);
    if (r.corrompu) FCorrupted = true;
    FBitmap = std::move(image);
}

void TGIFFrame::Draw(QPainter& canvas, const QRect& rect, bool transparent) {
    const QImage& b = Bitmap();
    if (b.isNull()) return;
    if (FTransparentColor && transparent) {
        // Colour key: the transparent colour becomes fully transparent, the rest opaque.
        QImage cle = b;
        QList<QRgb> palette = cle.colorTable();
        for (QRgb& c : palette)
            if (qRgb(qRed(c), qGreen(c), qBlue(c)) == *FTransparentColor) c = qRgba(0, 0, 0, 0);
        cle.setColorTable(palette);
        PeindreEtire(canvas, rect, cle);
    } else {
        PeindreEtire(canvas, rect, b);
    }
}

// ---------------------------------------------------------------------------------
// The picture

TGIFPicture::TGIFPicture() {
    Reinitialiser();
}

void TGIFPicture::Reinitialiser() {
    FImage = TGIFData{};
    FVersion = TGIFVersion::gvUnknown;
    FItems.clear();
    FFrameIndex = -1;
    FScreenWidth = FScreenHeight = 0;
    FBackgroundColor.reset();
    FLooping = false;
    FCorrupted = false;
    FRepeatCount = 1;
    FTransparent = true;
}

TGIFFrame* TGIFPicture::Courante() const {
    if (FFrameIndex < 0 || FFrameIndex >= Count()) return nullptr;
    return FItems[static_cast<size_t>(FFrameIndex)].get();
}

int TGIFPicture::Width() const {
    const TGIFFrame* f = Courante();
    return f ? f->Width() : 0;
}

int TGIFPicture::Height() const {
    const TGIFFrame* f = Courante();
    return f ? f->Height() : 0;
}

bool TGIFPicture::Empty() const {
    if (FItems.empty()) return true;
    const TGIFFrame* f = FFrameIndex < 0 ? FItems.front().get() : Courante();
    return !f || (!f->FBitmap && f->FImage.FImageData.empty());
}

std::optional<QRgb> TGIFPicture::TransparentColor() const {
    const TGIFFrame* f = Courante();
    return f ? f->FTransparentColor : std::nullopt;
}

bool TGIFPicture::Corrupted() const {
    const TGIFFrame* f = Courante();
    return FCorrupted || (f && f->FCorrupted);
}

void TGIFPicture::Draw(QPainter& ACanvas, const QRect& ARect) {
    TGIFFrame* f = Courante();
    if (!f) return;
    const bool transparent =
        FTransparent && std::any_of(FItems.begin(), FItems.end(),
                                    [](const auto& g) { return g->FTransparentColor.has_value(); });
    f->Draw(ACanvas, ARect, transparent);
}

void TGIFPicture::LoadFromResourceName(void* Instance, const QString& ResName,
                                       const QString& ResType) {
    (void)Instance; // the program reads only its own resources
    LoadFromBytes(OuvrirRessource(TypeRessource(ResType), ResName));
}

void TGIFPicture::LoadFromBytes(QByteArrayView octets) {
    try {
        Reinitialiser();
        // The bytes are read in place, during this call only: the frames copy what
        // they keep.
        FluxGIF f{reinterpret_cast<const uint8_t*>(octets.data()),
                  reinterpret_cast<const uint8_t*>(octets.data()) + octets.size()};
        if (!f.Fini()) Lire(f);
        if (!FItems.empty()) {
            FFrameIndex = 0;
            try {
                FItems.front()->Bitmap();
            } catch (...) {
                FItems.erase(FItems.begin());
                FFrameIndex = FItems.empty() ? -1 : 0;
                throw;
            }
        }
    } catch (const std::bad_alloc&) {
        Memoire();
    }
}

void TGIFPicture::Lire(FluxGIF& f) {
    uint8_t sig[6];
    f.LireTolerant(sig, 6);
    if (std::memcmp(sig, "GIF87a", 6) == 0)
        FVersion = TGIFVersion::gv87a;
    else if (std::memcmp(sig, "GIF89a", 6) == 0)
        FVersion = TGIFVersion::gv89a;
    else
        Lever(TypeErreur::EInvalidGraphicOperation, QStringLiteral("Unknown GIF version"));

    uint8_t ecran[7];
    f.LireTolerant(ecran, 7);
    FScreenWidth = static_cast<uint16_t>(ecran[0] | ecran[1] << 8);
    FScreenHeight = static_cast<uint16_t>(ecran[2] | ecran[3] << 8);
    FImage.FBitsPerPixel = static_cast<uint8_t>((ecran[4] & 7) + 1);
    FImage.FColorResBits = static_cast<uint8_t>(((ecran[4] >> 4) & 7) + 1);
    FImage.FAspectRatio = ecran[6];
    if (ecran[4] & 0x80) {
        LireTable(f, FImage.FColorMap, FImage.FBitsPerPixel, false);
        if (ecran[5] < FImage.FColorMap.Count)
            FBackgroundColor = FImage.FColorMap.Couleur(ecran[5]);
    }

    uint8_t s = f.Separateur();
    std::vector<TExtension> L;
    while (s != 0 && s != 0x3B && !f.Fini()) {
        L.clear();
        if (s == 0x21) s = LireExtensions(f, L);
        if (s == 0x2C) {
            LireImage(f, std::move(L));
            L.clear();
            s = f.Fini() ? 0x3B : f.Separateur();
            if (s != 0x21 && s != 0x2C && s != 0x3B) s = 0;
        } else if (FImage.FComment.isEmpty() && !L.empty()) {
            for (const TExtension& e : L) {
                if (e.FExtType != TExtensionType::etComment) continue;
                if (!FImage.FComment.isEmpty()) FImage.FComment.append(QStringLiteral("\r\n\r\n"));
                FImage.FComment.append(e.FData);
            }
            L.clear();
        } else if (s != 0 && s != 0x3B) {
            LectureFlux(TypeErreur::EInvalidGraphicOperation);
        }
    }
}

uint8_t TGIFPicture::LireExtensions(FluxGIF& f, std::vector<TExtension>& L) {
    uint8_t s = 0x21;
    while (s == 0x21) {
        if (f.Fini()) return 0x3B;
        const uint8_t etiquette = *f.p++;
        TExtension e;
        switch (etiquette) {
        case 0xF9: {
            uint8_t b[6];
            f.LireTolerant(b, 6);
            TGraphicControlExtension g;
            g.BlockSize = b[0];
            g.PackedFields = b[1];
            g.DelayTime = static_cast<uint16_t>(b[2] | b[3] << 8);
            g.TransparentColorIndex = b[4];
            g.Terminator = b[5];
            e.FExtType = TExtensionType::etGraphic;
            e.FExtRec = g;
            L.push_back(std::move(e));
            break;
        }
        case 0xFE:
            e.FExtType = TExtensionType::etComment;
            f.SousBlocs(&e.FData);
            L.push_back(std::move(e));
            break;
        case 0x01: {
            uint8_t b[13];
            f.LireTolerant(b, 13);
            TPlainTextExtension t;
            t.BlockSize = b[0];
            std::memcpy(t.Grille.data(), b + 1, 12);
            f.SousBlocs(nullptr);
            L.clear();
            break;
        }
        case 0xFF: {
            uint8_t b[12];
            f.LireTolerant(b, 12);
            TAppExtension a;
            a.BlockSize = b[0];
            std::memcpy(a.AppId.data(), b + 1, 8);
            std::memcpy(a.Authentication.data(), b + 9, 3);
            QByteArray premier;
            f.SousBlocs(nullptr, &premier);
            if (IsLoopExtension(a, premier)) {
                FLooping = true;
                const int n = static_cast<uint8_t>(premier[1]) | static_cast<uint8_t>(premier[2])
                                                                     << 8;
                FRepeatCount = static_cast<uint16_t>(std::min(n, 30000));
            }
            break;
        }
        default:
            Lever(TypeErreur::EInvalidGraphicOperation,
                  QStringLiteral("Unrecognized extension block: %1")
                      .arg(QString::number(etiquette, 16).toUpper().rightJustified(2, u'0')));
        }
        s = f.Fini() ? 0x3B : f.Separateur();
    }
    return s;
}

void TGIFPicture::LireImage(FluxGIF& f, std::vector<TExtension> L) {
    auto cadre = std::make_unique<TGIFFrame>(this);
    TGIFItem& item = cadre->FImage;
    if (FImage.FColorMap.Count > 0) item.FBitsPerPixel = FImage.FBitsPerPixel;

    uint8_t d[9];
    f.LireExact(d, 9);
    const int gauche = d[0] | d[1] << 8, haut = d[2] | d[3] << 8;
    int largeur = d[4] | d[5] << 8, hauteur = d[6] | d[7] << 8;
    const uint8_t paquet = d[8];
    cadre->FInterlaced = (paquet & 0x40) != 0;
    if (paquet & 0x80) {
        item.FBitsPerPixel = static_cast<uint8_t>((paquet & 7) + 1);
        cadre->FLocalColors = true;
        LireTable(f, item.FColorMap, item.FBitsPerPixel, true);
    }

    // The compressed data, copied as stored, up to and including the terminator.
    if (f.Fini()) LectureFlux(TypeErreur::EReadError);
    const uint8_t* debut = f.p++;
    while (!f.Fini()) {
        const size_t n = *f.p;
        if (n + 1 > f.Reste()) {
            cadre->FCorrupted = true; // promises more than remains: not taken
            break;
        }
        f.p += n + 1;
        if (n == 0) break;
    }
    item.FImageData.assign(debut, f.p);
    if (cadre->FCorrupted) f.p = f.fin;

    if (largeur == 0) largeur = FScreenWidth;
    if (hauteur == 0) hauteur = FScreenHeight;
    cadre->FTopLeft = QPoint(gauche, haut);
    item.FSize = QSize(largeur, hauteur);
    item.FPackedFields = paquet;
    if (!cadre->FLocalColors) item.FColorMap = FImage.FColorMap;

    for (const TExtension& e : L) {
        const auto* g = std::get_if<TGraphicControlExtension>(&e.FExtRec);
        if (!g) continue;
        if (g->PackedFields & 1) {
            if (g->TransparentColorIndex < item.FColorMap.Count) {
                RendreUnique(item.FColorMap, g->TransparentColorIndex);
                cadre->FTransparentColor = item.FColorMap.Couleur(g->TransparentColorIndex);
            }
        } else {
            cadre->FTransparentColor.reset();
        }
        // Hundredths of a second to milliseconds, saturating rather than wrapping.
        cadre->FAnimateInterval = static_cast<uint16_t>(
            std::max<int>(cadre->FAnimateInterval, std::min(g->DelayTime * 10, 0xFFFF)));
        cadre->FDisposal = static_cast<TDisposalMethod>((g->PackedFields >> 2) & 7);
    }
    cadre->FExtensions = std::move(L);
    FItems.push_back(std::move(cadre));
}

} // namespace armo
