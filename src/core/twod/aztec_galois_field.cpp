#include "core/twod/aztec_galois_field.h"

#include <stdexcept>

namespace vornik::twod {

AztecGaloisField::AztecGaloisField(int bits, int primitive)
    : bits_(bits), exps_(static_cast<std::size_t>((1 << bits) - 1)),
      logs_(static_cast<std::size_t>(1 << bits)) {
    int value = 1;
    for (std::size_t power = 0; power < exps_.size(); ++power) {
        exps_[power] = value;
        logs_[static_cast<std::size_t>(value)] = static_cast<int>(power);
        value <<= 1;
        if (value >= (1 << bits))
            value ^= primitive;
    }
}

const AztecGaloisField& aztecField(int wordSize) {
    // x^4+x+1, x^6+x+1, x^8+x^5+x^3+x^2+1, x^10+x^3+1, x^12+x^6+x^5+x^3+1
    static const AztecGaloisField gf16(4, 0x13);
    static const AztecGaloisField gf64(6, 0x43);
    static const AztecGaloisField gf256(8, 0x12D);
    static const AztecGaloisField gf1024(10, 0x409);
    static const AztecGaloisField gf4096(12, 0x1069);
    switch (wordSize) {
    case 4:
        return gf16;
    case 6:
        return gf64;
    case 8:
        return gf256;
    case 10:
        return gf1024;
    case 12:
        return gf4096;
    }
    // Only the encoder's own code asks, with the sizes above.
    throw std::invalid_argument("no Aztec field for this word size");
}

} // namespace vornik::twod
