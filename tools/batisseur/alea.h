#pragma once
// A small generator of our own, so that the data set comes out the same with any
// standard library: the distributions of <random> are not fixed from one to another.
#include <cstdint>
#include <vector>

namespace bat {

class Alea {
public:
    explicit Alea(std::uint64_t graine) : etat_(graine) {}
    std::uint64_t suivant() {
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // An integer in [0, n).
    int sous(int n) {
        return n <= 0 ? 0 : static_cast<int>(suivant() % static_cast<std::uint64_t>(n));
    }
    // An integer in [a, b].
    int entre(int a, int b) { return a + sous(b - a + 1); }
    // True with a chance of p percent.
    bool pc(int p) { return sous(100) < p; }
    template <class T> const T& parmi(const std::vector<T>& v) { return v[sous(int(v.size()))]; }

private:
    std::uint64_t etat_;
};

} // namespace bat
