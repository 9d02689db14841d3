#pragma once

#include <cstdint>

namespace vornik {

// Rounds to the nearest integer, exact halves going to the even neighbour
// (2.5 -> 2, 3.5 -> 4). Every float-to-integer conversion of the job goes
// through here. Values beyond the int32 range saturate; NaN gives 0, so that
// no user input can provoke undefined behaviour.
[[nodiscard]] std::int32_t nearest(double value);

// Narrows a double to the single precision the job's lengths and percentages
// are held in, saturating beyond the float range (a plain conversion would be
// undefined there); NaN gives 0.
[[nodiscard]] float toSingle(double value);

} // namespace vornik
