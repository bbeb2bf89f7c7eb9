// Checks a data folder (RT_RCDATA/, GIF/, TFP/) against the rules the program
// relies on: line formats and lengths, sort order, "$" rules, glossary references,
// GIF stream shape and decoding, page encoding and links, quotation years.
// Every violation is printed with its place; the counts are reported, not judged.
//
//   valideur <data folder>      exit status 1 when a rule is broken
#include "catalogue.h"
#include "erreurs.h"
#include "gif.h"
#include "jpeg.h"
#include "lzwfin.h"
#include "ressources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

namespace {

int g_violations = 0;
QStringList g_notes;

void Violation(const QString& lieu, const QString& message) {
    ++g_violations;
    std::printf("%s: %s\n", lieu.toUtf8().constData(), message.toUtf8().constData());
}

// The file of a resource, found by base name without regard to case.
QString Trouver(const QString& dossier, const QString& type, const QString& nom) {
    const QDir d(dossier + u'/' + type);
    for (const QFileInfo& f : d.entryInfoList(QDir::Files)) {
        if (f.fileName().startsWith(QStringLiteral("README"))) continue;
        if (f.completeBaseName().compare(nom, Qt::CaseInsensitive) == 0)
            return f.absoluteFilePath();
    }
    return {};
}

bool Lire(const QString& dossier, const QString& type, const QString& nom, QByteArray& octets) {
    const QString chemin = Trouver(dossier, type, nom);
    QFile f(chemin);
    if (chemin.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        Violation(type + u'/' + nom, QStringLiteral("ressource absente"));
        return false;
    }
    octets = f.readAll();
    return true;
}

// Single-byte text without BOM, CR LF after every line, no NUL or TAB; bytes above 127
// only where allowed (Latin-1 letters in the lists, none at all in the pages).
void VerifierOctets(const QString& lieu, const QByteArray& b, bool ascii) {
    if (b.startsWith("\xEF\xBB\xBF") || b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF"))
        Violation(lieu, QStringLiteral("marque d'ordre des octets"));
    if (!b.endsWith("\r\n"))
        Violation(lieu, QStringLiteral("la derniere ligne ne finit pas par CR LF"));
    int ligne = 1;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(b[i]);
        const QString ici = QStringLiteral("%1, ligne %2").arg(lieu).arg(ligne);
        if (c == '\r') {
            if (i + 1 >= b.size() || b[i + 1] != '\n') Violation(ici, QStringLiteral("CR sans LF"));
            continue;
        }
        if (c == '\n') {
            if (i == 0 || b[i - 1] != '\r') Violation(ici, QStringLiteral("LF sans CR"));
            ++ligne;
            continue;
        }
        if (c == 0 || c == '\t') Violation(ici, QStringLiteral("caractere NUL ou TAB"));
        if (c > 127) {
            const bool lettre = c >= 0xC0 && c != 0xD7 && c != 0xF7;
            if (ascii)
                Violation(ici, QStringLiteral("octet non ASCII 0x%1").arg(c, 2, 16, QChar(u'0')));
            else if (!lettre)
                Violation(ici, QStringLiteral("octet 0x%1 qui n'est pas une lettre latine")
                                   .arg(c, 2, 16, QChar(u'0')));
        }
    }
}

QStringList Lignes(const QByteArray& b) {
    return armo::DecouperTexte(b).lignes();
}

// Case and accents ignored, apostrophes left out, a blank or punctuation before any letter.
QString Cle(const QString& s) {
    QString k;
    for (QChar c : s) {
        if (c == u'\'' || c == QChar(0x2019)) continue;
        if (c.isLetter())
            k += QString(c).normalized(QString::NormalizationForm_D).at(0).toLower();
        else if (c.isDigit())
            k += c;
        else
            k += u' ';
    }
    return k;
}

QChar Initiale(const QString& t) {
    return t.isEmpty() ? QChar() : Cle(t.left(1)).at(0);
}

struct Compte {
    int ecus = 0, termes = 0, refs = 0, trait = 0, entrees = 0, citations = 0, sources = 0;
    std::map<QString, int> tailles, tables;
    qint64 octetsGif = 0, octetsPages = 0;
    int gifMin = 1 << 30, gifMax = 0;
    int pageMin = 1 << 30, pageMax = 0;
};

int Mot(const QByteArray& b, int i) {
    return static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8);
}

void VerifierGif(const QString& lieu, const QByteArray& b, Compte& n) {
    n.octetsGif += b.size();
    n.gifMin = std::min(n.gifMin, int(b.size()));
    n.gifMax = std::max(n.gifMax, int(b.size()));
    if (b.size() < 13 + 6 || !b.startsWith("GIF89a")) {
        Violation(lieu, QStringLiteral("ne commence pas par GIF89a"));
        return;
    }
    const int w = Mot(b, 6), h = Mot(b, 8);
    const unsigned char paq = static_cast<unsigned char>(b[10]);
    if (!(paq & 0x80)) {
        Violation(lieu, QStringLiteral("pas de table de couleurs globale"));
        return;
    }
    const int bitsTable = (paq & 7) + 1, entrees = 1 << bitsTable;
    n.tailles[QStringLiteral("%1x%2").arg(w).arg(h)]++;
    n.tables[QString::number(entrees)]++;
    qsizetype i = 13 + 3 * entrees;
    if (i + 10 > b.size() || b[i] != ',') {
        Violation(lieu, QStringLiteral(
                            "l'image ne suit pas la table globale (extension ou bloc inattendu)"));
        return;
    }
    if (Mot(b, int(i) + 1) != 0 || Mot(b, int(i) + 3) != 0)
        Violation(lieu, QStringLiteral("image hors de (0, 0)"));
    if (Mot(b, int(i) + 5) != w || Mot(b, int(i) + 7) != h)
        Violation(lieu, QStringLiteral("image d'une autre taille que l'ecran"));
    const unsigned char paqImage = static_cast<unsigned char>(b[i + 9]);
    if (paqImage & 0x80) Violation(lieu, QStringLiteral("table de couleurs locale"));
    if (paqImage & 0x40) Violation(lieu, QStringLiteral("image entrelacee"));
    i += 10;
    if (i >= b.size()) {
        Violation(lieu, QStringLiteral("flux coupe avant la taille de code"));
        return;
    }
    const int tailleCode = static_cast<unsigned char>(b[i++]);
    if (tailleCode != bitsTable)
        Violation(lieu, QStringLiteral("taille de code LZW %1 pour une table de %2 bits")
                            .arg(tailleCode)
                            .arg(bitsTable));
    QByteArray data;
    for (;;) {
        if (i >= b.size()) {
            Violation(lieu, QStringLiteral("sous-blocs sans terminateur"));
            return;
        }
        const int t = static_cast<unsigned char>(b[i++]);
        if (t == 0) break;
        if (i + t > b.size()) {
            Violation(lieu, QStringLiteral("sous-bloc coupe"));
            return;
        }
        data.append(b.constData() + i, t);
        i += t;
    }
    if (i >= b.size() || b[i] != ';')
        Violation(lieu, QStringLiteral("pas de terminateur 0x3B apres l'image"));
    else if (i + 1 != b.size())
        Violation(lieu, QStringLiteral("octets apres le terminateur"));
    QString pourquoi;
    if (tailleCode >= 2 && tailleCode <= 8 &&
        !LzwTermine(data, tailleCode, qint64(w) * h, pourquoi))
        Violation(lieu, pourquoi);
    // The program's own decoder, and every index inside the table.
    try {
        armo::TGIFPicture pic;
        pic.LoadFromBytes(b);
        if (pic.Count() != 1) Violation(lieu, QStringLiteral("%1 images lues").arg(pic.Count()));
        if (pic.Width() != w || pic.Height() != h)
            Violation(lieu, QStringLiteral("le decodeur lit une autre taille"));
        if (pic.Corrupted())
            Violation(lieu, QStringLiteral("le decodeur marque l'image corrompue"));
        if (pic.Count() >= 1) {
            const uint8_t* idx = pic.Frames(0).Indices();
            for (qint64 k = 0; k < qint64(w) * h; ++k)
                if (idx[k] >= entrees) {
                    Violation(lieu, QStringLiteral("indice %1 hors de la table au pixel %2")
                                        .arg(idx[k])
                                        .arg(k));
                    break;
                }
        }
    } catch (const armo::Erreur& e) {
        Violation(lieu, QStringLiteral("le decodeur echoue : ") + e.message());
    }
}

const std::set<QString>& Entites() {
    static const std::set<QString> e = {
        "eacute", "egrave", "agrave", "ecirc",  "acirc",  "ocirc", "icirc", "ccedil",
        "Eacute", "ucirc",  "amp",    "ugrave", "deg",    "euml",  "iuml",  "quot",
        "uuml",   "Acirc",  "Ecirc",  "Agrave", "laquo",  "raquo", "lt",    "gt",
        "nbsp",   "Egrave", "Ocirc",  "Icirc",  "Ccedil", "Ucirc", "ocirc", "aelig",
        "oelig",  "OElig",  "Euml",   "Iuml",   "ouml",   "auml",  "copy",  "middot"};
    return e;
}

QString Decoder(const QString& html) {
    static const std::map<QString, QString> m = {
        {"eacute", "é"}, {"egrave", "è"}, {"agrave", "à"}, {"ecirc", "ê"},  {"acirc", "â"},
        {"ocirc", "ô"},  {"icirc", "î"},  {"ccedil", "ç"}, {"Eacute", "É"}, {"ucirc", "û"},
        {"amp", "&"},    {"ugrave", "ù"}, {"euml", "ë"},   {"iuml", "ï"},   {"quot", "\""},
        {"uuml", "ü"},   {"Acirc", "Â"},  {"Ecirc", "Ê"},  {"Agrave", "À"}, {"lt", "<"},
        {"gt", ">"},     {"Egrave", "È"}, {"Ocirc", "Ô"},  {"Icirc", "Î"},  {"Ccedil", "Ç"}};
    QString s;
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] == u'&') {
            const qsizetype j = html.indexOf(u';', i);
            auto it = j > i ? m.find(html.mid(i + 1, j - i - 1)) : m.end();
            if (it != m.end()) {
                s += it->second;
                i = j;
                continue;
            }
        }
        s += html[i];
    }
    return s;
}

// Start and end tags balanced, the void elements aside.
bool Equilibre(const QString& html, QString& pourquoi) {
    static const QRegularExpression balise(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>"));
    static const std::set<QString> vides = {"br",    "meta", "img", "hr",
                                            "input", "link", "col", "base"};
    QStringList pile;
    for (auto it = balise.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString nom = m.captured(2).toLower();
        if (vides.count(nom)) continue;
        if (m.captured(1).isEmpty())
            pile << nom;
        else if (pile.isEmpty() || pile.last() != nom) {
            pourquoi =
                QStringLiteral("</%1> inattendu a la position %2").arg(nom).arg(m.capturedStart());
            return false;
        } else
            pile.removeLast();
    }
    if (!pile.isEmpty()) {
        pourquoi = QStringLiteral("<%1> non ferme").arg(pile.last());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: valideur <dossier de donnees>\n");
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    Compte n;
    QByteArray b;

    // corres
    QStringList noms;
    if (Lire(dossier, "RT_RCDATA", "corres", b)) {
        VerifierOctets("corres", b, false);
        const QStringList l = Lignes(b);
        std::set<QString> vus;
        for (int k = 0; k < l.size(); ++k) {
            const QString lieu = QStringLiteral("corres, ligne %1").arg(k + 1);
            const QString& s = l[k];
            static const QRegularExpression forme(QStringLiteral("^D(\\d{4}) (.*)\\.gif$"));
            const auto m = forme.match(s);
            if (!m.hasMatch()) {
                Violation(lieu, QStringLiteral("pas de la forme Dnnnn <nom>.gif"));
                noms << QString();
                continue;
            }
            if (m.captured(1).toInt() != k + 1)
                Violation(lieu, QStringLiteral("numero %1 au lieu de %2")
                                    .arg(m.captured(1))
                                    .arg(k + 1, 4, 10, QChar(u'0')));
            const QString nom = m.captured(2);
            noms << nom;
            if (s.size() < 14 || s.size() > 46)
                Violation(lieu, QStringLiteral("ligne de %1 caracteres (14 a 46)").arg(s.size()));
            if (nom.size() < 4 || nom.size() > 36)
                Violation(lieu, QStringLiteral("nom de %1 caracteres (4 a 36)").arg(nom.size()));
            if (nom.contains(u'$')) Violation(lieu, QStringLiteral("nom avec $"));
            if (nom != nom.trimmed())
                Violation(lieu, QStringLiteral("nom avec un blanc a un bout"));
            if (!vus.insert(nom).second) Violation(lieu, QStringLiteral("nom en double : ") + nom);
            if (k > 0 && Cle(noms[k - 1]) > Cle(nom))
                Violation(lieu, QStringLiteral("hors d'ordre apres « %1 »").arg(noms[k - 1]));
        }
        n.ecus = int(l.size());
    }

    // ecus
    if (Lire(dossier, "RT_RCDATA", "ecus", b)) {
        VerifierOctets("ecus", b, false);
        const QStringList l = Lignes(b);
        if (l.size() != noms.size())
            Violation(
                "ecus",
                QStringLiteral("%1 lignes pour %2 dans corres").arg(l.size()).arg(noms.size()));
        for (int k = 0; k < l.size(); ++k) {
            const QString lieu = QStringLiteral("ecus, ligne %1").arg(k + 1);
            const QString& s = l[k];
            if (s.count(u'$') != 1)
                Violation(lieu, QStringLiteral("%1 signes $ au lieu d'un").arg(s.count(u'$')));
            const qsizetype p = s.indexOf(u'$');
            const QString nom = s.left(p), blason = s.mid(p + 1);
            if (k < noms.size() && nom != noms[k])
                Violation(lieu, QStringLiteral("nom different de corres"));
            if (blason.size() < 21 || blason.size() > 390)
                Violation(lieu,
                          QStringLiteral("blason de %1 caracteres (21 a 390)").arg(blason.size()));
            if (s.size() < 28 || s.size() > 409)
                Violation(lieu, QStringLiteral("ligne de %1 caracteres (28 a 409)").arg(s.size()));
        }
    }

    // indfini
    std::vector<QString> termes;
    if (Lire(dossier, "RT_RCDATA", "indfini", b)) {
        VerifierOctets("indfini", b, false);
        const QStringList l = Lignes(b);
        std::vector<int> parEcu(size_t(std::max<qsizetype>(noms.size(), 0)), 0);
        static const QRegularExpression chiffres(QStringLiteral("^\\d*$"));
        for (int k = 0; k < l.size(); ++k) {
            const QString lieu = QStringLiteral("indfini, ligne %1").arg(k + 1);
            const QString& s = l[k];
            if (s.count(u'$') != 1)
                Violation(lieu, QStringLiteral("%1 signes $ au lieu d'un").arg(s.count(u'$')));
            const qsizetype p = s.indexOf(u'$');
            const QString t = p < 0 ? QString() : s.left(p), refs = s.mid(p + 1);
            termes.push_back(t);
            if (t.size() < 2 || t.size() > 16)
                Violation(lieu, QStringLiteral("terme de %1 caracteres (2 a 16)").arg(t.size()));
            if (t.contains(u' ') || t.contains(u'\''))
                Violation(lieu, QStringLiteral("terme avec un blanc ou une apostrophe"));
            if (!t.isEmpty() && !t.at(0).isUpper())
                Violation(lieu, QStringLiteral("terme sans capitale initiale"));
            if (t.contains(u'-')) ++n.trait;
            if (k > 0 && !termes[k - 1].isEmpty() && !t.isEmpty() &&
                Initiale(termes[k - 1]) > Initiale(t))
                Violation(lieu,
                          QStringLiteral("initiale hors d'ordre apres « %1 »").arg(termes[k - 1]));
            if (refs.isEmpty() || refs.size() % 6 || !chiffres.match(refs).hasMatch()) {
                Violation(lieu, QStringLiteral(
                                    "references vides, non numeriques ou pas par groupes de six"));
                continue;
            }
            int prec = -1;
            for (qsizetype j = 0; j + 6 <= refs.size(); j += 6) {
                const int r = refs.mid(j, 6).toInt();
                if (r <= prec)
                    Violation(lieu,
                              QStringLiteral("reference %1 pas strictement croissante").arg(r));
                if (r >= int(parEcu.size()))
                    Violation(lieu, QStringLiteral("reference %1 hors du catalogue").arg(r));
                else
                    ++parEcu[size_t(r)];
                prec = r;
                ++n.refs;
            }
        }
        for (size_t i = 0; i < parEcu.size(); ++i)
            if (parEcu[i] < 2 || parEcu[i] > 23)
                Violation(
                    QStringLiteral("indfini, ecu %1 (D%2)").arg(i).arg(i + 1, 4, 10, QChar(u'0')),
                    QStringLiteral("reference par %1 termes (2 a 23)").arg(parEcu[i]));
        n.termes = int(l.size());
    }

    // GIF pictures
    for (int k = 1; k <= int(noms.size()); ++k) {
        const QString nom = QStringLiteral("D%1").arg(k, 4, 10, QChar(u'0'));
        if (Lire(dossier, "GIF", nom, b)) VerifierGif(QStringLiteral("GIF/") + nom, b, n);
    }

    // Pages
    std::set<int> annees;
    std::map<QString, std::set<QString>> termesDesPages;
    QString teteLettres;
    const QStringList pages = armo::NomsPages();
    static const QRegularExpression lien(QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\""));
    static const QRegularExpression entite(QStringLiteral("&([^;&\\s]*);?"));
    static const QRegularExpression annee(
        QStringLiteral("<font color=\"#ff0c16\">(\\d{4})</font>"));
    static const QRegularExpression cellule(
        QStringLiteral("<td valign=\"top\" width=\"90\"><p class=\"ms12noir\">(.*?)</p>"));
    std::vector<int> anneesCitees;
    for (const QString& page : pages) {
        if (!Lire(dossier, "RT_RCDATA", page, b)) continue;
        n.octetsPages += b.size();
        n.pageMin = std::min(n.pageMin, int(b.size()));
        n.pageMax = std::max(n.pageMax, int(b.size()));
        VerifierOctets(page, b, true);
        if (b.count('\n') != 1 || b.count('\r') != 1)
            Violation(page, QStringLiteral("la page tient sur plus d'une ligne"));
        const QString html = QString::fromLatin1(b).trimmed();
        if (!html.startsWith(QStringLiteral("<html>")) || !html.endsWith(QStringLiteral("</html>")))
            Violation(page, QStringLiteral("pas un document html complet"));
        if (!html.contains(QStringLiteral("content=\"text/html;charset=iso-8859-1\"")))
            Violation(page, QStringLiteral("jeu de caracteres non declare"));
        if (!html.contains(QStringLiteral("oncontextmenu=\"return false;\"")))
            Violation(page, QStringLiteral("body sans oncontextmenu"));
        for (auto it = entite.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            if (!Entites().count(m.captured(1)) || !m.captured(0).endsWith(u';'))
                Violation(page, QStringLiteral("entite non nommee ou inconnue : ") + m.captured(0));
        }
        std::map<QString, int> liens;
        for (auto it = lien.globalMatch(html); it.hasNext();) {
            const QString h = it.next().captured(1);
            liens[h]++;
            if (!pages.contains(h))
                Violation(page, QStringLiteral("lien vers autre chose qu'une page : ") + h);
        }
        const bool refer = page == QStringLiteral("refer");
        int total = 0;
        for (auto& [h, c] : liens) total += c;
        if (total != (refer ? 26 : 27))
            Violation(page,
                      QStringLiteral("%1 liens au lieu de %2").arg(total).arg(refer ? 26 : 27));
        for (const QString& cible : pages)
            if (liens[cible] != ((refer && cible == QStringLiteral("refer")) ? 0 : 1))
                Violation(page, QStringLiteral("%1 liens vers %2").arg(liens[cible]).arg(cible));
        if (html.contains(QStringLiteral("<img"), Qt::CaseInsensitive) ||
            html.contains(QStringLiteral("<script"), Qt::CaseInsensitive) ||
            html.contains(QStringLiteral("http:"), Qt::CaseInsensitive))
            Violation(page, QStringLiteral("image, script ou adresse externe"));
        QString pourquoi;
        if (!Equilibre(html, pourquoi))
            g_notes << page + QStringLiteral(" : balisage non equilibre, ") + pourquoi;
        const QString tete = html.left(html.indexOf(QStringLiteral("</head>")));
        if (refer) {
            static const QRegularExpression source(
                QStringLiteral("<td class=\"a_04\"[^>]*>(\\d{4})</td>"));
            for (auto it = source.globalMatch(html); it.hasNext();) {
                const int a = it.next().captured(1).toInt();
                if (!annees.insert(a).second)
                    Violation(page, QStringLiteral("annee %1 en double").arg(a));
                ++n.sources;
            }
        } else {
            if (teteLettres.isEmpty())
                teteLettres = tete;
            else if (tete != teteLettres)
                Violation(page, QStringLiteral("en-tete different de celui de gloss_a"));
            for (auto it = annee.globalMatch(html); it.hasNext();)
                anneesCitees.push_back(it.next().captured(1).toInt());
            for (auto it = cellule.globalMatch(html); it.hasNext();) {
                termesDesPages[page].insert(Decoder(it.next().captured(1)));
                ++n.entrees;
            }
        }
    }
    n.citations = int(anneesCitees.size());
    for (int a : anneesCitees)
        if (!annees.count(a))
            Violation(QStringLiteral("pages"),
                      QStringLiteral("annee citee %1 absente de refer").arg(a));
    for (const QString& t : termes) {
        if (t.isEmpty()) continue;
        const QString page = QStringLiteral("gloss_") + Initiale(t);
        if (!termesDesPages[page].count(t))
            Violation(page, QStringLiteral("pas d'article pour le terme ") + t);
    }

    // The window's pictures.
    auto taille = [&](const char* nom, int w, int h, bool jpeg) {
        QByteArray o;
        if (!Lire(dossier, "TFP", nom, o)) return;
        QImage img;
        try {
            img = jpeg ? armo::DecoderJPEG(o) : QImage::fromData(o);
        } catch (const armo::Erreur& e) {
            Violation(QStringLiteral("TFP/") + nom, e.message());
            return;
        }
        if (img.width() != w || img.height() != h)
            Violation(QStringLiteral("TFP/") + nom, QStringLiteral("%1 x %2 au lieu de %3 x %4")
                                                        .arg(img.width())
                                                        .arg(img.height())
                                                        .arg(w)
                                                        .arg(h));
        if (!jpeg && std::string_view(nom).starts_with("fleche") &&
            img.pixel(0, 0) != qRgb(255, 0, 255))
            Violation(QStringLiteral("TFP/") + nom, QStringLiteral("fond qui n'est pas magenta"));
    };
    taille("image2", 160, 486, true);
    taille("degrade", 300, 300, true);
    taille("image1", 200, 60, false);
    taille("image4", 240, 71, true);
    taille("icone", 32, 32, false);
    taille("fleche_g", 21, 21, false);
    taille("fleche_d", 21, 21, false);

    for (const QString& note : g_notes) std::printf("note: %s\n", note.toUtf8().constData());
    QStringList tailles, tables;
    for (auto& [k, v] : n.tailles) tailles << QStringLiteral("%1 en %2").arg(v).arg(k);
    for (auto& [k, v] : n.tables) tables << QStringLiteral("%1 a %2 couleurs").arg(v).arg(k);
    std::printf("valideur: %d violation(s) ; %d ecus, %d termes (%d avec trait d'union), %d "
                "references, %d articles, "
                "%d citations, %d sources, pages %lld octets (%d a %d), GIF %lld octets (%d a %d ; "
                "%s ; %s)\n",
                g_violations, n.ecus, n.termes, n.trait, n.refs, n.entrees, n.citations, n.sources,
                static_cast<long long>(n.octetsPages), n.pageMin, n.pageMax,
                static_cast<long long>(n.octetsGif), n.gifMin, n.gifMax,
                tailles.join(QStringLiteral(", ")).toUtf8().constData(),
                tables.join(QStringLiteral(", ")).toUtf8().constData());
    return g_violations ? 1 : 0;
}
