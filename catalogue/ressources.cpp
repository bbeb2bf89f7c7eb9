#include "ressources.h"

#include "erreurs.h"

#include <QDir>
#include <QHash>
#include <QResource>
#include <QStringDecoder>

namespace armo {

namespace {

QString g_racine = QStringLiteral("armoriane");

QString DossierType(const TypeRessource& type) {
    return type.numerote() ? QStringLiteral("N_%1").arg(type.numero())
                           : QStringLiteral("T_") + type.nom();
}

// Upper-case name -> resource path, one table per data set and type, built on first use.
const QHash<QString, QString>& Table(const TypeRessource& type) {
    static QHash<QString, QHash<QString, QString>> tables;
    const QString dossier = QStringLiteral(":/%1/%2").arg(g_racine, DossierType(type));
    auto it = tables.find(dossier);
    if (it == tables.end()) {
        QHash<QString, QString> table;
        const QDir dir(dossier);
        for (const QFileInfo& f : dir.entryInfoList(QDir::Files))
            table.insert(f.completeBaseName().toUpper(), f.filePath());
        it = tables.insert(dossier, std::move(table));
    }
    return *it;
}

// Windows-1252 for 0x80 … 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t CP1252_80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

[[noreturn]] void EchecDecodage() {
    Lever(TypeErreur::EEncodingError,
          QStringLiteral("Aucun mappage pour le caractère Unicode n'existe dans la page de "
                         "code multi-octet cible"));
}

QString DecoderAnsi(QByteArrayView octets) {
    QString s(octets.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F) {
            c = CP1252_80[b - 0x80];
            if (c == 0) EchecDecodage();
        }
        out[i] = c;
    }
    return s;
}

QString DecoderAvec(QStringConverter::Encoding encodage, QByteArrayView octets) {
    // A trailing half of a UTF-16 unit decodes to nothing.
    if (encodage != QStringConverter::Utf8 && octets.size() % 2 != 0) EchecDecodage();
    QStringDecoder decodeur(encodage, QStringConverter::Flag::Stateless);
    QString s = decodeur.decode(octets);
    if (decodeur.hasError()) EchecDecodage();
    return s;
}

QString Decoder(QByteArrayView o) {
    auto commence = [&](std::initializer_list<unsigned char> bom) {
        if (o.size() < static_cast<qsizetype>(bom.size())) return false;
        qsizetype i = 0;
        for (unsigned char b : bom)
            if (static_cast<unsigned char>(o[i++]) != b) return false;
        return true;
    };
    if (commence({0xEF, 0xBB, 0xBF})) return DecoderAvec(QStringConverter::Utf8, o.sliced(3));
    if (commence({0xFF, 0xFE})) return DecoderAvec(QStringConverter::Utf16LE, o.sliced(2));
    if (commence({0xFE, 0xFF})) return DecoderAvec(QStringConverter::Utf16BE, o.sliced(2));
    return DecoderAnsi(o);
}

} // namespace

void ChoisirJeuDeDonnees(const QString& racine) { g_racine = racine; }
QString JeuDeDonnees() { return g_racine; }

QByteArrayView OuvrirRessource(const TypeRessource& type, const QString& nom) {
    const auto& table = Table(type);
    const auto it = table.constFind(nom.toUpper());
    if (it != table.constEnd()) {
        const QResource r(*it);
        // Embedded without compression, so the data pointer is the bytes themselves.
        if (r.isValid() && r.compressionAlgorithm() == QResource::NoCompression)
            return QByteArrayView(reinterpret_cast<const char*>(r.data()), r.size());
    }
    Lever(TypeErreur::EResNotFound, QStringLiteral("Ressource %1 non trouvée").arg(nom));
}

QStringList NomsRessources(const TypeRessource& type) {
    QStringList noms = Table(type).keys();
    noms.sort();
    return noms;
}

ListeTexte DecouperTexte(QByteArrayView octets) {
    const QString texte = Decoder(octets);
    ListeTexte liste;
    const QChar* p = texte.constData();
    const QChar* const fin = p + texte.size();
    // CR, LF and CR LF each end a line; a NUL ends the text.
    while (p < fin && *p != QChar(0)) {
        const QChar* debut = p;
        while (p < fin && *p != QChar(0) && *p != u'\r' && *p != u'\n') ++p;
        liste.Ajouter(QString(debut, p - debut));
        if (p < fin && *p == u'\r') ++p;
        if (p < fin && *p == u'\n') ++p;
    }
    return liste;
}

ListeTexte ChargerListe(const QString& nom) { return DecouperTexte(OuvrirRessource(RT_RCDATA, nom)); }

const QString& ListeTexte::operator[](int i) const {
    if (i < 0 || i >= Count())
        Lever(TypeErreur::EListError, QStringLiteral("Index de liste hors limites (%1)").arg(i));
    return lignes_[i];
}

} // namespace armo
