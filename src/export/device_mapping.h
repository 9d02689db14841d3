#pragma once

#include "core/render/metafile.h"
#include "core/render/metafile_replay.h"
#include "export/raster/raster_scene.h"

#include <limits>
#include <vector>

namespace vornik::exporting {

// The side in whole pixels of `units` (0.01 mm) at `dotsPerInch`, at least 1
// and at most kMostDevicePixels (NaN gives 1).
inline constexpr int kMostDevicePixels = std::numeric_limits<int>::max();
[[nodiscard]] int devicePixels(int units, double dotsPerInch);

// The resolution in dots per metre, as images record it.
[[nodiscard]] int dotsPerMetre(double dotsPerInch);

// Maps a picture's logical coordinates onto device pixels as GDI plays a
// metafile: the window (origin and extent as the records set them) onto a
// target rectangle of the device. A negative window extent turns the axis
// over, so the pictures' downward-running negative y lands top to bottom.
class DeviceMapping {
public:
    DeviceMapping(double left, double top, double width, double height)
        : left_(left), top_(top), width_(width), height_(height) {}

    void setWindow(const render::Window& window);

    [[nodiscard]] double x(double logicalX) const {
        return left_ + (logicalX - window_.originX) * scaleX_;
    }
    [[nodiscard]] double y(double logicalY) const {
        return top_ + (logicalY - window_.originY) * scaleY_;
    }
    [[nodiscard]] double scaleX() const { return scaleX_; }
    [[nodiscard]] double scaleY() const { return scaleY_; }

    // The pixels a rectangle covers. Each edge is mapped and rounded on its
    // own, so that equal widths in units give equal widths in pixels wherever
    // they stand. As in GDI, the right and bottom edges are not part of it.
    [[nodiscard]] PixelBox box(const render::op::Rectangle& rectangle) const;

    // The bands of pixels a rectangle's outline covers, none when its pen
    // draws nothing that shows: a null pen, or an inside frame in the fill's
    // own colour (bars are drawn so, and their frames would cost four fills
    // each). Pen widths scale with x, as in GDI, width 0 being one pixel; an
    // inside-frame pen stays within the rectangle, any other straddles its
    // edge.
    [[nodiscard]] std::vector<PixelBox> frame(const PixelBox& box, const render::LogPen& pen,
                                              const render::LogBrush& brush) const;

private:
    double left_;
    double top_;
    double width_;
    double height_;
    render::Window window_;
    double scaleX_ = 1;
    double scaleY_ = 1;
};

} // namespace vornik::exporting
