#include "export/rasteriser.h"

#include "core/app/rounding.h"
#include "core/render/metafile_replay.h"
#include "export/device_mapping.h"
#include "export/glyphs/text_stamp.h"
#include "export/raster/raster_scene.h"

namespace vornik::exporting {
namespace {

constexpr double kUnitsPerInch = 2540.0;

// COLORREF holds red in its lowest byte.
Rgb toRgb(ColorRef color) {
    return {static_cast<std::uint8_t>(color & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
            static_cast<std::uint8_t>((color >> 16) & 0xFF)};
}

// Records the replayed calls into a raster scene: fills as they are, each
// text record as a stamp of its own.
class SceneBuilder : public render::PictureSink {
public:
    SceneBuilder(RasterScene& scene, double width, double height, double dotsPerInch,
                 TextRendering textRendering)
        : scene_(scene), mapping_(0, 0, width, height), textRendering_(textRendering),
          dotsPerInch_(dotsPerInch) {}

    void windowChanged(const render::Window& window) override { mapping_.setWindow(window); }
    void rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                   const render::LogBrush& brush) override;
    void text(const render::op::TextOut& call, const render::TextStyle& style) override;

private:
    RasterScene& scene_;
    DeviceMapping mapping_;
    TextRendering textRendering_;
    double dotsPerInch_;
};

// Hatched and pattern brushes are filled in their colour.
void SceneBuilder::rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                             const render::LogBrush& brush) {
    const PixelBox box = mapping_.box(call);
    if (box.isEmpty())
        return;
    if (brush.style != render::kBrushNull)
        scene_.fill(box, toRgb(brush.color));
    for (const PixelBox& band : mapping_.frame(box, pen, brush))
        scene_.fill(band, toRgb(pen.color));
}

// The reference point stands on a whole pixel, as in GDI.
void SceneBuilder::text(const render::op::TextOut& call, const render::TextStyle& style) {
    const TextPlacement placement{.x = static_cast<double>(nearest(mapping_.x(call.x))),
                                  .y = static_cast<double>(nearest(mapping_.y(call.y))),
                                  .heightScale = mapping_.scaleY(),
                                  .widthScale = mapping_.scaleX(),
                                  .dotsPerInch = dotsPerInch_,
                                  .deviceWidth = scene_.width(),
                                  .deviceHeight = scene_.height()};
    scene_.lay(drawText(call, style, placement, textRendering_),
               textRendering_ == TextRendering::Crisp ? Coverage::Threshold : Coverage::Blend);
}

} // namespace

PixelImage rasterise(const render::Metafile& metafile, int xExtentUnits, int yExtentUnits,
                     double dotsPerInch, TextRendering textRendering) {
    if (xExtentUnits <= 0 || yExtentUnits <= 0 || !(dotsPerInch > 0))
        return {};
    RasterScene scene(devicePixels(xExtentUnits, dotsPerInch),
                      devicePixels(yExtentUnits, dotsPerInch), Rgb{255, 255, 255});
    SceneBuilder builder(scene, xExtentUnits * dotsPerInch / kUnitsPerInch,
                         yExtentUnits * dotsPerInch / kUnitsPerInch, dotsPerInch, textRendering);
    render::replay(metafile, builder);
    return scene.render(dotsPerInch);
}

} // namespace vornik::exporting
