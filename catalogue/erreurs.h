#pragma once
// The error kinds every subsystem raises. An error carries a kind and the exact
// message the user sees in the error box.
#include <QString>
#include <exception>
#include <string>

namespace armo {

enum class TypeErreur {
    EResNotFound,             // a resource the store lacks
    EListError,               // a text list read outside its bounds
    EConvertError,            // a text that is no integer
    EReadError,               // a stream that ends too early
    EInvalidGraphicOperation, // a picture that cannot be read or decoded
    EEncodingError,           // bytes that decode to no character
    EJPEG,                    // a JPEG picture libjpeg refused
    EOutOfMemory,             // memory exhausted, or a buffer too large to ask for
};

const char* NomTypeErreur(TypeErreur type);

class Erreur : public std::exception {
public:
    Erreur(TypeErreur type, QString message);
    TypeErreur type() const { return type_; }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    TypeErreur type_;
    QString message_;
    std::string utf8_;
};

// The message of the out-of-memory error, as the run-time library words it.
inline constexpr const char* MESSAGE_MEMOIRE = "Mémoire insuffisante";

[[noreturn]] void Lever(TypeErreur type, const QString& message);

} // namespace armo
