#pragma once

namespace vornik::exporting {

// A point in device pixels, or in a text's own frame.
struct FramePoint {
    double x = 0;
    double y = 0;
};

// A text's own frame on the device: x runs along the baseline from the
// reference point, y downwards, both in pixels before the horizontal stretch;
// the frame is stretched along x, then turned counter-clockwise by the
// escapement about the reference point. GDI never mirrors text, whatever the
// window's orientation, so neither does the frame.
class TextFrame {
public:
    TextFrame(FramePoint reference, double escapementTenths, double stretch);

    [[nodiscard]] FramePoint toDevice(FramePoint point) const;
    [[nodiscard]] FramePoint fromDevice(FramePoint point) const;
    // Neither turned nor stretched: glyphs stand on whole pixels as drawn.
    [[nodiscard]] bool isUpright() const { return sine_ == 0 && cosine_ == 1 && stretch_ == 1; }

    [[nodiscard]] double cosine() const { return cosine_; }
    [[nodiscard]] double sine() const { return sine_; }
    [[nodiscard]] double stretch() const { return stretch_; }

private:
    FramePoint reference_;
    double cosine_;
    double sine_;
    double stretch_;
};

} // namespace vornik::exporting
