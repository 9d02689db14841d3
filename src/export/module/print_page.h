#pragma once

#include <cstddef>
#include <cstdint>

// One symbol of a printer page as it crosses into the converter module: its
// placeable metafile bytes, and its top-left corner in inches from the
// paper's left and top edges.
struct VornikPrintPicture {
    const std::uint8_t* placeableWmf;
    std::size_t placeableWmfSize;
    double leftInches;
    double topInches;
};

// Draws a printer page as a one-page PDF file at DESTINATION: paper of the
// given size in 0.01 mm, symbols' edges on a grid of DOTS_PER_INCH, the
// PICTURE_COUNT pictures in order. 0 when the file was written; otherwise 1,
// with a sentence saying why in `error` (cut to fit `errorSize`).
extern "C" int vornik_write_print_page(const char* destination, std::int32_t paperWidthUnits,
                                       std::int32_t paperHeightUnits, std::int32_t dotsPerInch,
                                       const VornikPrintPicture* pictures, std::size_t pictureCount,
                                       char* error, std::size_t errorSize);

// Its name; it lives in the converter module (kConverterModuleFile).
inline constexpr const char* kPrintPageEntryPoint = "vornik_write_print_page";
