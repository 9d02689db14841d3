#pragma once

#include "core/render/current_picture.h"

#include <vector>

namespace vornik {

// One symbol on a printer page: its picture at true size, with the picture's
// top-left corner this many inches from the paper's left and top edges.
struct PlacedPicture {
    render::CurrentPicture picture;
    double leftInches = 0;
    double topInches = 0;
};

// A printer page: the symbols put on it so far, in the order they were
// printed. It goes to the printer as one sheet.
using PrinterPage = std::vector<PlacedPicture>;

} // namespace vornik
