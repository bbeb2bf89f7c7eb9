// Arbitrary reference strings: every group reads as an integer or fails with
// the conversion error, and a group of six decimal digits reads as its value.
#include "catalogue.h"
#include "erreurs.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    armo::Catalogue cat;
    armo::ListeTexte ligne;
    ligne.Ajouter(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    cat.AjouterIndex(ligne);
    const QString& refs = cat.ls_Refs[0];
    for (int j = 0; j < cat.NbRefs(0); ++j) {
        const QString groupe = refs.mid(6 * j, 6);
        bool chiffres = true;
        for (QChar c : groupe) chiffres = chiffres && c >= u'0' && c <= u'9';
        try {
            const int v = cat.RefEcu(0, j);
            if (chiffres && v != groupe.toInt()) std::abort();
        } catch (const armo::Erreur& e) {
            if (chiffres || e.type() != armo::TypeErreur::EConvertError) std::abort();
        }
    }
    return 0;
}
