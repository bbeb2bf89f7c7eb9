#pragma once
// One coat of arms as a structured value. The blazon and the picture are both
// written from it, and the glossary references come from it too.
#include <QString>
#include <memory>
#include <set>
#include <vector>

namespace bat {

enum class Email {
    Or,
    Argent,
    Gueules,
    Azur,
    Sinople,
    Sable,
    Pourpre,
    Hermine,
    ContreHermine,
    Vair
};
constexpr int NB_EMAUX = 10;
bool EstMetal(Email e);
bool EstCouleur(Email e);
bool EstFourrure(Email e);
// Whether b may lie on a: no metal on metal, no colour on colour, furs go with both,
// and a fur never lies on the tincture it is made of.
bool Contraste(Email fond, Email dessus);

enum class Ligne { Droite, Onde, Engrele, Denche, Crenele, Bretesse, Vivre };

enum class Champ {
    Plein,
    Parti,
    Coupe,
    Tranche,
    Taille,
    Ecartele,
    EcarteleSautoir,
    Gironne,
    TierceFasce,
    TiercePal,
    Fasce,
    Pale,
    Bande,
    Barre,
    Burele,
    Echiquete,
    Losange,
    Seme,
    EcarteleArmes,
    Fusele,
    Chevronne,
    ContreVair,
    Vaire,
    Papelonne,
    Frette,
    Chape,
    Chausse
};

enum class Meuble {
    Etoile,
    Molette,
    Croissant,
    Besant,
    Tourteau,
    Annelet,
    Losange,
    Macle,
    Fusee,
    Billette,
    Croisette,
    FleurDeLis,
    Coquille,
    Rose,
    Quintefeuille,
    Trefle,
    Merlette,
    Aigle,
    Lion,
    Tour,
    Chateau,
    Cle,
    Epee,
    Soleil,
    Cloche,
    Roc,
    Arbre,
    Gerbe,
    Ancre,
    Couronne,
    Moucheture,
    Huchet,
    Bar,
    Gland,
    Marteau,
    Ecusson,
    Fleche,
    Hache,
    Comete,
    Larme,
    Otelle,
    Rustre,
    Carreau,
    Vire,
    Fermail,
    Bourdon,
    Colonne,
    Abeille,
    Papillon,
    Guivre,
    Grappe,
    Tiercefeuille,
    Quartefeuille,
    Clou,
    Massue,
    Crosse,
    ChausseTrape,
    Epi,
    Ecot
};
constexpr int NB_MEUBLES = 59;

enum class Disposition {
    Seul,       // one charge
    EnFasce,    // "rangés en fasce"
    EnPal,      // "l'un sur l'autre" (2) or "rangés en pal"
    EnBande,    // "rangés en bande"
    DeuxEtUn,   // "2 et 1"
    UnEtDeux,   // "mal ordonnés"
    DeuxEtDeux, // "2 et 2"
    TroisDeuxUn,
    EnOrle,
    Affrontes, // two beasts facing each other
    Adosses    // two fish back to back
};

// A group of identical charges and what is said of them.
struct Groupe {
    Meuble meuble = Meuble::Etoile;
    int nombre = 1;
    Disposition dispo = Disposition::Seul;
    Email email = Email::Or;
    Email attribut = Email::Gueules; // claws and tongue, beak and legs, masonry, seed, hilt...
    bool aAttribut = false;
    bool couronne = false; // a crown of `emailCouronne`
    Email emailCouronne = Email::Or;
    bool contourne = false;
    bool verse = false;  // crescent with its horns down
    bool ajoure = false; // tower or castle with its windows of `emailJour`
    bool ouvert = false; // tower or castle with its door of `emailJour`
    Email emailJour = Email::Sable;
    bool tige = false;     // rose on its stalk with leaves of sinople
    bool arrache = false;  // tree with its roots
    bool eploye = false;   // eagle with two heads
    bool donjonne = false; // tower with a turret on its top
    // A charge set right above the group ("surmonté de").
    std::shared_ptr<Groupe> surmonte;
};

enum class Piece {
    Aucune,
    Fasce,
    Pal,
    Bande,
    Barre,
    Chevron,
    Croix,
    Sautoir,
    Pairle,
    Trangles, // three narrow fesses
    Jumelles, // pairs of narrow fesses
    Vergettes,
    Cotices,
    Baton,
    Pile
};

enum class Croix {
    Pleine,
    Alesee,
    Pattee,
    Ancree,
    Potencee,
    Fleurdelisee,
    Recroisetee,
    Pommetee,
    Treflee
};

struct Honorable {
    Piece piece = Piece::Aucune;
    int nombre = 1;
    Ligne ligne = Ligne::Droite;
    Croix croix = Croix::Pleine;
    Email email = Email::Gueules;
    std::shared_ptr<Groupe> charge;     // "chargé de"
    std::shared_ptr<Groupe> accompagne; // "accompagné de", "cantonné de", "accosté de"
};

enum class Bord { Aucun, Bordure, Orle, Champagne, FrancQuartier, Canton };

struct Armes {
    Champ champ = Champ::Plein;
    Email e1 = Email::Azur, e2 = Email::Or, e3 = Email::Gueules;
    Meuble seme = Meuble::FleurDeLis; // charge strewn over a "semé" field, in e2
    // Quartered arms: quarters 1 and 4, then 2 and 3.
    std::shared_ptr<Armes> q14, q23;
    // Quartered arms may bear a small shield over the centre: "sur le tout".
    std::shared_ptr<Armes> surLeTout;
    Honorable piece;
    std::shared_ptr<Groupe> meubles; // charges on the field, when no piece carries them
    bool chef = false;
    Email emailChef = Email::Or;
    Ligne ligneChef = Ligne::Droite;
    std::shared_ptr<Groupe> chargeChef;
    Bord bord = Bord::Aucun;
    Email emailBord = Email::Gueules;
    bool senestre = false; // canton at the sinister corner
    bool cousu = false;    // chief of the field's own class
    bool compone = false;  // bordure of alternating e-bord and `emailCompone`
    Email emailCompone = Email::Argent;
    std::shared_ptr<Groupe> chargeBord;
    Honorable brochant; // a bend or baton over all
};

// Gender and spelling of a charge.
struct NomMeuble {
    const char* singulier;
    const char* pluriel;
    bool feminin;
};
const NomMeuble& Nom(Meuble m);

} // namespace bat
