#include "generation.h"

namespace bat {

namespace {

using E = Email;
using M = Meuble;

struct Poids {
    int valeur;
    int poids;
};

int Tirer(Alea& r, const std::vector<Poids>& v) {
    int total = 0;
    for (const Poids& p : v) total += p.poids;
    int x = r.sous(total);
    for (const Poids& p : v) {
        if (x < p.poids) return p.valeur;
        x -= p.poids;
    }
    return v.back().valeur;
}

Email EmailDeChamp(Alea& r) {
    return Email(Tirer(r, {{int(E::Azur), 20},
                           {int(E::Gueules), 18},
                           {int(E::Or), 16},
                           {int(E::Argent), 16},
                           {int(E::Sable), 8},
                           {int(E::Sinople), 7},
                           {int(E::Pourpre), 3},
                           {int(E::Hermine), 6},
                           {int(E::ContreHermine), 2},
                           {int(E::Vair), 3}}));
}

// A tincture that may lie on `fond`; furs only when `fourrure` allows.
Email Dessus(Alea& r, Email fond, bool fourrure = true) {
    for (;;) {
        Email e = Email(Tirer(r, {{int(E::Or), 22},
                                  {int(E::Argent), 20},
                                  {int(E::Gueules), 20},
                                  {int(E::Azur), 16},
                                  {int(E::Sable), 12},
                                  {int(E::Sinople), 7},
                                  {int(E::Pourpre), 2},
                                  {int(E::Hermine), fourrure ? 3 : 0},
                                  {int(E::Vair), fourrure ? 1 : 0}}));
        if (Contraste(fond, e)) return e;
    }
}

// A tincture that stands out on both the charge and what lies around it.
Email Detail(Alea& r, Email charge, Email fond) {
    for (;;) {
        Email e = Email(Tirer(r, {{int(E::Gueules), 40},
                                  {int(E::Azur), 15},
                                  {int(E::Or), 15},
                                  {int(E::Argent), 10},
                                  {int(E::Sable), 15},
                                  {int(E::Sinople), 5}}));
        if (e != charge && e != fond && !(fond == E::Hermine && e == E::Argent) &&
            !(fond == E::ContreHermine && e == E::Sable))
            return e;
    }
}

// Small charges that fit on a piece, a chief or a bordure.
const std::vector<Poids> kPetits = {
    {int(M::Etoile), 14},       {int(M::Molette), 6},    {int(M::Coquille), 10},
    {int(M::Besant), 6},        {int(M::Tourteau), 5},   {int(M::Croisette), 6},
    {int(M::FleurDeLis), 9},    {int(M::Merlette), 7},   {int(M::Annelet), 4},
    {int(M::Losange), 4},       {int(M::Macle), 4},      {int(M::Rose), 6},
    {int(M::Quintefeuille), 3}, {int(M::Trefle), 3},     {int(M::Croissant), 6},
    {int(M::Billette), 3},      {int(M::Moucheture), 4}, {int(M::Gland), 2},
    {int(M::Fusee), 2},         {int(M::Larme), 2},      {int(M::Otelle), 2},
    {int(M::Rustre), 2},        {int(M::Carreau), 2},    {int(M::Vire), 1},
    {int(M::Abeille), 2}};

// Charges for the open field.
const std::vector<Poids> kGrands = {
    {int(M::Lion), 26},         {int(M::Aigle), 12},        {int(M::Etoile), 8},
    {int(M::Molette), 3},       {int(M::Croissant), 7},     {int(M::Besant), 4},
    {int(M::Tourteau), 4},      {int(M::Annelet), 3},       {int(M::Losange), 3},
    {int(M::Macle), 3},         {int(M::Fusee), 3},         {int(M::Billette), 2},
    {int(M::Croisette), 3},     {int(M::FleurDeLis), 10},   {int(M::Coquille), 7},
    {int(M::Rose), 6},          {int(M::Quintefeuille), 3}, {int(M::Trefle), 3},
    {int(M::Merlette), 7},      {int(M::Tour), 5},          {int(M::Chateau), 4},
    {int(M::Cle), 3},           {int(M::Epee), 3},          {int(M::Soleil), 3},
    {int(M::Cloche), 3},        {int(M::Roc), 3},           {int(M::Arbre), 4},
    {int(M::Gerbe), 3},         {int(M::Ancre), 3},         {int(M::Couronne), 3},
    {int(M::Moucheture), 3},    {int(M::Huchet), 3},        {int(M::Bar), 3},
    {int(M::Gland), 2},         {int(M::Marteau), 2},       {int(M::Ecusson), 3},
    {int(M::Fleche), 2},        {int(M::Hache), 2},         {int(M::Comete), 2},
    {int(M::Larme), 2},         {int(M::Otelle), 2},        {int(M::Rustre), 2},
    {int(M::Carreau), 2},       {int(M::Vire), 2},          {int(M::Fermail), 2},
    {int(M::Bourdon), 2},       {int(M::Colonne), 2},       {int(M::Abeille), 3},
    {int(M::Papillon), 2},      {int(M::Guivre), 2},        {int(M::Grappe), 2},
    {int(M::Tiercefeuille), 2}, {int(M::Quartefeuille), 2}, {int(M::Clou), 2},
    {int(M::Massue), 2},        {int(M::Crosse), 2},        {int(M::ChausseTrape), 2},
    {int(M::Epi), 2},           {int(M::Ecot), 2}};

bool Petit(Meuble m) {
    for (const Poids& p : kPetits)
        if (p.valeur == int(m)) return true;
    return false;
}

// The tincture of a charge on `fond`, honouring the charges bound to a class:
// besants are of metal, tourteaux of colour, ermine spots of sable or argent.
bool EmailMeuble(Alea& r, Meuble m, Email fond, Email& e) {
    if (m == M::Besant) {
        if (!EstCouleur(fond)) return false;
        e = r.pc(70) ? E::Or : E::Argent;
        return true;
    }
    if (m == M::Tourteau) {
        if (!EstMetal(fond)) return false;
        e = Dessus(r, fond, false);
        return true;
    }
    if (m == M::Moucheture) {
        if (EstMetal(fond))
            e = E::Sable;
        else if (fond == E::Sable || fond == E::Gueules || fond == E::Azur)
            e = E::Argent;
        else
            return false;
        return Contraste(fond, e);
    }
    e = Dessus(r, fond, m == M::Lion || m == M::Aigle || m == M::Ecusson);
    return true;
}

void Attributs(Alea& r, Groupe& g, Email fond) {
    switch (g.meuble) {
    case M::Lion:
        g.aAttribut = r.pc(60);
        if (g.aAttribut) g.attribut = Detail(r, g.email, fond);
        g.couronne = g.nombre == 1 && r.pc(15);
        if (g.couronne) g.emailCouronne = Detail(r, g.email, fond);
        g.contourne = g.nombre == 1 && r.pc(12);
        break;
    case M::Aigle:
        g.eploye = r.pc(20);
        g.aAttribut = r.pc(45);
        if (g.aAttribut) g.attribut = Detail(r, g.email, fond);
        g.couronne = g.nombre == 1 && r.pc(10);
        if (g.couronne) g.emailCouronne = Detail(r, g.email, fond);
        break;
    case M::Tour:
    case M::Chateau:
        g.aAttribut = r.pc(40);
        g.attribut = E::Sable;
        if (g.email == E::Sable) g.aAttribut = false;
        g.ouvert = r.pc(30);
        g.donjonne = g.meuble == M::Tour && r.pc(20);
        g.ajoure = r.pc(30);
        g.emailJour = Detail(r, g.email, g.email);
        if (g.aAttribut && g.emailJour == E::Sable)
            g.emailJour = g.email == E::Gueules ? E::Azur : E::Gueules;
        break;
    case M::Rose:
        g.aAttribut = r.pc(40);
        if (g.aAttribut) g.attribut = Detail(r, g.email, g.email);
        g.tige = g.nombre <= 3 && fond != E::Sinople && !EstCouleur(fond) && r.pc(30);
        break;
    case M::Epee:
    case M::Cloche:
        g.aAttribut = r.pc(40);
        if (g.aAttribut) g.attribut = Detail(r, g.email, fond);
        break;
    case M::Arbre:
        g.arrache = r.pc(50);
        break;
    case M::Croissant:
        g.verse = r.pc(15);
        break;
    default:
        break;
    }
}

// A group of charges on the open field of `fond`.
std::shared_ptr<Groupe> GroupeDeChamp(Alea& r, Email fond, bool encombre) {
    auto g = std::make_shared<Groupe>();
    for (;;) {
        g->meuble = Meuble(Tirer(r, kGrands));
        if (EmailMeuble(r, g->meuble, fond, g->email)) break;
    }
    const Meuble m = g->meuble;
    if (m == M::Lion) {
        g->nombre = Tirer(r, {{1, 70}, {2, 10}, {3, 20}});
        if (g->nombre == 2) g->dispo = Disposition::Affrontes;
        if (g->nombre == 3) g->dispo = Disposition::DeuxEtUn;
    } else if (m == M::Aigle || m == M::Chateau || m == M::Arbre || m == M::Ecusson) {
        g->nombre = Tirer(r, {{1, 75}, {3, 25}});
        if (g->nombre == 3) g->dispo = Disposition::DeuxEtUn;
    } else if (m == M::Bar) {
        g->nombre = Tirer(r, {{1, 40}, {2, 60}});
        if (g->nombre == 2) g->dispo = Disposition::Adosses;
    } else {
        std::vector<Poids> n = {{1, 18}, {2, 10}, {3, 45}, {4, 5}, {6, 8}, {8, Petit(m) ? 8 : 0}};
        if (encombre) n = {{1, 30}, {2, 10}, {3, 60}};
        g->nombre = Tirer(r, n);
        switch (g->nombre) {
        case 2:
            g->dispo = r.pc(50) ? Disposition::EnFasce : Disposition::EnPal;
            break;
        case 3:
            g->dispo = Disposition(Tirer(r, {{int(Disposition::DeuxEtUn), 70},
                                             {int(Disposition::EnFasce), 8},
                                             {int(Disposition::EnPal), 8},
                                             {int(Disposition::EnBande), 6},
                                             {int(Disposition::UnEtDeux), 8}}));
            break;
        case 4:
            g->dispo = Disposition::DeuxEtDeux;
            break;
        case 6:
            g->dispo = Disposition::TroisDeuxUn;
            break;
        case 8:
            g->dispo = Disposition::EnOrle;
            break;
        default:
            break;
        }
    }
    Attributs(r, *g, fond);
    if (g->nombre == 1 && !encombre &&
        (m == M::Croissant || m == M::Tour || m == M::Arbre || m == M::Cloche ||
         m == M::Coquille) &&
        r.pc(30)) {
        auto s = std::make_shared<Groupe>();
        s->meuble = Meuble(Tirer(r, {{int(M::Etoile), 50},
                                     {int(M::Molette), 15},
                                     {int(M::Croisette), 20},
                                     {int(M::Couronne), 15}}));
        s->email = r.pc(60) ? g->email : Dessus(r, fond, false);
        if (!Contraste(fond, s->email)) s->email = g->email;
        g->surmonte = s;
    }
    return g;
}

// Small charges laid on a piece or a chief of `fond`.
std::shared_ptr<Groupe> GroupePetit(Alea& r, Email fond, int nombre) {
    auto g = std::make_shared<Groupe>();
    for (;;) {
        g->meuble = Meuble(Tirer(r, kPetits));
        if (EmailMeuble(r, g->meuble, fond, g->email)) break;
    }
    g->nombre = nombre;
    if (g->meuble == M::Rose && r.pc(30)) {
        g->aAttribut = true;
        g->attribut = Detail(r, g->email, fond);
    }
    return g;
}

Ligne LigneDe(Alea& r, Piece p) {
    switch (p) {
    case Piece::Fasce:
        return Ligne(Tirer(r, {{int(Ligne::Droite), 60},
                               {int(Ligne::Onde), 10},
                               {int(Ligne::Engrele), 8},
                               {int(Ligne::Denche), 8},
                               {int(Ligne::Crenele), 7},
                               {int(Ligne::Bretesse), 5}}));
    case Piece::Bande:
    case Piece::Barre:
        return Ligne(Tirer(r, {{int(Ligne::Droite), 70},
                               {int(Ligne::Onde), 10},
                               {int(Ligne::Engrele), 10},
                               {int(Ligne::Denche), 8}}));
    case Piece::Pal:
        return Ligne(Tirer(
            r, {{int(Ligne::Droite), 75}, {int(Ligne::Onde), 12}, {int(Ligne::Engrele), 13}}));
    case Piece::Sautoir:
        return Ligne(Tirer(r, {{int(Ligne::Droite), 80}, {int(Ligne::Engrele), 20}}));
    default:
        return Ligne::Droite;
    }
}

Honorable TirerPiece(Alea& r, Email fond, bool simple) {
    Honorable h;
    h.piece = Piece(Tirer(r, {{int(Piece::Fasce), 20},
                              {int(Piece::Pal), 9},
                              {int(Piece::Bande), 16},
                              {int(Piece::Barre), 4},
                              {int(Piece::Chevron), 16},
                              {int(Piece::Croix), 15},
                              {int(Piece::Sautoir), 7},
                              {int(Piece::Pairle), 3},
                              {int(Piece::Trangles), 3},
                              {int(Piece::Jumelles), 3},
                              {int(Piece::Vergettes), 2},
                              {int(Piece::Cotices), 2},
                              {int(Piece::Pile), 3}}));
    h.email = Dessus(r, fond);
    switch (h.piece) {
    case Piece::Fasce:
        h.nombre = r.pc(18) ? 2 : 1;
        break;
    case Piece::Pal:
        h.nombre = r.pc(20) ? 3 : 1;
        break;
    case Piece::Bande:
        h.nombre = r.pc(10) ? 2 : 1;
        break;
    case Piece::Chevron:
        h.nombre = Tirer(r, {{1, 75}, {2, 12}, {3, 13}});
        break;
    case Piece::Trangles:
        h.nombre = 3;
        break;
    case Piece::Jumelles:
        h.nombre = r.pc(50) ? 2 : 3;
        break;
    case Piece::Vergettes:
        h.nombre = 3;
        break;
    case Piece::Cotices:
        h.nombre = 3;
        break;
    default:
        break;
    }
    if (h.nombre == 1 || h.piece == Piece::Fasce) h.ligne = LigneDe(r, h.piece);
    if (h.piece == Piece::Croix) {
        h.croix = Croix(Tirer(r, {{int(Croix::Pleine), 50},
                                  {int(Croix::Alesee), 12},
                                  {int(Croix::Pattee), 14},
                                  {int(Croix::Ancree), 12},
                                  {int(Croix::Potencee), 12},
                                  {int(Croix::Fleurdelisee), 8},
                                  {int(Croix::Recroisetee), 6},
                                  {int(Croix::Pommetee), 6},
                                  {int(Croix::Treflee), 6}}));
        if (h.croix == Croix::Pleine && r.pc(20)) h.ligne = Ligne::Engrele;
    }
    if (simple) return h;
    const bool chargeable =
        h.nombre == 1 && h.ligne != Ligne::Crenele && h.ligne != Ligne::Bretesse &&
        (h.piece == Piece::Fasce || h.piece == Piece::Pal || h.piece == Piece::Bande ||
         h.piece == Piece::Chevron ||
         (h.piece == Piece::Croix && h.croix == Croix::Pleine && h.ligne == Ligne::Droite) ||
         (h.piece == Piece::Sautoir && h.ligne == Ligne::Droite));
    if (chargeable && !EstFourrure(h.email) && r.pc(30)) {
        int n = 3;
        if (h.piece == Piece::Croix || h.piece == Piece::Sautoir) n = r.pc(50) ? 1 : 5;
        if (h.piece == Piece::Fasce && r.pc(25)) n = 1;
        h.charge = GroupePetit(r, h.email, n);
    }
    if (h.nombre == 1 || (h.piece == Piece::Fasce && h.nombre == 2) || h.piece == Piece::Chevron) {
        int n = 0;
        switch (h.piece) {
        case Piece::Fasce:
            n = h.nombre == 2 ? 0 : Tirer(r, {{2, 20}, {3, 60}, {6, 20}});
            break;
        case Piece::Bande:
            n = r.pc(75) ? 2 : 6;
            break;
        case Piece::Barre:
            n = 2;
            break;
        case Piece::Chevron:
            n = h.nombre == 1 ? 3 : 0;
            break;
        case Piece::Croix:
        case Piece::Sautoir:
            n = 4;
            break;
        case Piece::Pal:
            n = 2;
            break;
        case Piece::Pairle:
            n = 3;
            break;
        default:
            break;
        }
        if (n && r.pc(h.piece == Piece::Chevron ? 75 : 40)) {
            auto g = std::make_shared<Groupe>();
            for (;;) {
                std::vector<Poids> choix = kPetits;
                if (h.piece == Piece::Chevron || h.piece == Piece::Fasce || h.piece == Piece::Croix)
                    choix.push_back({int(M::Lion), 4});
                g->meuble = Meuble(Tirer(r, choix));
                if (n == 6 && g->meuble == M::Lion) continue;
                if (EmailMeuble(r, g->meuble, fond, g->email)) break;
            }
            g->nombre = n;
            if (n == 6 && h.piece == Piece::Bande) g->dispo = Disposition::EnOrle;
            Attributs(r, *g, fond);
            g->couronne = false;
            g->contourne = false;
            g->tige = false;
            h.accompagne = g;
        }
    }
    return h;
}

Armes ArmesSimples(Alea& r, bool riche = false) {
    Armes a;
    a.e1 = EmailDeChamp(r);
    if (riche) {
        a.piece = TirerPiece(r, a.e1, false);
        if (r.pc(45)) {
            a.chef = true;
            a.emailChef = Dessus(r, a.e1);
            while (a.emailChef == a.piece.email) a.emailChef = Dessus(r, a.e1);
            if (a.piece.piece == Piece::Croix || a.piece.piece == Piece::Sautoir ||
                a.piece.piece == Piece::Pairle || a.piece.piece == Piece::Pal)
                a.piece.accompagne.reset();
            if (!EstFourrure(a.emailChef)) a.chargeChef = GroupePetit(r, a.emailChef, 3);
        }
    } else if (r.pc(50))
        a.piece = TirerPiece(r, a.e1, true);
    else {
        a.meubles = GroupeDeChamp(r, a.e1, true);
        a.meubles->surmonte.reset();
    }
    return a;
}

Armes TirerUne(Alea& r) {
    Armes a;
    const int sorte = Tirer(r, {{0, 60}, {1, 11}, {2, 12}, {3, 8}, {4, 9}});
    if (sorte == 4) {
        a.champ = Champ::EcarteleArmes;
        a.q14 = std::make_shared<Armes>(ArmesSimples(r, r.pc(45)));
        do {
            a.q23 = std::make_shared<Armes>(ArmesSimples(r, r.pc(45)));
        } while (a.q23->e1 == a.q14->e1);
        if (r.pc(40)) {
            do {
                a.surLeTout = std::make_shared<Armes>(ArmesSimples(r));
            } while (a.surLeTout->e1 == a.q14->e1 || a.surLeTout->e1 == a.q23->e1);
            if (a.surLeTout->meubles)
                a.surLeTout->meubles->nombre = 1, a.surLeTout->meubles->dispo = Disposition::Seul;
        }
        return a;
    }
    if (sorte == 1) {
        // Divided fields, of one metal and one colour.
        a.champ = Champ(Tirer(r, {{int(Champ::Parti), 20},
                                  {int(Champ::Coupe), 20},
                                  {int(Champ::Tranche), 10},
                                  {int(Champ::Taille), 8},
                                  {int(Champ::Ecartele), 14},
                                  {int(Champ::EcarteleSautoir), 5},
                                  {int(Champ::Gironne), 8},
                                  {int(Champ::TierceFasce), 8},
                                  {int(Champ::TiercePal), 7},
                                  {int(Champ::Chape), 6},
                                  {int(Champ::Chausse), 5}}));
        a.e1 = EmailDeChamp(r);
        if (EstFourrure(a.e1)) a.e1 = E::Argent;
        a.e2 = Dessus(r, a.e1, false);
        if (a.champ == Champ::TierceFasce || a.champ == Champ::TiercePal) {
            do {
                a.e3 = Dessus(r, a.e2, false);
            } while (a.e3 == a.e1);
            return a;
        }
        if (r.pc(45)) {
            // A charge over the partition may be of any tincture but those of the field.
            auto g = std::make_shared<Groupe>();
            g->meuble = Meuble(Tirer(r, {{int(M::Lion), 40},
                                         {int(M::Aigle), 20},
                                         {int(M::Etoile), 10},
                                         {int(M::Rose), 10},
                                         {int(M::FleurDeLis), 10},
                                         {int(M::Ecusson), 10}}));
            do {
                g->email = Email(r.sous(NB_EMAUX));
            } while (g->email == a.e1 || g->email == a.e2 || g->email == E::Vair ||
                     g->email == E::ContreHermine ||
                     (g->email == E::Hermine && (a.e1 == E::Argent || a.e2 == E::Argent)));
            if (a.champ == Champ::Gironne && g->meuble != M::Ecusson) g->meuble = M::Ecusson;
            Attributs(r, *g, g->email == E::Or ? E::Argent : E::Or);
            if (g->aAttribut && (g->attribut == a.e1 || g->attribut == a.e2)) g->aAttribut = false;
            g->couronne = false;
            a.meubles = g;
        } else if (r.pc(25) && a.champ != Champ::Gironne && a.champ != Champ::EcarteleSautoir) {
            a.bord = Bord::Bordure;
            do {
                a.emailBord = Email(r.sous(7));
            } while (a.emailBord == a.e1 || a.emailBord == a.e2);
        }
        return a;
    }
    if (sorte == 2) {
        a.champ = Champ(Tirer(r, {{int(Champ::Fasce), 25},
                                  {int(Champ::Pale), 18},
                                  {int(Champ::Bande), 18},
                                  {int(Champ::Barre), 6},
                                  {int(Champ::Burele), 8},
                                  {int(Champ::Echiquete), 14},
                                  {int(Champ::Losange), 11},
                                  {int(Champ::Fusele), 6},
                                  {int(Champ::Chevronne), 8},
                                  {int(Champ::Papelonne), 5},
                                  {int(Champ::Vaire), 5},
                                  {int(Champ::ContreVair), 4},
                                  {int(Champ::Frette), 8}}));
        a.e1 = EmailDeChamp(r);
        if (EstFourrure(a.e1)) a.e1 = E::Or;
        a.e2 = Dessus(r, a.e1, false);
        const int suite = Tirer(r, {{0, 30}, {1, 20}, {2, 20}, {3, 15}, {4, 15}});
        if (suite == 1) {
            a.chef = true;
            a.emailChef = r.pc(40) ? E::Hermine : Email(r.sous(7));
            while (a.emailChef == a.e1 || a.emailChef == a.e2) a.emailChef = Email(r.sous(7));
            if (r.pc(40) && !EstFourrure(a.emailChef))
                a.chargeChef = GroupePetit(r, a.emailChef, r.pc(50) ? 3 : 1);
        } else if (suite == 2 || suite == 3) {
            a.bord = suite == 2 ? Bord::FrancQuartier : Bord::Canton;
            a.emailBord = r.pc(50) ? E::Hermine : Email(r.sous(7));
            while (a.emailBord == a.e1 || a.emailBord == a.e2) a.emailBord = Email(r.sous(7));
        } else if (suite == 4) {
            a.brochant.piece = r.pc(60) ? Piece::Bande : Piece::Baton;
            if (a.champ == Champ::Bande || a.champ == Champ::Barre) a.brochant.piece = Piece::Fasce;
            do {
                a.brochant.email = Email(r.sous(7));
            } while (a.brochant.email == a.e1 || a.brochant.email == a.e2);
        }
        return a;
    }
    if (sorte == 3) {
        a.champ = Champ::Seme;
        a.e1 = Email(Tirer(r, {{int(E::Azur), 45},
                               {int(E::Gueules), 25},
                               {int(E::Sable), 15},
                               {int(E::Sinople), 15}}));
        a.e2 = r.pc(60) ? E::Or : E::Argent;
        a.seme = Meuble(Tirer(r, {{int(M::FleurDeLis), 35},
                                  {int(M::Billette), 25},
                                  {int(M::Etoile), 15},
                                  {int(M::Croisette), 15},
                                  {int(M::Trefle), 10}}));
        const int suite = Tirer(r, {{0, 25}, {1, 35}, {2, 20}, {3, 20}});
        if (suite == 1 || suite == 3) {
            auto g = std::make_shared<Groupe>();
            g->meuble = r.pc(70) ? M::Lion : M::Aigle;
            g->email = a.e2;
            Attributs(r, *g, a.e1);
            g->couronne = false;
            a.meubles = g;
        }
        if (suite == 2 || suite == 3) {
            a.brochant.piece = r.pc(50) ? Piece::Baton : Piece::Bande;
            // Over a beast, only a baton leaves it to be seen.
            if (a.meubles) a.brochant.piece = Piece::Baton;
            do {
                a.brochant.email = Email(r.sous(7));
            } while (a.brochant.email == a.e1 || a.brochant.email == a.e2 ||
                     (a.meubles && a.meubles->email == a.brochant.email));
        }
        if (suite == 0) {
            a.bord = Bord::Bordure;
            do {
                a.emailBord = Email(r.sous(7));
            } while (a.emailBord == a.e1 || a.emailBord == a.e2);
        }
        return a;
    }
    // A plain field.
    a.e1 = EmailDeChamp(r);
    const bool chef = r.pc(24);
    const bool bord = !chef && r.pc(22);
    const bool encombre = chef || bord;
    if (r.pc(52))
        a.piece = TirerPiece(r, a.e1, encombre && r.pc(50));
    else
        a.meubles = GroupeDeChamp(r, a.e1, encombre);
    if (chef) {
        a.chef = true;
        a.emailChef = Dessus(r, a.e1);
        if (a.piece.piece == Piece::Croix || a.piece.piece == Piece::Sautoir ||
            a.piece.piece == Piece::Pairle || a.piece.piece == Piece::Pal)
            a.piece.accompagne.reset();
        if (!EstFourrure(a.emailChef) && r.pc(55))
            a.chargeChef = GroupePetit(r, a.emailChef, Tirer(r, {{1, 25}, {2, 15}, {3, 60}}));
        if (!EstFourrure(a.emailChef) && r.pc(12))
            a.ligneChef = Ligne(Tirer(
                r, {{int(Ligne::Denche), 40}, {int(Ligne::Onde), 30}, {int(Ligne::Engrele), 30}}));
    }
    if (bord) {
        const bool libre = a.piece.piece == Piece::Fasce || a.piece.piece == Piece::Pal ||
                           a.piece.piece == Piece::Chevron || a.piece.piece == Piece::Trangles ||
                           a.piece.piece == Piece::Jumelles || a.piece.piece == Piece::Vergettes;
        a.bord = Bord(Tirer(r, {{int(Bord::Bordure), 60},
                                {int(Bord::Orle), 10},
                                {int(Bord::Champagne), 8},
                                {int(Bord::FrancQuartier), libre ? 12 : 0},
                                {int(Bord::Canton), libre ? 10 : 0}}));
        if (a.bord == Bord::Champagne && a.piece.piece != Piece::Aucune) a.bord = Bord::Bordure;
        if (a.meubles && a.meubles->dispo == Disposition::EnOrle) a.bord = Bord::Champagne;
        a.emailBord = Dessus(r, a.e1);
        while ((a.piece.piece != Piece::Aucune && a.piece.email == a.emailBord) ||
               (a.meubles && a.meubles->email == a.emailBord))
            a.emailBord = Dessus(r, a.e1);
        if (a.bord == Bord::Bordure) {
            if (r.pc(15) && !EstFourrure(a.emailBord) && !EstFourrure(a.e1)) {
                a.compone = true;
                a.emailCompone = Dessus(r, a.emailBord, false);
            } else if (r.pc(20) && !EstFourrure(a.emailBord)) {
                a.chargeBord = GroupePetit(r, a.emailBord, 8);
                a.chargeBord->aAttribut = false;
            }
        }
    }
    if (!chef && !bord && r.pc(8) && a.meubles &&
        (a.meubles->meuble == M::Lion || a.meubles->meuble == M::Aigle || a.meubles->nombre == 3) &&
        a.meubles->dispo != Disposition::EnBande && !EstFourrure(a.e1)) {
        a.brochant.piece = Piece(
            Tirer(r, {{int(Piece::Bande), 45}, {int(Piece::Baton), 40}, {int(Piece::Barre), 15}}));
        // A broad bend would hide a whole charge of three; a baton lets each show.
        a.brochant.piece = a.brochant.piece == Piece::Barre && a.meubles->nombre == 1
                               ? Piece::Barre
                               : Piece::Baton;
        do {
            a.brochant.email = Dessus(r, a.e1, false);
        } while (a.brochant.email == a.meubles->email);
    }
    return a;
}

} // namespace

// The last touches that need the whole arms: a chief unlike the piece it meets,
// narrow pieces without furs, a sewn chief now and then, a sinister canton.
void Finir(Alea& r, Armes& a) {
    Honorable& h = a.piece;
    const bool etroite = h.piece == Piece::Trangles || h.piece == Piece::Jumelles ||
                         h.piece == Piece::Vergettes || h.piece == Piece::Cotices ||
                         h.piece == Piece::Baton || (h.nombre > 1 && h.piece != Piece::Chevron);
    if (etroite && EstFourrure(h.email)) h.email = Dessus(r, a.e1, false);
    if (a.champ == Champ::ContreVair) {
        a.e1 = E::Argent;
        a.e2 = E::Azur;
    }
    if (a.chef && a.champ == Champ::Plein && !EstFourrure(a.e1) && r.pc(14)) {
        const std::vector<Email> meme =
            EstMetal(a.e1) ? std::vector<Email>{E::Or, E::Argent}
                           : std::vector<Email>{E::Gueules, E::Azur, E::Sinople, E::Sable};
        Email c = a.e1;
        for (int essai = 0; essai < 8 && (c == a.e1 || c == h.email); ++essai) c = r.parmi(meme);
        if (c != a.e1 && c != h.email) {
            a.cousu = true;
            a.emailChef = c;
            a.ligneChef = Ligne::Droite;
            if (a.chargeChef) a.chargeChef = GroupePetit(r, c, a.chargeChef->nombre);
        }
    }
    if (a.chef && h.piece != Piece::Aucune && a.emailChef == h.email) {
        do {
            a.emailChef = Dessus(r, a.e1);
        } while (a.emailChef == h.email);
        if (a.chargeChef) a.chargeChef = GroupePetit(r, a.emailChef, a.chargeChef->nombre);
    }
    if (a.bord == Bord::Canton) a.senestre = r.pc(35);
    if (a.q14) Finir(r, *a.q14);
    if (a.q23) Finir(r, *a.q23);
}

Armes TirerArmes(Alea& r) {
    Armes a = TirerUne(r);
    Finir(r, a);
    return a;
}

} // namespace bat
