#pragma once
// LZW decoding of one frame's compressed data into its pixel indices.
#include <cstddef>
#include <cstdint>

namespace armo::lzw {

// The index buffer handed to Decoder() must be writable MARGE_AVANT bytes before its
// first pixel and MARGE_APRES bytes after its last: the fast loop keeps the 256
// one-pixel strings in front and copies whole strings in 16-byte chunks past the end.
inline constexpr size_t MARGE_AVANT = 256;
inline constexpr size_t MARGE_APRES = 4096 + 64;

enum class Mode {
    Rapide,    // table-driven, falls back to the reference loop on unusual codes
    Reference, // code by code over the prefix/suffix dictionary and the pixel stack
};

struct Resultat {
    bool corrompu = false;      // bad code size, a chain loop, or data that ran out early
    size_t pixels = 0;          // pixels decoded, in decoding order
    bool finDesDonnees = false; // the data ran out before the end code, rows unfilled
};

// Decodes `donnees` (the code size byte, then sub-blocks with their size bytes, as
// stored) for a frame of `largeur` x `hauteur` pixels whose colour table has
// `bitsParPixel` bits (1 to 8). Writes every pixel of the frame into `pixels`, row 0 at
// the top, rows of `largeur` bytes, in final row order (interlacing undone); pixels the
// decoding never reached are 0. Never reads outside `donnees`. With `dejaAZero` the
// caller hands over a buffer already zeroed (fresh pages), so that a huge frame with
// little data costs only the pages it reaches.
Resultat Decoder(const uint8_t* donnees, size_t taille, int bitsParPixel, int largeur, int hauteur,
                 bool entrelace, uint8_t* pixels, Mode mode = Mode::Rapide, bool dejaAZero = false);

} // namespace armo::lzw
