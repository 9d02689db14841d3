#pragma once

#include "core/render/current_picture.h"

namespace vornik::render {

// Where the calibration cross stands: this far from the picture's left and
// top edges, in 0.01 mm. Printed with the picture's corner at the paper's
// corner, the cross is one inch from the paper's left and top edges.
inline constexpr int kCalibrationCrossUnits = 2540;

// A picture for finding a printer's offset: a ruled cross with ticks every
// millimetre (longer every 5 and 10) and a few lines telling how to measure.
[[nodiscard]] CurrentPicture calibrationPicture();

} // namespace vornik::render
