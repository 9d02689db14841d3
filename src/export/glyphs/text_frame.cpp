#include "export/glyphs/text_frame.h"

#include <cmath>
#include <numbers>

namespace vornik::exporting {
namespace {

// Quarter turns come out exact, so that turned text stands on whole pixels
// as upright text does.
double exact(double value) {
    constexpr double kNoise = 1e-12;
    return std::abs(value) < kNoise ? 0.0 : value;
}

} // namespace

TextFrame::TextFrame(FramePoint reference, double escapementTenths, double stretch)
    : reference_(reference),
      cosine_(exact(std::cos(escapementTenths / 10.0 * std::numbers::pi / 180.0))),
      sine_(exact(std::sin(escapementTenths / 10.0 * std::numbers::pi / 180.0))),
      stretch_(stretch > 0 ? stretch : 1.0) {}

FramePoint TextFrame::toDevice(FramePoint point) const {
    const double x = point.x * stretch_;
    return {reference_.x + x * cosine_ + point.y * sine_,
            reference_.y - x * sine_ + point.y * cosine_};
}

FramePoint TextFrame::fromDevice(FramePoint point) const {
    const double dx = point.x - reference_.x;
    const double dy = point.y - reference_.y;
    return {(dx * cosine_ - dy * sine_) / stretch_, dx * sine_ + dy * cosine_};
}

} // namespace vornik::exporting
