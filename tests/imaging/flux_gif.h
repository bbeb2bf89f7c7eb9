#pragma once
// Builds GIF streams byte by byte for the tests: headers, tables, extensions, images,
// and LZW code streams either encoded from pixels or written code by code.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fx {

using Octets = std::string;

inline void Mot(Octets& o, unsigned v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>((v >> 8) & 0xFF);
}

// Signature, logical screen descriptor and, when bitsTable > 0, a global table whose
// entry i is (i, 2i, 3i) modulo 256 unless `couleurs` gives it.
inline Octets Entete(unsigned w, unsigned h, int bitsTable,
                     const std::vector<uint32_t>& couleurs = {}, unsigned fond = 0,
                     const char* signature = "GIF89a") {
    Octets o = signature;
    Mot(o, w);
    Mot(o, h);
    o += static_cast<char>(bitsTable > 0 ? 0x80 | 0x70 | (bitsTable - 1) : 0x70);
    o += static_cast<char>(fond);
    o += '\0';
    if (bitsTable > 0) {
        for (int i = 0; i < (1 << bitsTable); ++i) {
            const uint32_t c = i < static_cast<int>(couleurs.size())
                                   ? couleurs[static_cast<size_t>(i)]
                                   : (uint32_t(i & 0xFF) << 16) | (uint32_t(2 * i & 0xFF) << 8) |
                                         uint32_t(3 * i & 0xFF);
            o += static_cast<char>(c >> 16);
            o += static_cast<char>(c >> 8);
            o += static_cast<char>(c);
        }
    }
    return o;
}

// Payload bytes cut into sub-blocks of at most 255, then the terminator.
inline Octets SousBlocs(const Octets& charge, bool terminateur = true) {
    Octets o;
    for (size_t i = 0; i < charge.size(); i += 255) {
        const size_t n = std::min<size_t>(255, charge.size() - i);
        o += static_cast<char>(n);
        o += charge.substr(i, n);
    }
    if (terminateur) o += '\0';
    return o;
}

// Codes written least significant bit first, each with its own width.
inline Octets Codes(const std::vector<std::pair<unsigned, int>>& codes) {
    Octets o;
    uint64_t acc = 0;
    int n = 0;
    for (auto [c, w] : codes) {
        acc |= uint64_t(c) << n;
        n += w;
        while (n >= 8) {
            o += static_cast<char>(acc & 0xFF);
            acc >>= 8;
            n -= 8;
        }
    }
    if (n > 0) o += static_cast<char>(acc & 0xFF);
    return o;
}

// A standard GIF LZW encoder. With `differe`, a full dictionary is not cleared: codes
// go on at 12 bits with no new entry, as GIF allows.
inline Octets EncoderLZW(const std::vector<uint8_t>& pixels, int m, bool differe = false) {
    const unsigned C = 1u << m, E = C + 1;
    std::vector<std::pair<unsigned, int>> codes;
    std::vector<int> dico(4096 * 256, -1);
    unsigned libre = C + 2;
    int w = m + 1;
    auto vider = [&] {
        std::fill(dico.begin(), dico.end(), -1);
        libre = C + 2;
        w = m + 1;
    };
    codes.push_back({C, w});
    if (!pixels.empty()) {
        unsigned chaine = pixels[0];
        for (size_t i = 1; i < pixels.size(); ++i) {
            const uint8_t p = pixels[i];
            const int suite = dico[chaine * 256 + p];
            if (suite >= 0) {
                chaine = static_cast<unsigned>(suite);
                continue;
            }
            codes.push_back({chaine, w});
            if (libre < 4096) {
                dico[chaine * 256 + p] = static_cast<int>(libre++);
                if (libre > (1u << w) && w < 12) ++w;
            } else if (!differe) {
                codes.push_back({C, w});
                vider();
            }
            chaine = p;
        }
        codes.push_back({chaine, w});
    }
    codes.push_back({E, w});
    return Codes(codes);
}

// An image descriptor, optional local table, code size byte and data sub-blocks.
inline Octets Image(unsigned w, unsigned h, int m, const Octets& charge, uint8_t paquet = 0,
                    unsigned gauche = 0, unsigned haut = 0, const Octets& tableLocale = {}) {
    Octets o = ",";
    Mot(o, gauche);
    Mot(o, haut);
    Mot(o, w);
    Mot(o, h);
    o += static_cast<char>(paquet);
    o += tableLocale;
    o += static_cast<char>(m);
    o += SousBlocs(charge);
    return o;
}

inline Octets ControleGraphique(uint8_t paquet, unsigned delai, uint8_t transparent) {
    Octets o = "\x21\xF9\x04";
    o += static_cast<char>(paquet);
    Mot(o, delai);
    o += static_cast<char>(transparent);
    o += '\0';
    return o;
}

inline Octets Commentaire(const std::vector<std::string>& lignes) {
    Octets o = "\x21\xFE";
    for (const auto& l : lignes) {
        o += static_cast<char>(l.size());
        o += l;
    }
    o += '\0';
    return o;
}

} // namespace fx
