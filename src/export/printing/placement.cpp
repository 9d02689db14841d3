#include "export/printing/placement.h"

#include "core/app/rounding.h"

namespace vornik::printing {
namespace {

constexpr double kUnitsPerInch = 2540.0;

} // namespace

DeviceRect placeOnDevice(int dotsPerInchX, int dotsPerInchY, std::int32_t xExtent,
                         std::int32_t yExtent, double leftInches, double topInches) {
    return {nearest(leftInches * dotsPerInchX), nearest(topInches * dotsPerInchY),
            nearest(dotsPerInchX * (xExtent / kUnitsPerInch)),
            nearest(dotsPerInchY * (yExtent / kUnitsPerInch))};
}

} // namespace vornik::printing
