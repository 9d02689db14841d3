#pragma once

#include <vector>

namespace vornik::twod {

// Arithmetic in GF(2^m), elements as integers below 2^m, built from a
// primitive polynomial whose root is the generator alpha.
class AztecGaloisField {
public:
    AztecGaloisField(int bits, int primitive);

    [[nodiscard]] int bits() const { return bits_; }
    [[nodiscard]] int size() const { return static_cast<int>(logs_.size()); }
    // alpha to the power `power` (any power of zero or more).
    [[nodiscard]] int exp(int power) const {
        return exps_[static_cast<std::size_t>(power % (size() - 1))];
    }
    [[nodiscard]] int multiply(int a, int b) const {
        if (a == 0 || b == 0)
            return 0;
        // Both logs are below size() - 1, so one subtraction brings their
        // sum into range: this sits in the check words' innermost loop.
        int power = logs_[static_cast<std::size_t>(a)] + logs_[static_cast<std::size_t>(b)];
        if (power >= size() - 1)
            power -= size() - 1;
        return exps_[static_cast<std::size_t>(power)];
    }

private:
    int bits_;
    std::vector<int> exps_;
    std::vector<int> logs_;
};

// The field of a codeword size (4 for the mode message, 6, 8, 10 or 12 for
// the data layers) with ISO/IEC 24778's primitive polynomial for it.
[[nodiscard]] const AztecGaloisField& aztecField(int wordSize);

} // namespace vornik::twod
