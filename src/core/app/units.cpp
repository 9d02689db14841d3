#include "core/app/units.h"

#include "core/app/numeric_text.h"

#include <cmath>
#include <limits>

namespace vornik {

namespace {

// Single precision, as the job holds it: computed in double, then narrowed.
// A length beyond the range of float is no dimension at all: it becomes 0,
// which the Build command reports as missing.
float narrowed(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return 0.0f;
    return static_cast<float>(value);
}

} // namespace

float ToInternalWidth(std::string_view text, Units units, int dotsAcross) {
    const double value = leadingNumber(text);
    switch (units) {
    case Units::InchesMils:
        return narrowed(value * 2.54);
    case Units::Metric:
        return narrowed(value);
    case Units::PrinterDots:
        return narrowed(value * 2540.0 / dotsAcross);
    }
    return narrowed(value);
}

float ToInternalHeight(std::string_view text, Units units, int dotsAlong) {
    const double value = leadingNumber(text);
    switch (units) {
    case Units::InchesMils:
        return narrowed(value * 2.54);
    case Units::Metric:
        return narrowed(value);
    case Units::PrinterDots:
        return narrowed(value * 2.54 / dotsAlong);
    }
    return narrowed(value);
}

float ToInternalModuleHeight(std::string_view text, Units units, int dotsAlong) {
    const double value = leadingNumber(text);
    switch (units) {
    case Units::InchesMils:
        return narrowed(value * 2.54);
    case Units::Metric:
        return narrowed(value);
    case Units::PrinterDots:
        return narrowed(value * 2540.0 / dotsAlong);
    }
    return narrowed(value);
}

} // namespace vornik
