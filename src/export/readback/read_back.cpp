#include "export/readback/read_back.h"

#include "export/readback/grey_image.h"

#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

namespace vornik::exporting {

namespace {

// Light space put around the image: symbols drawn without quiet zones reach
// the picture's edge, and a reader needs light on either side.
constexpr int kMargin = 80;

struct FormatName {
    std::string_view name;
    ZXing::BarcodeFormat format;
};

constexpr std::array kFormats = {
    FormatName{"Code39", ZXing::BarcodeFormat::Code39},
    FormatName{"Code39FullAscii", ZXing::BarcodeFormat::Code39},
    FormatName{"Code93", ZXing::BarcodeFormat::Code93},
    FormatName{"Code128", ZXing::BarcodeFormat::Code128},
    FormatName{"Codabar", ZXing::BarcodeFormat::Codabar},
    FormatName{"ITF", ZXing::BarcodeFormat::ITF},
    FormatName{"UPC-A", ZXing::BarcodeFormat::UPCA},
    FormatName{"UPC-E", ZXing::BarcodeFormat::UPCE},
    FormatName{"EAN-8", ZXing::BarcodeFormat::EAN8},
    FormatName{"EAN-13", ZXing::BarcodeFormat::EAN13},
    FormatName{"DataBar", ZXing::BarcodeFormat::DataBar},
    FormatName{"PDF417", ZXing::BarcodeFormat::PDF417},
    FormatName{"DataMatrix", ZXing::BarcodeFormat::DataMatrix},
    FormatName{"Aztec", ZXing::BarcodeFormat::Aztec},
};

std::optional<ZXing::BarcodeFormat> formatNamed(std::string_view name) {
    for (const FormatName& entry : kFormats)
        if (entry.name == name)
            return entry.format;
    return std::nullopt;
}

GreyImage onLightPage(const GreyImage& image) {
    GreyImage page{image.width + 2 * kMargin, image.height + 2 * kMargin, {}};
    page.pixels.assign(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height),
                       255);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(
            image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width,
            page.pixels.begin() + static_cast<std::ptrdiff_t>(y + kMargin) * page.width + kMargin);
    return page;
}

void copyText(std::string_view text, char* out, std::size_t size) {
    if (out == nullptr || size == 0)
        return;
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

} // namespace

} // namespace vornik::exporting

extern "C" int vornik_read_back(const char* file, const char* format, int pure, char* text,
                                std::size_t textSize, char* error, std::size_t errorSize) {
    using namespace vornik::exporting;
    copyText("", text, textSize);
    const auto wanted = formatNamed(format);
    if (!wanted) {
        copyText("the reader knows no symbology " + std::string(format), error, errorSize);
        return VORNIK_READ_BACK_UNREADABLE;
    }
    auto read = readGreyImage(file);
    if (const auto* failure = std::get_if<std::string>(&read)) {
        copyText(*failure, error, errorSize);
        return VORNIK_READ_BACK_UNREADABLE;
    }
    const GreyImage page = onLightPage(std::get<GreyImage>(read));
    const ZXing::ImageView view(page.pixels.data(), page.width, page.height,
                                ZXing::ImageFormat::Lum);
    const auto hints = ZXing::DecodeHints()
                           .setFormats(*wanted)
                           .setTryHarder(true)
                           .setTryRotate(true)
                           .setReturnCodabarStartEnd(true)
                           .setTryCode39ExtendedMode(std::string_view(format) == "Code39FullAscii")
                           .setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read)
                           .setIsPure(pure != 0);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return VORNIK_READ_BACK_NOTHING;
    copyText(result.text(), text, textSize);
    return VORNIK_READ_BACK_READ;
}
