#include "core/render/calibration_page.h"

#include "core/render/oriented_canvas.h"
#include "core/render/symbol_picture.h"

#include <array>
#include <memory>
#include <string_view>

namespace vornik::render {

namespace {

// The picture reaches 7 inches right and 3 inches down: the cross and
// the lines of text below it fit on any paper.
constexpr int kWidth = 17780;
constexpr int kHeight = 7620;
constexpr int kCross = kCalibrationCrossUnits;
constexpr int kArm = 1270; // half an inch each way from the centre
constexpr int kLine = 10;  // half the width of a line of the cross
constexpr int kTickHalfWidth = 5;
constexpr int kTickPitch = 100;  // 1 mm
constexpr int kTicks = 12;       // each way from the centre
constexpr int kTextHeight = 350; // 3.5 mm
constexpr int kTextTop = 4200;
constexpr int kTextPitch = 550;

constexpr std::array<std::string_view, 5> kInstructions = {
    "Vornik printer calibration",
    "The centre of the cross should stand 25.4 mm (1 inch) from the left edge and 25.4 mm",
    "from the top edge of the paper. The ticks are 1 mm apart. Measure both distances.",
    "In each direction the printer's offset is 25.4 mm less the distance measured: type",
    "-0.6 when the cross stands 26.0 mm from the edge, 0.4 when it stands 25.0 mm.",
};

int tickLength(int k) {
    if (k % 10 == 0)
        return 300;
    return k % 5 == 0 ? 200 : 100;
}

// y runs downward into negative values.
void drawCross(MetafileRecorder& recorder) {
    recorder.rectangle(unit(kCross - kArm), unit(-(kCross - kLine)), unit(kCross + kArm),
                       unit(-(kCross + kLine)));
    recorder.rectangle(unit(kCross - kLine), unit(-(kCross - kArm)), unit(kCross + kLine),
                       unit(-(kCross + kArm)));
    for (int k = -kTicks; k <= kTicks; ++k) {
        if (k == 0)
            continue;
        const int at = kCross + k * kTickPitch;
        const int length = tickLength(k);
        recorder.rectangle(unit(at - kTickHalfWidth), unit(-(kCross + kLine)),
                           unit(at + kTickHalfWidth), unit(-(kCross + kLine + length)));
        recorder.rectangle(unit(kCross + kLine), unit(-(at - kTickHalfWidth)),
                           unit(kCross + kLine + length), unit(-(at + kTickHalfWidth)));
    }
}

void drawInstructions(SymbolPicture& picture) {
    MetafileRecorder& recorder = picture.recorder();
    const auto font = recorder.createFont({.height = kTextHeight, .faceName = "Arial"});
    picture.own(font);
    recorder.selectObject(font);
    recorder.setTextAlign(kAlignLeft | kAlignTop);
    recorder.setTextColor(kBlack);
    int top = kTextTop;
    for (const std::string_view line : kInstructions) {
        recorder.textOut(unit(kCross - kArm), unit(-top), std::string(line));
        top += kTextPitch;
    }
}

} // namespace

CurrentPicture calibrationPicture() {
    SymbolPicture picture(Job{}, kWidth, kHeight);
    drawCross(picture.recorder());
    drawInstructions(picture);
    return {.mappingMode = 8,
            .xExtent = kWidth,
            .yExtent = kHeight,
            .metafile = std::make_shared<const Metafile>(picture.finish())};
}

} // namespace vornik::render
