#pragma once
// A generated catalogue of 600 shields and a few glossary terms, with a browsing
// state over it that reports to a recorder.
#include "impression_qt.h"
#include "catalogue.h"
#include "enregistreur.h"
#include "navigation.h"

#include <QString>
#include <functional>
#include <ostream>
#include <stdexcept>

namespace armo {
inline void PrintTo(const Dime& d, std::ostream* os) {
    *os << '[' << d.zl << ", " << d.zt << ", " << d.zw << ", " << d.zh << ']';
}
} // namespace armo

namespace banc {

inline constexpr int N = 600;

// Terms, in index order, and the shield of reference j of each.
enum Terme { TRENTE = 0, TRENTE_ET_UN = 1, GRAND = 2, VIDE = 3, TROIS = 4 };
inline int NbRefsTerme(int t) {
    const int n[] = {30, 31, 391, 0, 3};
    return n[t];
}
inline int EcuRef(int t, int j) {
    switch (t) {
    case TRENTE:
        return 10 + 2 * j;
    case TRENTE_ET_UN:
        return 500 - j;
    case GRAND:
        return (7 * j) % N;
    case TROIS: {
        const int e[] = {599, 0, 42};
        return e[j];
    }
    }
    return -1;
}

inline QString Nom(int i) {
    return QStringLiteral("Ecu %1").arg(i);
}
inline QString Blason(int i) {
    return QStringLiteral("Blason %1").arg(i);
}
inline QString NomTerme(int t) {
    const char* n[] = {"Trente", "Trente et un", "Grand", "Vide", "Trois"};
    return QString::fromLatin1(n[t]);
}

inline armo::Catalogue Catalogue600() {
    armo::Catalogue c;
    armo::ListeTexte corres;
    for (int i = 0; i < N; ++i)
        corres.Ajouter(QStringLiteral("D%1 %2.gif").arg(i + 1, 4, 10, QChar(u'0')).arg(Nom(i)));
    c.AjouterNoms(corres);
    for (int i = 0; i < N; ++i) c.ls_Ecus.Ajouter(Nom(i) + u'$' + Blason(i));
    armo::ListeTexte index;
    for (int t = TRENTE; t <= TROIS; ++t) {
        QString l = NomTerme(t) + u'$';
        for (int j = 0; j < NbRefsTerme(t); ++j)
            l += QStringLiteral("%1").arg(EcuRef(t, j), 6, 10, QChar(u'0'));
        index.Ajouter(l);
    }
    c.AjouterIndex(index);
    return c;
}

// A catalogue, the recorder and the state, started as the window starts.
struct Banc {
    armo::Catalogue cat = Catalogue600();
    armo::EnregistreurVues vues;
    armo::EtatNavigation etat{cat, vues};

    explicit Banc(bool demarrer = true) {
        if (demarrer) {
            const QStringList echecs = etat.Demarrer();
            if (!echecs.isEmpty()) throw std::runtime_error(echecs.join(u'\n').toStdString());
            vues.Effacer();
        }
    }

    // The user's actions, as the window forwards them.
    void Liste(int s) {
        etat.S = s;
        etat.PLUN_listeClick();
    }
    void Terme(int t) {
        etat.T = t;
        etat.GL_listeClick();
    }
    void NbPL(int e) {
        etat.Entree_cb_Nim_PL = e;
        etat.PL_Nombre_Images();
    }
    void NbGL(int e) {
        etat.Entree_cb_Nim_MD = e;
        etat.GL_Nombre_Images();
    }
    void Onglet(int p) {
        if (p != etat.Onglet) etat.OngChange(p);
    }
    // Picture k of the active tab's plate, clicked, then double-clicked.
    int Tag(armo::Panneau p, int k) const {
        const auto& pl = p == armo::Panneau::pong_Rch ? vues.rch : vues.pla;
        return pl.images.at(k).tag;
    }
    void Clic(int k) {
        if (etat.Onglet == armo::ONG_PLANCHE)
            etat.PL_SelectionImage(Tag(armo::Panneau::pong_Pla, k));
        else
            etat.GL_SelectionImage(Tag(armo::Panneau::pong_Rch, k));
    }
    void DblClic(int k) {
        Clic(k);
        if (etat.Onglet == armo::ONG_PLANCHE)
            etat.MemoImageSel(Tag(armo::Panneau::pong_Pla, k));
        else
            etat.MemoImageSel2(Tag(armo::Panneau::pong_Rch, k));
    }
    void Taille(int l, int h) {
        vues.DefinirTailles(l, h);
        etat.FormResize();
    }
};

} // namespace banc
