#include "core/app/printer_offset.h"

#include "core/app/host.h"
#include "core/app/number_format.h"
#include "core/app/numeric_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vornik {

namespace {

constexpr double kMillimetresPerInch = 25.4;

bool withinRange(double inches) {
    return std::isfinite(inches) && std::fabs(inches) <= kLargestPrinterOffsetInches;
}

// The display unit's size in inches on one axis.
double unitInches(const Job& job, int dotsPerInch) {
    switch (job.Units) {
    case Units::InchesMils:
        return 1.0;
    case Units::Metric:
        return 1.0 / kMillimetresPerInch;
    case Units::PrinterDots:
        return 1.0 / std::max(dotsPerInch, 1);
    }
    return 1.0;
}

std::string_view unitCaption(Units units) {
    switch (units) {
    case Units::InchesMils:
        return "inches";
    case Units::Metric:
        return "mm";
    case Units::PrinterDots:
        return "printer dots";
    }
    return "inches";
}

std::string_view unitPicture(Units units) {
    return units == Units::InchesMils ? "#0.000" : units == Units::Metric ? "#0.00" : "#0";
}

} // namespace

std::string printerOffsetKey(std::string_view printer) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string key = "PrinterOffset_";
    for (const char c : printer) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '-' || c == '_' || c == '.') {
            key += c;
            continue;
        }
        key += '%';
        key += kHex[byte >> 4];
        key += kHex[byte & 0x0F];
    }
    return key;
}

// Kept as "LEFT TOP" in inches.
PrinterOffset printerOffset(Host& host, std::string_view printer) {
    const auto text = host.readSetting(printerOffsetKey(printer));
    if (!text)
        return {};
    const auto blank = text->find(' ');
    if (blank == std::string::npos)
        return {};
    const auto left = wholeNumber(std::string_view(*text).substr(0, blank));
    const auto top = wholeNumber(std::string_view(*text).substr(blank + 1));
    if (!left || !top || !withinRange(*left) || !withinRange(*top))
        return {};
    return {*left, *top};
}

void storePrinterOffset(Host& host, std::string_view printer, PrinterOffset offset) {
    host.writeSetting(printerOffsetKey(printer), formatNumber(offset.leftInches, "") + " " +
                                                     formatNumber(offset.topInches, ""));
}

PrinterOffsetTexts printerOffsetTexts(const Job& job, PrinterOffset offset) {
    const std::string_view picture = unitPicture(job.Units);
    return {.unitCaption = std::string(unitCaption(job.Units)),
            .horizontal =
                formatNumber(offset.leftInches / unitInches(job, job.TargetDpiX), picture),
            .vertical = formatNumber(offset.topInches / unitInches(job, job.TargetDpiY), picture)};
}

std::variant<PrinterOffset, std::string>
readPrinterOffset(const Job& job, std::string_view horizontal, std::string_view vertical) {
    const auto left = wholeNumber(horizontal.empty() ? "0" : horizontal);
    const auto top = wholeNumber(vertical.empty() ? "0" : vertical);
    if (!left || !top)
        return std::string("An offset is a number, such as 0.02 or -0.5.");
    const PrinterOffset offset{*left * unitInches(job, job.TargetDpiX),
                               *top * unitInches(job, job.TargetDpiY)};
    if (!withinRange(offset.leftInches) || !withinRange(offset.topInches))
        return "An offset shifts a symbol by at most 1 inch (25.4 mm) either way.";
    return offset;
}

} // namespace vornik
