#include "erreurs.h"

namespace armo {

const char* NomTypeErreur(TypeErreur type) {
    switch (type) {
    case TypeErreur::EResNotFound: return "EResNotFound";
    case TypeErreur::EListError: return "EListError";
    case TypeErreur::EConvertError: return "EConvertError";
    case TypeErreur::EReadError: return "EReadError";
    case TypeErreur::EInvalidGraphicOperation: return "EInvalidGraphicOperation";
    case TypeErreur::EEncodingError: return "EEncodingError";
    case TypeErreur::EJPEG: return "EJPEG";
    case TypeErreur::EOutOfMemory: return "EOutOfMemory";
    }
    return "?";
}

Erreur::Erreur(TypeErreur type, QString message)
    : type_(type), message_(std::move(message)), utf8_(message_.toStdString()) {}

void Lever(TypeErreur type, const QString& message) { throw Erreur(type, message); }

} // namespace armo
