#include "demarrage.h"

#include "vuehtml.h"

#include <QLabel>

namespace armo {

void TFP::FormCreate() {
    // 1 to 3: the shield names, each "corres" line cut to its name; a missing
    // or unreadable list is silently left empty.
    cat_.ChargerNoms();
    // 4
    PLUN_liste->addItems(cat_.ls_Noms.lignes());
    // 5
    cat_.ChargerEcus();
    // 6
    Ong->ChoisirPage(ONG_GLOSSAIRE);
    etat_.Onglet = ONG_GLOSSAIRE;
    // 7 and 8: the glossary terms and their references.
    cat_.ChargerIndex();
    // 9
    GL_liste->addItems(cat_.ls_Termes.lignes());
    // 10 to 12: the first state, with item 0 of each list and "28 images" in
    // both combos, set without firing any event.
    etat_.FormCreate_ValeursInitiales();
    Refleter();
    // 13 to 15: the IMAGE and PLANCHE views, then the name of the first shield.
    etat_.FormCreate_Vues();
    Refleter();
    // 16
    ShowHtml(QStringLiteral("gloss_a"));
}

std::unique_ptr<TFP> CreerFP() {
    auto fp = std::make_unique<TFP>();
    fp->Executer([&] { fp->FormCreate(); });
    fp->DemarrageTermine();
    return fp;
}

} // namespace armo
