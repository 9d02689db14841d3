#include "core/twod/aztec_reed_solomon.h"

#include "core/twod/aztec_galois_field.h"

namespace vornik::twod {

namespace {

// The generator's coefficients below its leading 1, highest power first.
std::vector<int> generator(const AztecGaloisField& field, int count) {
    std::vector<int> g{1}; // highest power first, leading coefficient included
    for (int root = 1; root <= count; ++root) {
        const int alpha = field.exp(root);
        std::vector<int> next(g.size() + 1, 0);
        for (std::size_t i = 0; i < g.size(); ++i) {
            next[i] ^= g[i];                            // times x
            next[i + 1] ^= field.multiply(g[i], alpha); // times alpha^root
        }
        g = std::move(next);
    }
    g.erase(g.begin());
    return g;
}

} // namespace

std::vector<int> aztecCheckWords(std::span<const int> data, int count, int wordSize) {
    const AztecGaloisField& field = aztecField(wordSize);
    const std::vector<int> g = generator(field, count);
    std::vector<int> remainder(static_cast<std::size_t>(count), 0);
    for (const int word : data) {
        const int feedback = word ^ (remainder.empty() ? 0 : remainder.front());
        for (std::size_t i = 0; i + 1 < remainder.size(); ++i)
            remainder[i] = remainder[i + 1] ^ field.multiply(feedback, g[i]);
        if (!remainder.empty())
            remainder.back() = field.multiply(feedback, g.back());
    }
    return remainder;
}

} // namespace vornik::twod
