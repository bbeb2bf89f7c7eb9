// Arbitrary bytes loaded as a GIF picture. A load either fails with one of the
// decoder's error kinds or gives a picture whose frame 0 is decoded, whose indices all
// lie inside its table, on which the fast and the reference LZW loops agree, and which
// draws onto a bitmap with its table's colours.
#include "erreurs.h"
#include "gif.h"
#include "imaging/affichage.h"
#include "lzw.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Verifier(bool condition) {
    if (!condition) std::abort();
}

void VerifierCadre(armo::TGIFFrame& f) {
    const int w = f.Width(), h = f.Height();
    Verifier(w >= 0 && h >= 0 && w <= 65535 && h <= 65535);
    const uint8_t* idx = f.Indices();
    const size_t n = size_t(w) * size_t(h);
    Verifier((idx == nullptr) == (n == 0));
    if (!idx) return;
    const auto& item = f.FImage;
    const int count = item.FColorMap.Count;
    Verifier(count == (1 << item.FBitsPerPixel));
    // Huge frames are checked over their first pixels only, to keep the fuzzer fast.
    if (n > (size_t(1) << 22)) {
        for (size_t i = 0; i < (size_t(1) << 16); ++i) Verifier(idx[i] < count);
        return;
    }
    for (size_t i = 0; i < n; ++i) Verifier(idx[i] < count);
    // The reference loop gives the same pixels.
    std::vector<uint8_t> ref(armo::lzw::MARGE_AVANT + n + armo::lzw::MARGE_APRES);
    const auto r = armo::lzw::Decoder(
        item.FImageData.data(), item.FImageData.size(), item.FBitsPerPixel, w, h, f.FInterlaced,
        ref.data() + armo::lzw::MARGE_AVANT, armo::lzw::Mode::Reference);
    Verifier(std::memcmp(ref.data() + armo::lzw::MARGE_AVANT, idx, n) == 0);
    Verifier(!r.corrompu || f.FCorrupted);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    armo::TGIFPicture p;
    try {
        p.LoadFromBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const armo::Erreur& e) {
        using armo::TypeErreur;
        Verifier(e.type() == TypeErreur::EInvalidGraphicOperation ||
                 e.type() == TypeErreur::EReadError || e.type() == TypeErreur::EOutOfMemory);
        return 0;
    }
    Verifier(p.Count() == 0 || p.FrameIndex() == 0);
    Verifier(p.Empty() == (p.Count() == 0 || (p.Frames(0).FImage.FImageData.empty())));
    if (p.Count() == 0) {
        Verifier(p.Width() == 0 && p.Height() == 0);
        return 0;
    }
    armo::TGIFFrame& f = p.Frames(0);
    Verifier(f.Decoded());
    VerifierCadre(f);
    // Drawing, kept to pictures small enough to keep the fuzzer fast.
    if (size_t(p.Width()) * size_t(p.Height()) <= (size_t(1) << 18)) {
        const QImage r = armo::RendreImage(p, QImage::Format_RGB32);
        Verifier(r.isNull() == (p.Width() == 0 || p.Height() == 0));
        if (!r.isNull() && !f.FTransparentColor) {
            const uint8_t* idx = f.Indices();
            for (int y = 0; y < r.height(); y += 7)
                for (int x = 0; x < r.width(); ++x)
                    Verifier((r.pixel(x, y) & 0xFFFFFF) ==
                             (f.FImage.FColorMap.Couleur(
                                  idx[size_t(y) * size_t(r.width()) + size_t(x)]) &
                              0xFFFFFF));
        }
    }
    // The other frames decode on request, or fail with the decoder's errors.
    for (int i = 1; i < p.Count() && i < 4; ++i) {
        try {
            VerifierCadre(p.Frames(i));
        } catch (const armo::Erreur& e) {
            Verifier(e.type() == armo::TypeErreur::EInvalidGraphicOperation ||
                     e.type() == armo::TypeErreur::EOutOfMemory);
        }
    }
    return 0;
}
