#pragma once

#include "core/twod/module_matrix.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornik::twod {

// Status codes of the Data Matrix encoder. 0 and below is success; every
// positive code goes to the error reporter unchanged.
inline constexpr int kDmSuccess = 0;
inline constexpr int kDmTooLong = 1024; // more data than the largest symbol holds
inline constexpr int kDmInvalidCharacters = 1025;
inline constexpr int kDmNoSuchSize = 1031;      // a size that is not one of the symbol sizes
inline constexpr int kDmTooLongForSize = 1032;  // more data than the requested size holds
inline constexpr int kDmEccNotAvailable = 1050; // an ECC level value that names no level
inline constexpr int kDmNoSuchFormat = 1051;    // ECC 000 to 140: a data format outside 1 to 6
inline constexpr int kDmTooShort = 3023;        // no data at all
inline constexpr int kDmInputTooLong = 3024;    // more input than any symbol could take
inline constexpr int kDmSelfTestFailed = 1;
// Any other refusal of the encoder is 1000 plus libzint's error number.
inline constexpr int kDmLibraryErrorBase = 1000;

// The ECC level value of ECC 200; 0, 3, 6, 8 and 12 are ECC 000 to 140.
inline constexpr int kDmEcc200 = 26;

// The longest input the largest symbol could hold (3116 digits).
inline constexpr std::size_t kDmLongestInput = 3116;

// The Data Matrix encoder's calls, in the order a build makes them: the
// initialisation and self test once per run, then one encode per symbol and
// one cell query per module. Rows and columns count from 1.
class DataMatrixLibrary {
public:
    virtual ~DataMatrixLibrary() = default;
    [[nodiscard]] virtual int IDM_initialize(int reserved) = 0;
    [[nodiscard]] virtual int IDM_self_test() = 0;
    // Encodes `length` bytes of `message` at `eccLevel`; `rows` by `columns`
    // asks for a size (0 by 0: square, the smallest that holds the data).
    // `format` is the data format of ECC 000 to 140 (unused for ECC 200); the
    // two constants are the encoder's own.
    [[nodiscard]] virtual int IDM_enc_complete(int format, int eccLevel, int rows, int columns,
                                               int constant0, int constant1,
                                               std::string_view message, int& symbolRows,
                                               int& symbolColumns, int length) = 0;
    // 1 for a dark module of the last symbol encoded, 0 for a light one or a
    // cell outside it.
    [[nodiscard]] virtual int get_dm_cell(int row, int column) const = 0;
};

// The encoder on libzint's ECC 200 and our own ECC 000 to 140. For ECC 200 it
// reads tilde sequences in the message: "~~" is one tilde, "~@" a NUL byte and
// "~dNNN" the byte of decimal value NNN (000 to 255); a tilde before anything
// else is an ordinary tilde. ECC 000 to 140 take the message's bytes as they
// are, in a square of 9x9 to 49x49: a rectangular size asked for is not one of
// theirs, so they take the smallest square instead.
class ZintDataMatrix final : public DataMatrixLibrary {
public:
    int IDM_initialize(int reserved) override;
    int IDM_self_test() override;
    int IDM_enc_complete(int format, int eccLevel, int rows, int columns, int constant0,
                         int constant1, std::string_view message, int& symbolRows,
                         int& symbolColumns, int length) override;
    int get_dm_cell(int row, int column) const override;

private:
    int encodeLegacy(int format, int eccLevel, int rows, int columns, std::string_view text,
                     int& symbolRows, int& symbolColumns);

    ModuleMatrix symbol_;
};

// The bytes a message with tilde sequences stands for; `ok` is false when a
// "~d" sequence names no byte (fewer than three digits, or above 255).
struct TildeResult {
    bool ok = true;
    std::string bytes;
};
[[nodiscard]] TildeResult interpretTildes(std::string_view message);

} // namespace vornik::twod
