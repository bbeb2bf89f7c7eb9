#include "blason.h"

#include <QStringList>

namespace bat {

namespace {

const NomMeuble kNoms[NB_MEUBLES] = {
    {"étoile", "étoiles", true},
    {"molette", "molettes", true},
    {"croissant", "croissants", false},
    {"besant", "besants", false},
    {"tourteau", "tourteaux", false},
    {"annelet", "annelets", false},
    {"losange", "losanges", false},
    {"macle", "macles", true},
    {"fusée", "fusées", true},
    {"billette", "billettes", true},
    {"croisette", "croisettes", true},
    {"fleur de lis", "fleurs de lis", true},
    {"coquille", "coquilles", true},
    {"rose", "roses", true},
    {"quintefeuille", "quintefeuilles", true},
    {"trèfle", "trèfles", false},
    {"merlette", "merlettes", true},
    {"aigle", "aigles", true},
    {"lion", "lions", false},
    {"tour", "tours", true},
    {"château", "châteaux", false},
    {"clé", "clés", true},
    {"épée", "épées", true},
    {"soleil", "soleils", false},
    {"cloche", "cloches", true},
    {"roc d'échiquier", "rocs d'échiquier", false},
    {"arbre", "arbres", false},
    {"gerbe", "gerbes", true},
    {"ancre", "ancres", true},
    {"couronne", "couronnes", true},
    {"moucheture d'hermine", "mouchetures d'hermine", true},
    {"huchet", "huchets", false},
    {"bar", "bars", false},
    {"gland", "glands", false},
    {"marteau", "marteaux", false},
    {"écusson", "écussons", false},
    {"flèche", "flèches", true},
    {"hache", "haches", true},
    {"comète", "comètes", true},
    {"larme", "larmes", true},
    {"otelle", "otelles", true},
    {"rustre", "rustres", false},
    {"carreau", "carreaux", false},
    {"vire", "vires", true},
    {"fermail", "fermaux", false},
    {"bourdon", "bourdons", false},
    {"colonne", "colonnes", true},
    {"abeille", "abeilles", true},
    {"papillon", "papillons", false},
    {"guivre", "guivres", true},
    {"grappe de raisin", "grappes de raisin", true},
    {"tiercefeuille", "tiercefeuilles", true},
    {"quartefeuille", "quartefeuilles", true},
    {"clou", "clous", false},
    {"massue", "massues", true},
    {"crosse", "crosses", true},
    {"chausse-trape", "chausse-trapes", true},
    {"épi", "épis", false},
    {"écot", "écots", false},
};

QString U(const char* s) {
    return QString::fromUtf8(s);
}

bool Voyelle(const QString& mot) {
    if (mot.isEmpty()) return false;
    // "hermine" has a mute h: d'hermine; "huchet" does not: de huchet.
    if (mot.startsWith(QStringLiteral("hermine"))) return true;
    const QString base = mot.left(1).normalized(QString::NormalizationForm_D).left(1).toLower();
    return QStringLiteral("aeiou").contains(base);
}

// Regular agreement of a past participle or adjective: é, ée, és, ées.
QString Accord(const QString& masc, bool fem, bool pluriel) {
    QString s = masc;
    if (fem) s += u'e';
    if (pluriel) s += u's';
    return s;
}

QString NomLigne(Ligne l) {
    switch (l) {
    case Ligne::Droite:
        return {};
    case Ligne::Onde:
        return U("ondé");
    case Ligne::Engrele:
        return U("engrêlé");
    case Ligne::Denche:
        return U("denché");
    case Ligne::Crenele:
        return U("crénelé");
    case Ligne::Bretesse:
        return U("bretessé");
    case Ligne::Vivre:
        return U("vivré");
    }
    return {};
}

QString TermeLigne(Ligne l) {
    switch (l) {
    case Ligne::Droite:
        return {};
    case Ligne::Onde:
        return U("Ondé");
    case Ligne::Engrele:
        return U("Engrêlé");
    case Ligne::Denche:
        return U("Denché");
    case Ligne::Crenele:
        return U("Crénelé");
    case Ligne::Bretesse:
        return U("Bretessé");
    case Ligne::Vivre:
        return U("Vivré");
    }
    return {};
}

QString Nombre(int n, bool fem) {
    switch (n) {
    case 1:
        return fem ? U("une") : U("un");
    case 2:
        return U("deux");
    case 3:
        return U("trois");
    case 4:
        return U("quatre");
    case 5:
        return U("cinq");
    case 6:
        return U("six");
    case 7:
        return U("sept");
    case 8:
        return U("huit");
    case 9:
        return U("neuf");
    case 10:
        return U("dix");
    }
    return QString::number(n);
}

QString NomDuMeuble(const Groupe& g) {
    const NomMeuble& n = Nom(g.meuble);
    if (g.meuble == Meuble::Lion && g.nombre >= 3) return U("lionceaux");
    return U(g.nombre > 1 ? n.pluriel : n.singulier);
}

bool FemininMeuble(const Groupe& g) {
    return Nom(g.meuble).feminin;
}

// "de même" when a second charge repeats the tincture just named.
QString DeOuDeMeme(Email e, Email precedent) {
    return e == precedent ? U("de même") : De(e);
}

// "d'une étoile", "de trois lions": the complement after chargé, accompagné, semé...
QString DeGroupe(const QString& corps, int nombre) {
    if (nombre == 1) return U("d'") + corps;
    return U("de ") + corps;
}

struct Ecrivain {
    std::set<QString>* termes;

    void T(const char* t) {
        if (termes) termes->insert(U(t));
    }
    void T(const QString& t) {
        if (termes && !t.isEmpty()) termes->insert(t);
    }
    void TE(Email e) {
        static const char* noms[] = {"Or",    "Argent",  "Gueules", "Azur",           "Sinople",
                                     "Sable", "Pourpre", "Hermine", "Contre-hermine", "Vair"};
        T(noms[int(e)]);
        if (EstMetal(e)) T("Métal");
        if (EstCouleur(e)) T("Couleur");
        if (EstFourrure(e)) T("Fourrure");
        if (e == Email::Hermine || e == Email::ContreHermine) T("Moucheture");
    }

    // The group without its leading article: "trois étoiles d'or, posées 2 et 1".
    QString Groupe_(const Groupe& g, Email precedent, bool disposer = true) {
        const bool fem = FemininMeuble(g);
        const bool pl = g.nombre > 1;
        QString s = Nombre(g.nombre, fem) + u' ' + NomDuMeuble(g);
        // Facing or back to back is said with the name: "deux lions affrontés d'or".
        if (disposer && (g.dispo == Disposition::Affrontes || g.dispo == Disposition::Adosses))
            s += Dispo(g);
        if (g.meuble == Meuble::Aigle && g.eploye) {
            s += u' ' + Accord(U("éployé"), fem, pl);
            T("Éployé");
        }
        s += u' ' + DeOuDeMeme(g.email, precedent);
        TE(g.email);
        TermeMeuble(g);
        if (g.meuble == Meuble::Lion) {
            if (g.contourne) {
                s += u' ' + Accord(U("contourné"), fem, pl);
                T("Contourné");
            }
            if (g.aAttribut) {
                s += u' ' + Accord(U("armé"), fem, pl) + U(" et ") +
                     Accord(U("lampassé"), fem, pl) + u' ' + De(g.attribut);
                T("Armé");
                T("Lampassé");
                TE(g.attribut);
            }
        } else if (g.meuble == Meuble::Aigle && g.aAttribut) {
            s += u' ' + Accord(U("becqué"), fem, pl) + U(" et ") + Accord(U("membré"), fem, pl) +
                 u' ' + De(g.attribut);
            T("Becqué");
            T("Membré");
            TE(g.attribut);
        } else if ((g.meuble == Meuble::Tour || g.meuble == Meuble::Chateau) &&
                   (g.aAttribut || g.ajoure || g.ouvert)) {
            QStringList parts;
            if (g.ouvert && g.ajoure) {
                parts << Accord(U("ouvert"), fem, pl) + U(" et ") + Accord(U("ajouré"), fem, pl) +
                             u' ' + De(g.emailJour);
                T("Ouvert");
                T("Ajouré");
                TE(g.emailJour);
            } else if (g.ouvert) {
                parts << Accord(U("ouvert"), fem, pl) + u' ' + De(g.emailJour);
                T("Ouvert");
                TE(g.emailJour);
            } else if (g.ajoure) {
                parts << Accord(U("ajouré"), fem, pl) + u' ' + De(g.emailJour);
                T("Ajouré");
                TE(g.emailJour);
            }
            if (g.aAttribut) {
                parts << Accord(U("maçonné"), fem, pl) + u' ' + De(g.attribut);
                T("Maçonné");
                TE(g.attribut);
            }
            s += u' ' + parts.join(U(" et "));
        } else if (g.meuble == Meuble::Rose && (g.aAttribut || g.tige)) {
            QStringList parts;
            if (g.aAttribut) {
                parts << Accord(U("boutonné"), fem, pl) + u' ' + De(g.attribut);
                T("Boutonné");
                TE(g.attribut);
            }
            if (g.tige) {
                parts << Accord(U("tigé"), fem, pl) + U(" et ") + Accord(U("feuillé"), fem, pl) +
                             U(" de sinople");
                T("Tigé");
                T("Feuillé");
                TE(Email::Sinople);
            }
            s += u' ' + parts.join(U(", "));
        } else if (g.meuble == Meuble::Epee && g.aAttribut) {
            s += u' ' + Accord(U("garni"), fem, pl) + u' ' + De(g.attribut);
            T("Garni");
            TE(g.attribut);
        } else if (g.meuble == Meuble::Cloche && g.aAttribut) {
            s += u' ' + Accord(U("bataillé"), fem, pl) + u' ' + De(g.attribut);
            T("Bataillé");
            TE(g.attribut);
        } else if (g.meuble == Meuble::Arbre && g.arrache) {
            s += u' ' + Accord(U("arraché"), fem, pl);
            T("Arraché");
        } else if (g.meuble == Meuble::Croissant && g.verse) {
            s += u' ' + Accord(U("versé"), fem, pl);
            T("Versé");
        }
        if ((g.meuble == Meuble::Tour || g.meuble == Meuble::Chateau) && g.donjonne) {
            s += u' ' + Accord(U("donjonné"), fem, pl);
            T("Donjonné");
        }
        if (g.meuble == Meuble::Ecusson && g.dispo == Disposition::Seul && g.nombre == 1 &&
            !g.surmonte) {
            s += U(" en abîme");
            T("Abîme");
        }
        if (g.couronne) {
            s += (g.aAttribut ? U(", ") : U(" ")) + Accord(U("couronné"), fem, pl) + u' ' +
                 De(g.emailCouronne);
            T("Couronné");
            TE(g.emailCouronne);
        }
        if (disposer && g.dispo != Disposition::Affrontes && g.dispo != Disposition::Adosses)
            s += Dispo(g);
        if (g.surmonte) {
            s += u' ' + Accord(U("surmonté"), fem, pl) + u' ' +
                 DeGroupe(Groupe_(*g.surmonte, g.email), g.surmonte->nombre);
            T("Surmonté");
        }
        return s;
    }

    QString Dispo(const Groupe& g) {
        const bool fem = FemininMeuble(g);
        switch (g.dispo) {
        case Disposition::Seul:
            return {};
        case Disposition::EnFasce:
            T("Rangé");
            return U(", ") + Accord(U("rangé"), fem, true) + U(" en fasce");
        case Disposition::EnPal:
            if (g.nombre == 2) return fem ? U(" l'une sur l'autre") : U(" l'un sur l'autre");
            T("Rangé");
            return U(", ") + Accord(U("rangé"), fem, true) + U(" en pal");
        case Disposition::EnBande:
            T("Rangé");
            return U(", ") + Accord(U("rangé"), fem, true) + U(" en bande");
        case Disposition::DeuxEtUn:
            T("Posé");
            return U(", ") + Accord(U("posé"), fem, true) + U(" 2 et 1");
        case Disposition::UnEtDeux:
            T("Mal-ordonné");
            return U(", ") + Accord(U("mal ordonné"), fem, true);
        case Disposition::DeuxEtDeux:
            T("Posé");
            return U(", ") + Accord(U("posé"), fem, true) + U(" 2 et 2");
        case Disposition::TroisDeuxUn:
            T("Posé");
            return U(", ") + Accord(U("posé"), fem, true) + U(" 3, 2 et 1");
        case Disposition::EnOrle:
            T("Orle");
            return U(" en orle");
        case Disposition::Affrontes:
            T("Affronté");
            return u' ' + Accord(U("affronté"), fem, true);
        case Disposition::Adosses:
            T("Adossé");
            return u' ' + Accord(U("adossé"), fem, true);
        }
        return {};
    }

    void TermeMeuble(const Groupe& g) {
        static const char* t[NB_MEUBLES] = {
            "Étoile",     "Molette",       "Croissant",     "Besant",   "Tourteau",
            "Annelet",    "Losange",       "Macle",         "Fusée",    "Billette",
            "Croisette",  "Fleur-de-lis",  "Coquille",      "Rose",     "Quintefeuille",
            "Trèfle",     "Merlette",      "Aigle",         "Lion",     "Tour",
            "Château",    "Clé",           "Épée",          "Soleil",   "Cloche",
            "Roc",        "Arbre",         "Gerbe",         "Ancre",    "Couronne",
            "Moucheture", "Huchet",        "Bar",           "Gland",    "Marteau",
            "Écusson",    "Flèche",        "Hache",         "Comète",   "Larme",
            "Otelle",     "Rustre",        "Carreau",       "Vire",     "Fermail",
            "Bourdon",    "Colonne",       "Abeille",       "Papillon", "Guivre",
            "Grappe",     "Tiercefeuille", "Quartefeuille", "Clou",     "Massue",
            "Crosse",     "Chausse-trape", "Épi",           "Écot"};
        T(t[int(g.meuble)]);
        if (g.meuble == Meuble::Lion && g.nombre >= 3) T("Lionceau");
    }

    // "à la ", "au ", "à l'", or "à trois " before a group or piece.
    static QString A(const QString& nomSingulier, bool fem, int nombre) {
        if (nombre > 1) return U("à ");
        if (Voyelle(nomSingulier)) return U("à l'");
        return fem ? U("à la ") : U("au ");
    }

    QString GroupeAvecArticle(const Groupe& g, Email precedent) {
        if (g.nombre > 1) return U("à ") + Groupe_(g, precedent);
        const QString nom = NomDuMeuble(g);
        QString corps = Groupe_(g, precedent);
        // Drop the "un"/"une" the group text starts with.
        corps = corps.mid(corps.indexOf(u' ') + 1);
        return A(nom, FemininMeuble(g), 1) + corps;
    }

    struct InfoPiece {
        QString sing, plur;
        bool fem;
        const char* terme;
    };
    static InfoPiece Info(Piece p) {
        switch (p) {
        case Piece::Fasce:
            return {U("fasce"), U("fasces"), true, "Fasce"};
        case Piece::Pal:
            return {U("pal"), U("pals"), false, "Pal"};
        case Piece::Bande:
            return {U("bande"), U("bandes"), true, "Bande"};
        case Piece::Barre:
            return {U("barre"), U("barres"), true, "Barre"};
        case Piece::Chevron:
            return {U("chevron"), U("chevrons"), false, "Chevron"};
        case Piece::Croix:
            return {U("croix"), U("croix"), true, "Croix"};
        case Piece::Sautoir:
            return {U("sautoir"), U("sautoirs"), false, "Sautoir"};
        case Piece::Pairle:
            return {U("pairle"), U("pairles"), false, "Pairle"};
        case Piece::Trangles:
            return {U("trangle"), U("trangles"), true, "Trangle"};
        case Piece::Jumelles:
            return {U("jumelle"), U("jumelles"), true, "Jumelle"};
        case Piece::Vergettes:
            return {U("vergette"), U("vergettes"), true, "Vergette"};
        case Piece::Cotices:
            return {U("cotice"), U("cotices"), true, "Cotice"};
        case Piece::Baton:
            return {U("bâton"), U("bâtons"), false, "Bâton"};
        case Piece::Pile:
            return {U("pile"), U("piles"), true, "Pile"};
        case Piece::Aucune:
            break;
        }
        return {U("?"), U("?"), false, ""};
    }

    QString Piece_(const Honorable& h, Email fond) {
        const InfoPiece inf = Info(h.piece);
        const bool pl = h.nombre > 1;
        const bool fem = inf.fem;
        QString s =
            pl ? U("à ") + Nombre(h.nombre, fem) + u' ' + inf.plur : A(inf.sing, fem, 1) + inf.sing;
        T(inf.terme);
        if (h.piece == Piece::Croix) {
            switch (h.croix) {
            case Croix::Pleine:
                break;
            case Croix::Alesee:
                s += U(" alésée");
                T("Alésé");
                break;
            case Croix::Pattee:
                s += U(" pattée");
                T("Patté");
                break;
            case Croix::Ancree:
                s += U(" ancrée");
                T("Ancré");
                break;
            case Croix::Fleurdelisee:
                s += U(" fleurdelisée");
                T("Fleurdelisé");
                break;
            case Croix::Recroisetee:
                s += U(" recroisetée");
                T("Recroiseté");
                break;
            case Croix::Pommetee:
                s += U(" pommetée");
                T("Pommeté");
                break;
            case Croix::Treflee:
                s += U(" tréflée");
                T("Tréflé");
                break;
            case Croix::Potencee:
                s += U(" potencée");
                T("Potencé");
                break;
            }
        }
        if (h.ligne != Ligne::Droite) {
            s += u' ' + Accord(NomLigne(h.ligne), fem, pl);
            T(TermeLigne(h.ligne));
        }
        s += u' ' + De(h.email);
        TE(h.email);
        (void)fond;
        QStringList suite;
        if (h.charge) {
            suite << Accord(U("chargé"), fem, pl) + u' ' +
                         DeGroupe(Groupe_(*h.charge, h.email), h.charge->nombre);
            T("Chargé");
        }
        if (h.accompagne) {
            const Groupe& g = *h.accompagne;
            QString verbe = U("accompagné");
            if (h.piece == Piece::Croix || h.piece == Piece::Sautoir) {
                verbe = U("cantonné");
                T("Cantonné");
            } else if (h.piece == Piece::Pal) {
                verbe = U("accosté");
                T("Accosté");
            } else {
                T("Accompagné");
            }
            QString a = Accord(verbe, fem, pl) + u' ' +
                        DeGroupe(Groupe_(g, h.charge ? h.charge->email : h.email, false), g.nombre);
            if (h.piece == Piece::Fasce && g.nombre == 3) {
                const bool gf = FemininMeuble(g);
                a +=
                    gf ? U(", deux en chef et une en pointe") : U(", deux en chef et un en pointe");
                T("Pointe");
            } else if (h.piece == Piece::Fasce && g.nombre == 2) {
                a += FemininMeuble(g) ? U(", une en chef et une en pointe")
                                      : U(", un en chef et un en pointe");
                T("Pointe");
            } else if (h.piece == Piece::Fasce && g.nombre == 6) {
                a += U(", trois en chef et trois en pointe");
                T("Pointe");
            } else if (g.dispo == Disposition::EnOrle) {
                a += U(" en orle");
                T("Orle");
            }
            suite << a;
        }
        if (!suite.isEmpty()) s += u' ' + suite.join(U(" et "));
        return s;
    }

    QString Champ_(const Armes& a) {
        auto deux = [&](const char* nom, const char* terme) {
            T(terme);
            TE(a.e1);
            TE(a.e2);
            return U(nom) + u' ' + De(a.e1) + U(" et ") + De(a.e2);
        };
        auto trois = [&](const char* nom) {
            T("Tiercé");
            TE(a.e1);
            TE(a.e2);
            TE(a.e3);
            return U(nom) + u' ' + De(a.e1) + U(", ") + De(a.e2) + U(" et ") + De(a.e3);
        };
        switch (a.champ) {
        case Champ::Plein:
            TE(a.e1);
            return De(a.e1);
        case Champ::Parti:
            T("Partition");
            return deux("parti", "Parti");
        case Champ::Coupe:
            T("Partition");
            return deux("coupé", "Coupé");
        case Champ::Tranche:
            T("Partition");
            return deux("tranché", "Tranché");
        case Champ::Taille:
            T("Partition");
            return deux("taillé", "Taillé");
        case Champ::Ecartele:
            T("Partition");
            return deux("écartelé", "Écartelé");
        case Champ::EcarteleSautoir:
            T("Partition");
            return deux("écartelé en sautoir", "Écartelé");
        case Champ::Gironne:
            T("Partition");
            return deux("gironné", "Gironné");
        case Champ::TierceFasce:
            T("Partition");
            return trois("tiercé en fasce");
        case Champ::TiercePal:
            T("Partition");
            return trois("tiercé en pal");
        case Champ::Fasce:
            return deux("fascé", "Fascé");
        case Champ::Pale:
            return deux("palé", "Palé");
        case Champ::Bande:
            return deux("bandé", "Bandé");
        case Champ::Barre:
            return deux("barré", "Barré");
        case Champ::Burele:
            return deux("burelé", "Burelé");
        case Champ::Echiquete:
            return deux("échiqueté", "Échiqueté");
        case Champ::Losange:
            return deux("losangé", "Losangé");
        case Champ::Seme: {
            TE(a.e1);
            TE(a.e2);
            Groupe g;
            g.meuble = a.seme;
            TermeMeuble(g);
            if (a.seme == Meuble::Billette) {
                T("Billeté");
                return De(a.e1) + U(" billeté ") + De(a.e2);
            }
            T("Semé");
            const QString pl = U(Nom(a.seme).pluriel);
            return De(a.e1) + U(" semé ") + (Voyelle(pl) ? U("d'") : U("de ")) + pl + u' ' +
                   De(a.e2);
        }
        case Champ::Fusele:
            return deux("fuselé", "Fuselé");
        case Champ::Chevronne:
            return deux("chevronné", "Chevronné");
        case Champ::Papelonne:
            return deux("papelonné", "Papelonné");
        case Champ::Vaire:
            T("Fourrure");
            return deux("vairé", "Vairé");
        case Champ::ContreVair:
            T("Contre-vair");
            T("Fourrure");
            return U("de contre-vair");
        case Champ::Frette:
        case Champ::Chape:
        case Champ::Chausse: {
            static const char* mots[] = {"fretté", "chapé", "chaussé"};
            static const char* termes[] = {"Fretté", "Chapé", "Chaussé"};
            const int k = a.champ == Champ::Frette ? 0 : a.champ == Champ::Chape ? 1 : 2;
            T(termes[k]);
            if (k) T("Partition");
            TE(a.e1);
            TE(a.e2);
            return De(a.e1) + u' ' + U(mots[k]) + u' ' + De(a.e2);
        }
        case Champ::EcarteleArmes:
            break;
        }
        return {};
    }

    // Everything after the field.
    QString Contenu(const Armes& a) {
        QStringList parts;
        if (a.piece.piece != Piece::Aucune)
            parts << Piece_(a.piece, a.e1);
        else if (a.meubles)
            parts << GroupeAvecArticle(*a.meubles, Email(-1));
        if (a.chef) {
            QString s = U("au chef");
            T("Chef");
            if (a.cousu) {
                s += U(" cousu");
                T("Cousu");
            }
            if (a.ligneChef != Ligne::Droite) {
                s += u' ' + NomLigne(a.ligneChef);
                T(TermeLigne(a.ligneChef));
            }
            s += u' ' + De(a.emailChef);
            TE(a.emailChef);
            if (a.chargeChef) {
                s += U(" chargé ") +
                     DeGroupe(Groupe_(*a.chargeChef, a.emailChef), a.chargeChef->nombre);
                T("Chargé");
            }
            parts << s;
        }
        switch (a.bord) {
        case Bord::Aucun:
            break;
        case Bord::Bordure: {
            QString s = U("à la bordure");
            T("Bordure");
            if (a.compone) {
                s += U(" componée ") + De(a.emailBord) + U(" et ") + De(a.emailCompone);
                T("Componé");
                TE(a.emailBord);
                TE(a.emailCompone);
            } else {
                s += u' ' + De(a.emailBord);
                TE(a.emailBord);
            }
            if (a.chargeBord) {
                s += U(" chargée ") +
                     DeGroupe(Groupe_(*a.chargeBord, a.emailBord, false), a.chargeBord->nombre);
                T("Chargé");
            }
            parts << s;
            break;
        }
        case Bord::Orle:
            T("Orle");
            TE(a.emailBord);
            parts << U("à l'orle ") + De(a.emailBord);
            break;
        case Bord::Champagne:
            T("Champagne");
            TE(a.emailBord);
            parts << U("à la champagne ") + De(a.emailBord);
            break;
        case Bord::FrancQuartier:
            T("Franc-quartier");
            TE(a.emailBord);
            parts << U("au franc-quartier ") + De(a.emailBord);
            break;
        case Bord::Canton:
            T("Canton");
            TE(a.emailBord);
            if (a.senestre) T("Senestre");
            parts << (a.senestre ? U("au canton senestre ") : U("au canton ")) + De(a.emailBord);
            break;
        }
        if (a.brochant.piece != Piece::Aucune) {
            parts << Piece_(a.brochant, a.e1) + U(" brochant sur le tout");
            T("Brochant");
        }
        return parts.join(U(", "));
    }

    QString Armes_(const Armes& a) {
        if (a.champ == Champ::EcarteleArmes) {
            T("Écartelé");
            T("Quartier");
            T("Partition");
            QString s =
                U("écartelé : aux 1 et 4 ") + Armes_(*a.q14) + U(" ; aux 2 et 3 ") + Armes_(*a.q23);
            if (a.surLeTout) {
                T("Sur-le-tout");
                T("Écusson");
                s += U(" ; sur le tout ") + Armes_(*a.surLeTout);
            }
            return s;
        }
        const QString champ = Champ_(a);
        const QString contenu = Contenu(a);
        if (contenu.isEmpty()) return champ;
        const bool plein = a.champ == Champ::Plein;
        return champ + (plein ? U(" ") : U(", ")) + contenu;
    }
};

} // namespace

const NomMeuble& Nom(Meuble m) {
    return kNoms[int(m)];
}

bool EstMetal(Email e) {
    return e == Email::Or || e == Email::Argent;
}
bool EstFourrure(Email e) {
    return e == Email::Hermine || e == Email::ContreHermine || e == Email::Vair;
}
bool EstCouleur(Email e) {
    return !EstMetal(e) && !EstFourrure(e);
}
bool Contraste(Email fond, Email dessus) {
    if (fond == dessus) return false;
    if (EstFourrure(fond)) {
        if (fond == Email::Hermine) return dessus != Email::Argent && !EstFourrure(dessus);
        if (fond == Email::ContreHermine) return dessus != Email::Sable && !EstFourrure(dessus);
        return dessus != Email::Argent && dessus != Email::Azur && !EstFourrure(dessus);
    }
    if (EstFourrure(dessus)) return Contraste(dessus, fond);
    return EstMetal(fond) != EstMetal(dessus);
}

QString NomEmail(Email e) {
    static const char* n[] = {"or",    "argent",  "gueules", "azur",           "sinople",
                              "sable", "pourpre", "hermine", "contre-hermine", "vair"};
    return U(n[int(e)]);
}

QString De(Email e) {
    const QString n = NomEmail(e);
    return Voyelle(n) ? U("d'") + n : U("de ") + n;
}

QString Blasonner(const Armes& a) {
    Ecrivain w{nullptr};
    QString s = w.Armes_(a);
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

std::set<QString> TermesDe(const Armes& a) {
    std::set<QString> t;
    Ecrivain w{&t};
    w.Armes_(a);
    return t;
}

} // namespace bat
