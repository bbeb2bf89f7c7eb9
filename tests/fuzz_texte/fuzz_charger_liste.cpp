// Arbitrary bytes as a text resource: decoding fails cleanly or gives lines
// that hold no line break and no NUL.
#include "erreurs.h"
#include "ressources.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const armo::ListeTexte l =
            armo::DecouperTexte(QByteArrayView(reinterpret_cast<const char*>(data), size));
        for (const QString& s : l.lignes())
            if (s.contains(u'\r') || s.contains(u'\n') || s.contains(QChar(0))) std::abort();
        if (l.Count() > 0) (void)l[l.Count() - 1];
    } catch (const armo::Erreur& e) {
        if (e.type() != armo::TypeErreur::EEncodingError) std::abort();
    }
    return 0;
}
