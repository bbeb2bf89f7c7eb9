#include "pages.h"

#include <map>
#include <stdexcept>

namespace bat {

namespace {

const char* kStyle =
    ".L52{font-family:Tahoma,Verdana,sans-serif;font-size:11pt;font-weight:bold;color:#ffffff;"
    "background-color:#e5f1fa;text-align:center}"
    ".gri{font-family:Tahoma,Verdana,sans-serif;font-size:11px;font-weight:bold;color:#d95b5b;text-"
    "align:left}"
    ".ms12noir{font-family:Tahoma,Verdana,sans-serif;font-size:10pt;color:#000000;text-align:left;"
    "margin:2px}"
    ".L51{font-family:Tahoma,Verdana,sans-serif;font-size:10pt;color:#000000;background-color:#"
    "f4e9d9;"
    "text-align:left;margin:2px}";
const char* kStyleRefer =
    ".a_04{font-family:Tahoma,Verdana,sans-serif;font-size:11pt;color:maroon}"
    ".a_gRI{font-family:Tahoma,Verdana,sans-serif;font-size:11px;font-weight:500;color:#000000;"
    "background-color:#f7ffe6;padding:0 5pt 5pt}";

QByteArray Tete(bool refer) {
    QByteArray h =
        "<html><head>"
        "<meta http-equiv=\"content-type\" content=\"text/html;charset=iso-8859-1\">"
        "<meta name=\"generator\" content=\"batisseur ARMORIANE\">"
        "<title>ARMORIANE - Dictionnaire h&eacute;raldique</title>"
        "<meta name=\"description\" content=\"Dictionnaire du blason : d&eacute;finitions et "
        "blasonnements dat&eacute;s d'un armorial invent&eacute;\">"
        "<meta name=\"keywords\" content=\"blason, h&eacute;raldique, armoiries, armorial, "
        "dictionnaire\">"
        "<meta name=\"revisit-after\" content=\"30 days\">"
        "<style type=\"text/css\">";
    h += kStyle;
    if (refer) h += kStyleRefer;
    h += "</style></head>"
         "<body oncontextmenu=\"return false;\" marginwidth=\"0\" marginheight=\"0\" "
         "leftmargin=\"0\" "
         "topmargin=\"0\">";
    return h;
}

QByteArray Barre() {
    QByteArray b = "<tr><td><p class=\"L52\">";
    for (char c = 'a'; c <= 'z'; ++c) {
        if (c != 'a') b += ' ';
        b += "<a href=\"gloss_";
        b += c;
        b += "\">";
        b += char(c - 'a' + 'A');
        b += "</a>";
    }
    b += "</p></td></tr>";
    return b;
}

const char* kEspace = "<tr><td height=\"3\"></td></tr>";

} // namespace

const std::vector<Source>& Sources() {
    static const std::vector<Source> s = {
        {1679, "Claude-Ambroise Ternier",
         "Le Miroir des armes du Valbrunois, où sont peints les écus des maisons nobles"},
        {1702, "Frère Anselme de Rocheval",
         "Recueil des blasons tirés des vitraux et des tombes de l'abbaye de Monthaye"},
        {1731, "", "Nobiliaire manuscrit des états de la province, copié pour le greffe"},
        {1748, "Jean-Baptiste Mauclerc", "Recueil des armes des familles de robe et d'épée"},
        {1764, "Louise-Angélique de Fontvive",
         "Abrégé méthodique du blason, avec les armes de cent familles"},
        {1779, "Pierre Dusaulx", "Tables raisonnées des armoiries, à l'usage des jeunes gens"},
        {1788, "Antoine Gravelot de Sainte-Lande",
         "Catalogue des gentilshommes convoqués aux assemblées de la noblesse"},
        {1803, "Hippolyte Varenne", "Souvenirs héraldiques des anciennes maisons du pays"},
        {1817, "", "Registre des armoiries confirmées, tenu par le conseil du sceau"},
        {1834, "Auguste Bellemare", "Traité complet de l'art du blason, orné de planches"},
        {1851, "Émile Quenet", "Armorial des familles du Valbrunois et des provinces voisines"},
        {1867, "Comte Raoul de Castelmare",
         "Dictionnaire des termes du blason, avec les exemples des armes"},
        {1883, "Marthe Oudinot",
         "Les Sceaux et les armes des villes, des corporations et des familles"},
        {1905, "Henri Labrèche-Dorval", "Nouvel armorial, revu sur les titres et les monuments"},
    };
    return s;
}

QByteArray EnEntites(const QString& texte) {
    static const std::map<char16_t, const char*> entites = {
        {u'é', "eacute"}, {u'è', "egrave"}, {u'à', "agrave"}, {u'ê', "ecirc"},  {u'â', "acirc"},
        {u'ô', "ocirc"},  {u'î', "icirc"},  {u'ç', "ccedil"}, {u'É', "Eacute"}, {u'û', "ucirc"},
        {u'&', "amp"},    {u'ù', "ugrave"}, {u'°', "deg"},    {u'ë', "euml"},   {u'ï', "iuml"},
        {u'"', "quot"},   {u'ü', "uuml"},   {u'Â', "Acirc"},  {u'Ê', "Ecirc"},  {u'À', "Agrave"},
        {u'«', "laquo"},  {u'»', "raquo"},  {u'<', "lt"},     {u'>', "gt"},     {u'È', "Egrave"},
        {u'Ô', "Ocirc"},  {u'Î', "Icirc"},  {u'Ç', "Ccedil"}};
    QByteArray b;
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        auto it = entites.find(u);
        if (it != entites.end()) {
            b += '&';
            b += it->second;
            b += ';';
        } else if (u >= 0x20 && u < 0x7F) {
            b += char(u);
        } else {
            throw std::runtime_error("signe sans entite: " + QString(c).toStdString());
        }
    }
    return b;
}

QByteArray PageLettre(QChar lettre, const std::vector<Entree>& entrees) {
    QByteArray b = Tete(false);
    b += "<table width=\"100%\" border=\"0\">";
    b += "<tr><td align=\"center\"><font color=\"red\"><a class=\"gri\" href=\"refer\">"
         "A quel livre correspond chaque date ?</a></font></td></tr>";
    b += kEspace;
    b += Barre();
    b += "<tr><td><table width=\"100%\" border=\"1\">";
    if (entrees.empty()) b += "<tr><td></td></tr>";
    for (const Entree& e : entrees) {
        b += "<tr><td valign=\"top\" width=\"90\"><p class=\"ms12noir\">" + EnEntites(e.terme) +
             "</p></td>";
        b += "<td><table width=\"100%\" border=\"0\" cellspacing=\"2\">";
        b += "<tr><td><p class=\"L51\">" + EnEntites(e.definition) + "</p></td></tr>";
        b += "<tr><td>";
        if (!e.citations.empty()) {
            b += "<p class=\"ms12noir\">";
            bool premiere = true;
            for (const Citation& c : e.citations) {
                if (!premiere) b += "<br>";
                premiere = false;
                b += "<b><font color=\"#ff0c16\">" + QByteArray::number(c.annee) + "</font></b> " +
                     EnEntites(c.texte);
            }
            b += "</p>";
        }
        b += "</td></tr></table></td></tr>";
    }
    b += "</table></td></tr></table></body></html>\r\n";
    (void)lettre;
    return b;
}

QByteArray PageReferences() {
    QByteArray b = Tete(true);
    b += "<table width=\"100%\" border=\"0\">";
    b += "<tr><td align=\"center\"><p class=\"gri\" align=\"center\">REFERENCES</p></td></tr>";
    b += kEspace;
    b += Barre();
    b += "<tr><td><table width=\"100%\" border=\"0\" cellspacing=\"0\">";
    bool premiere = true;
    for (const Source& s : Sources()) {
        if (!premiere) b += "<tr><td colspan=\"2\" height=\"1\" bgcolor=\"#b94040\"></td></tr>";
        premiere = false;
        b += "<tr><td class=\"a_04\" width=\"40\">" + QByteArray::number(s.annee) + "</td>";
        b += "<td class=\"ms12noir\" width=\"184\">";
        if (*s.auteur) b += "<b>" + EnEntites(QString::fromUtf8(s.auteur)) + "</b>";
        b += "</td></tr>";
        b += "<tr><td colspan=\"2\" class=\"a_gRI\">" + EnEntites(QString::fromUtf8(s.titre)) +
             "</td></tr>";
    }
    b += "</table></td></tr></table></body></html>\r\n";
    return b;
}

} // namespace bat
