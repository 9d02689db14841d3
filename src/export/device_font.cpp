#include "export/device_font.h"

#include "core/app/rounding.h"
#include "export/text_rendering.h"
#include "export/windows1252.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vornik::exporting {
namespace {

// The family bits (high nibble) of LOGFONT's pitch-and-family byte: FF_ROMAN,
// FF_SWISS, FF_MODERN, FF_SCRIPT, FF_DECORATIVE. They steer the fallback when
// the face itself is not installed.
QFont::StyleHint styleHintFor(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily >> 4) {
    case 1:
        return QFont::Serif;
    case 2:
        return QFont::SansSerif;
    case 3:
        return QFont::Monospace;
    case 4:
        return QFont::Cursive;
    case 5:
        return QFont::Decorative;
    }
    return QFont::AnyStyle;
}

// LOGFONT weights and Qt's weights share the 100..900 scale; 0 means "don't
// care", which GDI draws as normal.
QFont::Weight weightFor(std::int16_t weight) {
    if (weight <= 0) {
        return QFont::Normal;
    }
    return static_cast<QFont::Weight>(std::clamp<int>(weight, 1, 1000));
}

// Qt sizes fonts by the em; GDI by the cell when the height is positive.
// Measure the cell at a trial size and scale the em to fit.
int pixelSizeFor(QFont font, double height, const QPaintDevice* device) {
    const int trial = std::max(1, nearest(std::abs(height)));
    if (height < 0) {
        return trial;
    }
    font.setPixelSize(trial);
    const QFontMetricsF metrics(font, device);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell <= 0) {
        return trial;
    }
    return std::max(1, nearest(height * trial / cell));
}

// What a device font was made for.
struct FontKey {
    render::LogFont log;
    double heightScale;
    double widthScale;
    bool antialiased;
    int dpiX;
    int dpiY;
    bool operator==(const FontKey&) const = default;
};

// A batch of labels uses a font or two; a long-running program that has seen
// many starts afresh rather than keep them all.
constexpr std::size_t kCachedFonts = 32;

} // namespace

DeviceFont makeDeviceFont(const render::LogFont& log, double heightScale, double widthScale,
                          const QPaintDevice* device, bool antialiased) {
    QFont font;
    if (!log.faceName.empty()) {
        font.setFamily(fromWindows1252(log.faceName));
    }
    font.setStyleHint(styleHintFor(log.pitchAndFamily));
    font.setWeight(weightFor(log.weight));
    font.setItalic(log.italic != 0);
    font.setUnderline(log.underline != 0);
    font.setStrikeOut(log.strikeOut != 0);
    // GDI's text-out advances by the plain glyph widths.
    font.setKerning(false);
    if (log.height != 0) {
        font.setPixelSize(pixelSizeFor(font, log.height * heightScale, device));
    }

    if (!antialiased) {
        font.setStyleStrategy(QFont::NoAntialias);
    }

    const QFontMetricsF metrics(font, device);
    DeviceFont result{font, 1.0, QRawFont::fromFont(font), metrics.ascent(), metrics.descent()};
    if (log.width != 0) {
        result.horizontalScale = textStretch(log.width * widthScale, metrics.averageCharWidth());
    }
    return result;
}

DeviceFont cachedDeviceFont(const render::LogFont& log, double heightScale, double widthScale,
                            const QPaintDevice* device, bool antialiased) {
    thread_local std::vector<std::pair<FontKey, DeviceFont>> cache;
    const FontKey key{log,
                      heightScale,
                      widthScale,
                      antialiased,
                      device ? device->logicalDpiX() : 0,
                      device ? device->logicalDpiY() : 0};
    for (const auto& [made, font] : cache)
        if (made == key)
            return font;
    if (cache.size() == kCachedFonts)
        cache.clear();
    cache.emplace_back(key, makeDeviceFont(log, heightScale, widthScale, device, antialiased));
    return cache.back().second;
}

} // namespace vornik::exporting
