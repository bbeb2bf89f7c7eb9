#include "enregistreur.h"

#include "ressources.h"

namespace armo {

const char* NomPanneau(Panneau p) {
    switch (p) {
    case Panneau::pong_Img:
        return "pong_Img";
    case Panneau::pong_Pla:
        return "pong_Pla";
    case Panneau::pong_Rch:
        return "pong_Rch";
    }
    return "?";
}

static QString TexteDime(const Dime& d) {
    return QStringLiteral("%1,%2,%3,%4").arg(d.zl).arg(d.zt).arg(d.zw).arg(d.zh);
}

TaillePanneau EnregistreurVues::Taille(Panneau p) {
    return tailles[static_cast<int>(p)];
}

void EnregistreurVues::ChargementCommence(Chargement c) {
    chargements.append(c);
    journal.append(QString::fromLatin1(NomChargement(c)));
}

void EnregistreurVues::ViderPlanche(Panneau p) {
    planche(p) = Planche{};
    journal.append(QStringLiteral("vider %1").arg(QLatin1String(NomPanneau(p))));
}

void EnregistreurVues::Rendre(std::int32_t ecu) {
    if (rendu) rendu(ecu);
    if (verifierRessources) OuvrirRessource(TypeRessource("GIF"), CORRNOM(ecu + 1));
}

void EnregistreurVues::AjouterImage(Panneau p, const ImagePlanche& image) {
    journal.append(QStringLiteral("ajouter %1 %2 tag %3 ecu %4 [%5]")
                       .arg(QLatin1String(NomPanneau(p)), image.nom)
                       .arg(image.tag)
                       .arg(image.ecu)
                       .arg(TexteDime(image.dime)));
    // The control exists and is placed before its picture is rendered; hint and
    // tag come after, so a failed render leaves a placed picture without them.
    ImagePlanche cree{image.nom, 0, QString(), image.dime, image.ecu};
    QList<ImagePlanche>& images = planche(p).images;
    images.append(cree);
    Rendre(image.ecu);
    images.last() = image;
}

void EnregistreurVues::RetirerCadre(Panneau p) {
    planche(p).cadre.reset();
    journal.append(QStringLiteral("retirer cadre %1").arg(QLatin1String(NomPanneau(p))));
}

void EnregistreurVues::PlacerCadre(Panneau p, const Dime& dime, const QString& conseil) {
    planche(p).cadre = Cadre{dime, conseil};
    journal.append(
        QStringLiteral("cadre %1 [%2]").arg(QLatin1String(NomPanneau(p)), TexteDime(dime)));
}

void EnregistreurVues::DefinirImage(std::int32_t ecu, const TailleUN& b) {
    journal.append(QStringLiteral("image ecu %1 [%2,%3,%4]")
                       .arg(ecu)
                       .arg(b.gauche)
                       .arg(b.largeur)
                       .arg(b.hauteur));
    img.bornes.zh = b.hauteur;
    img.bornes.zw = b.largeur;
    img.bornes.zl = b.gauche;
    Rendre(ecu);
    img.ecu = ecu;
}

void EnregistreurVues::Repeindre() {
    ++repeints;
    journal.append(QStringLiteral("repeindre"));
}

} // namespace armo
