#include "lzw.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

// The decoder's own rules on limits and damaged data:
// - a code size byte outside 2..9 is clamped and the data marked corrupt; decoding then
//   stops at the first code that is neither a clear code nor the one right after it;
// - codes not above the pixel mask (from the table's bit count) are pixels themselves;
// - a clear code resets the width and the next free code, never the dictionary itself;
// - a chain of more than 4096 entries marks the data corrupt and ends decoding;
// - a full dictionary stays full until the next clear code.
// End of data: when fewer bits remain than the current code width, decoding simply
// ends there, keeping the pixels decoded so far; if rows are still unfilled the data
// is marked corrupt (finDesDonnees). Nothing beyond the compressed data is read.
//
// The fast loop keeps, for every code, where its string was last written and its
// length, and copies the whole string at once. That is exact as long as each prefix
// was output right before its entry was made; the first code that breaks this (a code
// beyond the next free one, one between the pixel mask and the clear code, anything
// but a pixel after a clear code, a stream without a leading clear code) hands the
// rest of the data to the reference loop, whose dictionary the fast loop keeps up to
// date.

namespace armo::lzw {

namespace {

constexpr uint32_t FIN_DONNEES = 0xFFFF;
constexpr int TAILLE_DICO = 4096;
constexpr int LIMITE_PILE = 4096;

// Codes least significant bit first over the sub-block payloads laid end to end.
struct Lecteur {
    const uint8_t* octets; // followed by at least 8 zero bytes
    uint64_t pos;
    uint64_t nbits;

    uint32_t Lire(int largeur) {
        if (pos + static_cast<uint64_t>(largeur) > nbits) return FIN_DONNEES;
        uint64_t mot;
        std::memcpy(&mot, octets + (pos >> 3), 8);
        const uint32_t code = static_cast<uint32_t>(mot >> (pos & 7)) & ((1u << largeur) - 1);
        pos += static_cast<uint64_t>(largeur);
        return code;
    }
};

struct Etat {
    uint32_t m, C, E, M;
    uint32_t libre;
    int largeur;
    uint32_t prec = 0, premier = 0;
    bool corrompu = false;
    bool finDonnees = false;
    size_t pos = 0;
    size_t total;
    uint16_t prefixe[TAILLE_DICO];
    uint16_t suffixe[TAILLE_DICO];
};

// Scratch kept between pictures so that decoding one allocates nothing of its own.
struct Brouillon {
    std::vector<uint8_t> charge;    // the payloads laid end to end, then zero padding
    std::vector<uint8_t> entrelace; // linear output of an interlaced frame, with margins
};

Brouillon& brouillon() {
    thread_local Brouillon b;
    return b;
}

// Grows v to at least n bytes; keeps its memory from one picture to the next.
void Reserver(std::vector<uint8_t>& v, size_t n) {
    if (v.size() < n) v.resize(std::max(n, v.size() * 2));
}

// The reference loop, one code at a time; `code` is the code just read.
void Reference(Etat& e, Lecteur& l, uint8_t* out, uint32_t code) {
    uint16_t pile[LIMITE_PILE + 4];
    while (code != e.E && code != FIN_DONNEES && e.pos < e.total) {
        if (code == e.C) {
            e.largeur = static_cast<int>(e.m) + 1;
            e.libre = e.C + 2;
            const uint32_t c = l.Lire(e.largeur);
            if (c == FIN_DONNEES) {
                code = c;
                break;
            }
            out[e.pos++] = static_cast<uint8_t>(c & e.M);
            e.prec = c;
            e.premier = c & e.M;
        } else {
            uint32_t c = code;
            const uint32_t retenu = c;
            int sp = 0;
            if (c >= e.libre) {
                pile[sp++] = static_cast<uint16_t>(e.premier);
                c = e.prec;
            }
            while (c > e.M) {
                if (sp > LIMITE_PILE) {
                    e.corrompu = true;
                    break;
                }
                pile[sp++] = e.suffixe[c];
                c = e.prefixe[c];
            }
            if (e.corrompu) return;
            e.premier = c & e.M;
            pile[sp++] = static_cast<uint16_t>(e.premier);
            while (sp > 0 && e.pos < e.total) out[e.pos++] = static_cast<uint8_t>(pile[--sp]);
            if (e.libre < TAILLE_DICO) {
                e.prefixe[e.libre] = static_cast<uint16_t>(e.prec);
                e.suffixe[e.libre] = static_cast<uint16_t>(e.premier);
                ++e.libre;
                if (e.libre == (1u << e.largeur) && e.largeur < 12) ++e.largeur;
            }
            e.prec = retenu;
        }
        code = l.Lire(e.largeur);
    }
    if (code == FIN_DONNEES && e.pos < e.total) e.finDonnees = true;
}

// Copies n bytes (1 to 4096) in 16-byte chunks; may write up to 15 bytes past d + n.
// The source string always ends at or before d, so a chunk's stray bytes only land past
// d + n, where later strings overwrite them.
inline void CopierChaine(uint8_t* d, const uint8_t* s, uint32_t n) {
    std::memmove(d, s, 16);
    for (uint32_t i = 16; i < n; i += 16) std::memmove(d + i, s + i, 16);
}

// The table-driven loop. Requires m >= b (the pixel mask lies below the clear code).
void Rapide(Etat& e, Lecteur& l, uint8_t* out) {
    int32_t off[TAILLE_DICO];  // where the code's string was written, relative to out
    uint16_t lon[TAILLE_DICO]; // its length
    for (uint32_t c = 0; c <= e.M; ++c) {
        out[static_cast<ptrdiff_t>(c) - 256] = static_cast<uint8_t>(c);
        off[c] = static_cast<int32_t>(c) - 256;
        lon[c] = 1;
    }
    const uint32_t C = e.C, E = e.C + 1, M = e.M;
    const size_t total = e.total;
    uint32_t code = l.Lire(e.largeur);
    if (code != C) return Reference(e, l, out, code);

    uint32_t libre = C + 2, limite = 0;
    int largeur = 0;
    uint32_t prec = 0, premier = 0, lonPrec = 0;
    size_t pos = e.pos, posPrec = 0;
    // Hands the state over to the reference loop, which goes on with `code`.
    auto ceder = [&](uint32_t c) {
        e.libre = libre;
        e.largeur = largeur;
        e.prec = prec;
        e.premier = premier;
        e.pos = pos;
        Reference(e, l, out, c);
    };
    for (;;) {
        if (code == C) {
            largeur = static_cast<int>(e.m) + 1;
            limite = 1u << largeur;
            libre = C + 2;
            const uint32_t c = l.Lire(largeur);
            if (c == FIN_DONNEES) {
                e.pos = pos;
                e.finDonnees = pos < total;
                return;
            }
            out[pos] = static_cast<uint8_t>(c & M);
            prec = c;
            premier = c & M;
            posPrec = pos;
            lonPrec = 1;
            ++pos;
            if (pos >= total) break;
            if (c > M) return ceder(l.Lire(largeur));
        } else if (code < libre || (code == libre && libre < TAILLE_DICO)) {
            uint8_t* d = out + pos;
            uint32_t n;
            if (code < libre) {
                if (code - (M + 1) < C + 2 - (M + 1)) {
                    if (code == E) break;
                    return ceder(code); // a code between the pixel mask and the clear code
                }
                n = lon[code];
                CopierChaine(d, out + off[code], n);
                premier = d[0];
            } else {
                // The string of the previous code followed by its own first pixel.
                n = lonPrec + 1;
                CopierChaine(d, out + posPrec, lonPrec);
                d[lonPrec] = static_cast<uint8_t>(premier);
            }
            if (libre < TAILLE_DICO) {
                off[libre] = static_cast<int32_t>(posPrec);
                lon[libre] = static_cast<uint16_t>(lonPrec + 1);
                e.prefixe[libre] = static_cast<uint16_t>(prec);
                e.suffixe[libre] = static_cast<uint16_t>(premier);
                if (++libre == limite && largeur < 12) {
                    ++largeur;
                    limite <<= 1;
                }
            }
            prec = code;
            posPrec = pos;
            lonPrec = n;
            pos += n;
            if (pos >= total) break;
        } else if (code == FIN_DONNEES) {
            e.pos = pos;
            e.finDonnees = pos < total;
            return;
        } else {
            return ceder(code); // beyond the next free code
        }
        code = l.Lire(largeur);
    }
    e.pos = std::min(pos, total);
}

} // namespace

Resultat Decoder(const uint8_t* donnees, size_t taille, int bitsParPixel, int largeur, int hauteur,
                 bool entrelace, uint8_t* pixels, Mode mode, bool dejaAZero) {
    Resultat r;
    const size_t total = static_cast<size_t>(largeur) * static_cast<size_t>(hauteur);
    if (taille == 0 || total == 0) {
        if (total && !dejaAZero) std::memset(pixels, 0, total);
        return r;
    }
    Brouillon& b = brouillon();

    // The payloads of the sub-blocks, end to end.
    Reserver(b.charge, taille + 8);
    size_t n = 0;
    for (size_t i = 1; i < taille;) {
        const size_t t = donnees[i++];
        if (t == 0) break;
        const size_t pris = std::min(t, taille - i);
        std::memcpy(b.charge.data() + n, donnees + i, pris);
        n += pris;
        i += pris;
    }
    std::memset(b.charge.data() + n, 0, 8);

    Etat e;
    uint32_t m = donnees[0];
    if (m < 2 || m > 9) {
        e.corrompu = true;
        m = std::clamp<uint32_t>(m, 2, 9);
    }
    const uint32_t bpp = static_cast<uint32_t>(std::clamp(bitsParPixel, 1, 8));
    e.m = m;
    e.C = 1u << m;
    e.E = e.C + 1;
    e.M = (1u << bpp) - 1;
    e.libre = e.C + 2;
    e.largeur = static_cast<int>(m) + 1;
    e.total = total;
    std::memset(e.prefixe, 0, sizeof e.prefixe);
    std::memset(e.suffixe, 0, sizeof e.suffixe);
    Lecteur l{b.charge.data(), 0, static_cast<uint64_t>(n) * 8};

    uint8_t* out = pixels;
    // An interlaced frame decodes in pass order into a linear buffer first: the
    // scratch one when small, fresh zeroed pages when large.
    std::unique_ptr<uint8_t, decltype(&std::free)> lineaire(nullptr, &std::free);
    if (entrelace) {
        const size_t n = MARGE_AVANT + total + MARGE_APRES;
        if (total <= (size_t(1) << 20)) {
            Reserver(b.entrelace, n);
            out = b.entrelace.data() + MARGE_AVANT;
        } else {
            lineaire.reset(static_cast<uint8_t*>(std::calloc(n, 1)));
            if (!lineaire) throw std::bad_alloc();
            out = lineaire.get() + MARGE_AVANT;
        }
    }
    if (mode == Mode::Rapide && !e.corrompu && m >= bpp)
        Rapide(e, l, out);
    else
        Reference(e, l, out, l.Lire(e.largeur));

    r.corrompu = e.corrompu || e.finDonnees;
    r.finDesDonnees = e.finDonnees;
    r.pixels = e.pos;
    if (!entrelace) {
        // Past the last decoded pixel: zeros, also over the fast loop's stray bytes,
        // which never reach further than one string plus a chunk.
        const size_t reste = total - e.pos;
        std::memset(pixels + e.pos, 0, dejaAZero ? std::min(reste, MARGE_APRES) : reste);
        return r;
    }
    // Undo the four interlace passes; rows never reached stay 0.
    const size_t w = static_cast<size_t>(largeur);
    const size_t h = static_cast<size_t>(hauteur);
    size_t k = 0; // decoded row
    static constexpr size_t debut[4] = {0, 4, 2, 1}, pas[4] = {8, 8, 4, 2};
    for (int passe = 0; passe < 4; ++passe) {
        for (size_t y = debut[passe]; y < h; y += pas[passe], ++k) {
            const size_t deja = std::min(e.pos - std::min(e.pos, k * w), w);
            if (deja == 0 && dejaAZero) continue;
            std::memcpy(pixels + y * w, out + k * w, deja);
            std::memset(pixels + y * w + deja, 0, w - deja);
        }
    }
    return r;
}

} // namespace armo::lzw
