// Until the window exists: lists what the embedded store holds.
#include "catalogue.h"
#include "ressources.h"

#include <QTextStream>

int main() {
    using namespace armo;
    QTextStream out(stdout);
    Catalogue cat;
    cat.ChargerNoms();
    cat.ChargerEcus();
    cat.ChargerIndex();
    out << "ARMORIANE: " << NomsRessources(RT_RCDATA).size() << " text resources, "
        << NomsRessources("GIF").size() << " pictures, " << cat.N() << " shields, "
        << cat.ls_Termes.Count() << " terms\n";
    return 0;
}
