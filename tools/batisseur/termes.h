#pragma once
// The heraldic vocabulary of the dictionary: each term with its definition.
#include <QString>
#include <vector>

namespace bat {

struct Definition {
    const char* terme;      // as listed in the glossary
    const char* definition; // one to three sentences
};

// Every term the model can name, then the terms the dictionary alone defines.
const std::vector<Definition>& Vocabulaire();
const std::vector<Definition>& DictionnaireSeul();

} // namespace bat
