#include "core/twod/aztec_reed_solomon.h"

#include "core/twod/aztec_galois_field.h"

#include <map>
#include <utility>

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

// More generators than this on one thread, and all are made afresh.
constexpr std::size_t kKeptGenerators = 64;

// The generator for `count` check words in `field`, made the first time it
// is asked for on this thread and kept: a batch of symbols of one
// size asks for the same one each time, and making it costs as much as
// dividing by it.
const std::vector<int>& generatorFor(const AztecGaloisField& field, int count) {
    thread_local std::map<std::pair<int, int>, std::vector<int>> kept;
    const std::pair key{field.bits(), count};
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    if (kept.size() == kKeptGenerators)
        kept.clear();
    return kept.emplace(key, generator(field, count)).first->second;
}

} // namespace

std::vector<int> aztecCheckWords(std::span<const int> data, int count, int wordSize) {
    const AztecGaloisField& field = aztecField(wordSize);
    const std::vector<int>& g = generatorFor(field, count);
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
