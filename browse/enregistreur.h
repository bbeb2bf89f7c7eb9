#pragma once
// An ObservateurVues that builds no control: it keeps what the window would show
// (the two plates, their frames, the IMAGE picture's bounds) and the order of the
// calls, for the tests and the replay tool.
#include "navigation.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace armo {

class EnregistreurVues : public ObservateurVues {
public:
    struct Cadre {
        Dime dime;
        QString conseil;
        friend bool operator==(const Cadre&, const Cadre&) = default;
    };
    struct Planche {
        QList<ImagePlanche> images; // in creation order
        std::optional<Cadre> cadre;
    };
    // Img as the window layout makes it: top 1, and no picture until the first IMAGE load.
    struct Img {
        Dime bornes{0, 1, 0, 0};
        std::int32_t ecu = -1; // shield last rendered into it, -1 for none
    };

    // The panel sizes the loads read; the window layout's size by default.
    std::array<TaillePanneau, 3> tailles{{{770, 454}, {770, 454}, {770, 454}}};
    void DefinirTailles(std::int32_t l, std::int32_t h) { tailles.fill({l, h}); }

    Planche pla; // pong_Pla
    Planche rch; // pong_Rch
    Planche& planche(Panneau p) { return p == Panneau::pong_Rch ? rch : pla; }
    Img img;
    int repeints = 0;

    // The loads begun, and every call as one line, in order, until cleared.
    QList<Chargement> chargements;
    QStringList journal;
    void Effacer() {
        chargements.clear();
        journal.clear();
    }

    // Run at every render of a shield, before it is counted as shown; may throw,
    // which is how the tests make a picture fail to decode.
    std::function<void(std::int32_t ecu)> rendu;
    // When set, a render also fails as the window's would when the shield's GIF
    // resource is missing from the chosen data set.
    bool verifierRessources = false;

    TaillePanneau Taille(Panneau p) override;
    void ChargementCommence(Chargement c) override;
    void ViderPlanche(Panneau p) override;
    void AjouterImage(Panneau p, const ImagePlanche& image) override;
    void RetirerCadre(Panneau p) override;
    void PlacerCadre(Panneau p, const Dime& dime, const QString& conseil) override;
    void DefinirImage(std::int32_t ecu, const TailleUN& bornes) override;
    void Repeindre() override;

private:
    void Rendre(std::int32_t ecu);
};

const char* NomPanneau(Panneau p);

} // namespace armo
