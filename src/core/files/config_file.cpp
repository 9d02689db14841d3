// The configuration file: a line-oriented text part written as a sequential
// print would, a raw section for the three strings that may hold any byte,
// then the comment and the groups added by later versions, each of which a
// reader takes only when the file goes on that far.

#include "core/files/config_file.h"

#include "core/app/numeric_text.h"
#include "core/app/raster_properties.h"
#include "core/app/rounding.h"
#include "core/twod/dm_options.h"
#include "core/twod/pdf417_layout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vornik::files {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// --- writing ------------------------------------------------------------------

class ConfigWriter {
public:
    // Text of a line field; a line break inside it would end the field
    // early and shift every field after it, so it is written as a blank.
    void line(std::string_view text) {
        for (char c : text)
            out_ += (c == '\r' || c == '\n') ? ' ' : c;
        out_ += kLineEnd;
    }
    // A whole number: sign position (blank or "-"), digits, a trailing blank.
    void whole(std::int64_t value) {
        out_ += value < 0 ? "-" : " ";
        const std::uint64_t magnitude =
            value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        out_ += std::to_string(magnitude);
        out_ += ' ';
        out_ += kLineEnd;
    }
    void boolean(bool value) { whole(value ? -1 : 0); }
    // A number as text with "." as the separator, a blank before a value that
    // is not negative; the shortest text that reads back as the same value.
    template <typename Float> void number(Float value) {
        // No number reads back from "inf" or "nan"; 0 keeps the file loadable.
        if (!std::isfinite(value))
            value = 0;
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        std::string text(buffer.data(), end);
        for (char& c : text)
            if (c == 'e')
                c = 'E';
        out_ += std::signbit(value) ? "" : " ";
        out_ += text;
        out_ += kLineEnd;
    }
    void raw(std::string_view bytes) { out_ += bytes; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// Whether numbering goes into the supplement has no field of its own; it
// rides in a field that used to be written as 0 and ignored, so that 0, as
// every older file holds, still means the message is numbered.
std::int32_t supplementNumbered(const Job& job) {
    return job.IncTarget ? 0 : 1;
}

std::int32_t positionBits(const Job& job) {
    return (job.TextAbove ? 1 : 0) | (job.CommentAbove ? 2 : 0);
}

void writeSettings(ConfigWriter& w, const ConfigurationRecord& r) {
    const Job& j = r.job;
    w.line(r.MessageFilePath);
    w.line(r.BarcodeSavePath);
    w.whole(j.PdfCharacterSet);
    w.boolean(r.MessageFileOpen);
    w.whole(static_cast<std::int32_t>(j.Symbology));
    w.boolean(j.Transparent);
    w.boolean(j.FixDriver);
    w.whole(static_cast<std::int32_t>(j.Units));
    w.boolean(j.IncludeText);
    w.whole(positionBits(j));
    w.whole(static_cast<std::int32_t>(j.Units));
    w.boolean(j.BearerBars);
    w.line(j.FontName);
    w.whole(j.FontSize);
    for (bool flag : {j.FontBold, j.FontItalic, j.FontUnderline, j.FontStrikeout, j.AutoFontScaling,
                      j.QuietZones, j.BearerBars})
        w.boolean(flag);
    w.whole(static_cast<std::int32_t>(j.Orientation));
    w.whole(j.ClipboardMode);
    w.boolean(j.CheckDigit);
    w.whole(supplementNumbered(j));
    w.whole(j.Ratio);
}

void writePdfAndPrinting(ConfigWriter& w, const ConfigurationRecord& r) {
    const Job& j = r.job;
    w.line(r.MagnifyText);
    w.line(r.WidthText);
    w.line(r.HeightText);
    w.line(j.Supplement);
    for (std::int32_t value : {j.PdfSecurityLevel, j.PdfLayoutFlag, j.PdfMode, j.PdfOverheadPercent,
                               j.PdfShowCodewords, j.TargetDpiX, j.TargetDpiY})
        w.whole(value);
    w.whole(j.PrintWarnings ? 1 : 0);
    w.boolean(j.MessageWarnings);
    for (ColorRef color : {j.FontColor, j.ForeColor, j.BackColor})
        w.whole(static_cast<std::int32_t>(color));
    for (std::int32_t value : {j.PdfMaxRows, j.PdfMaxColumns, j.PdfTruncated, j.ReservedSetting})
        w.whole(value);
    w.boolean(j.AnsiDisplay);
    w.whole(j.BarWidthAdjust);
    w.whole(j.IncEnabled);
}

void writeNumbersAndStrings(ConfigWriter& w, const Job& j) {
    for (float value :
         {j.PdfModuleWidth, j.PdfModuleHeight, j.Magnification, j.NarrowBarWidth, j.BarHeight})
        w.number(value);
    for (double value : {j.PdfAspectRatio, j.IncStart, j.IncValue, j.IncWidth})
        w.number(value);
    w.whole(static_cast<std::int64_t>(j.IncPreamble.size()));
    w.whole(static_cast<std::int64_t>(j.IncPostamble.size()));
    w.whole(static_cast<std::int64_t>(j.Message.size()));
    w.raw(j.IncPreamble);
    w.raw(j.IncPostamble);
    w.raw(j.Message);
    w.line(j.Comment);
}

void writeLaterGroups(ConfigWriter& w, const Job& j) {
    w.number(static_cast<double>(j.CommentAlign));
    w.number(static_cast<double>(j.AztecEcPercent));
    w.number(j.ModuleSize);
    w.number(static_cast<double>(j.AztecMenuFlag));
    w.number(static_cast<double>(j.DmEccLevel));
    w.number(static_cast<double>(j.DmFormatOption * 8 + j.DmFormat));
    w.number(static_cast<double>(j.DmStandard));
    for (std::int32_t value :
         {j.BitsPerPixel, j.RasterResolution, j.JpegQuality, j.PngFilter, j.PngInterlace,
          j.BmpCompression, j.TgaCompression, j.TiffCompression, j.GifCompression, 0})
        w.number(static_cast<double>(value));
}

// --- reading ------------------------------------------------------------------

constexpr std::int32_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32High = std::numeric_limits<std::int32_t>::max();

// From this magnitude on a double no longer rounds to a finite float: half a
// step above the largest float. Below it, every value the writer gives a
// float field (its shortest text, read as a double) becomes that float again.
constexpr double kSingleOverflow = 0x1p128 - 0x1p103;

// Reads fields off the front of the bytes. The first field that is missing,
// malformed or outside its range marks the whole read failed; later reads
// then give defaults and the caller throws the result away.
class ConfigReader {
public:
    explicit ConfigReader(std::string_view bytes) : bytes_(bytes) {}

    [[nodiscard]] bool failed() const { return failed_; }
    [[nodiscard]] bool atEnd() const { return pos_ >= bytes_.size(); }

    // A line ends at CR LF, CR or LF; a file that stops before a line's end
    // has lost the rest of the field.
    std::string line() {
        if (failed_)
            return {};
        const auto end = bytes_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos)
            return fail<std::string>();
        std::string text(bytes_.substr(pos_, end - pos_));
        pos_ = end + 1;
        if (bytes_[end] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        return text;
    }

    // A whole number alone on its line, within [low, high].
    std::int64_t whole(std::int64_t low, std::int64_t high) {
        const std::string text = line();
        const auto first = text.find_first_not_of(' ');
        const auto last = text.find_last_not_of(' ');
        if (failed_ || first == std::string::npos)
            return fail<std::int64_t>();
        std::int64_t value = 0;
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        const auto parsed = std::from_chars(begin, end, value);
        if (parsed.ec != std::errc() || parsed.ptr != end || value < low || value > high)
            return fail<std::int64_t>();
        return value;
    }
    std::int32_t int32(std::int32_t low = kInt32Low, std::int32_t high = kInt32High) {
        return static_cast<std::int32_t>(whole(low, high));
    }
    template <typename Valid> std::int32_t int32If(Valid valid) { return kept(int32(), valid); }
    // True when not zero, whatever the number: the setting's only test.
    bool boolean() { return int32() != 0; }

    // A number written with "." as its separator, alone on its line, within
    // [low, high]. The parser gives no infinity and no NaN.
    double number(double low = std::numeric_limits<double>::lowest(),
                  double high = std::numeric_limits<double>::max()) {
        const std::string text = line();
        if (failed_)
            return 0.0;
        const auto value = wholeNumber(text);
        return value && *value >= low && *value <= high ? *value : fail<double>();
    }
    // A number that a float field holds: one that rounds to a finite float.
    float single() {
        const double value = number();
        return std::fabs(value) < kSingleOverflow ? static_cast<float>(value) : fail<float>();
    }
    // A whole number written as a number, within [low, high] once rounded.
    std::int32_t numberAsInt(std::int32_t low = kInt32Low, std::int32_t high = kInt32High) {
        const double value = number();
        const std::int32_t rounded = nearest(value);
        if (value < low - 0.5 || value > high + 0.5 || rounded < low || rounded > high)
            return fail<std::int32_t>();
        return rounded;
    }
    template <typename Valid> std::int32_t numberAsIntIf(Valid valid) {
        return kept(numberAsInt(), valid);
    }

    std::string raw(std::int64_t length) {
        if (failed_ || length < 0 || static_cast<std::uint64_t>(length) > bytes_.size() - pos_)
            return fail<std::string>();
        std::string text(bytes_.substr(pos_, static_cast<std::size_t>(length)));
        pos_ += static_cast<std::size_t>(length);
        return text;
    }

private:
    template <typename T> T fail() {
        failed_ = true;
        return T{};
    }
    template <typename Valid> std::int32_t kept(std::int32_t value, Valid valid) {
        return failed_ || valid(value) ? value : fail<std::int32_t>();
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// The values the commands, menus and dialogs can give each setting; a file
// holding any other was not written by this program, and its value could
// reach arithmetic that was never meant for it.

constexpr std::int32_t kLastPdfCharacterSet = 2; // display set, ASCII, ANSI
constexpr std::int32_t kLastPdfMode = 4;
constexpr std::int32_t kAutomaticPdfSecurity = 9;
constexpr std::int32_t kHighestPdfOverhead = 99;
constexpr std::int32_t kLastPdfLayoutRule =
    static_cast<std::int32_t>(twod::PdfLayoutRule::FixedColumns);
constexpr std::int32_t kLastTiffCompression =
    static_cast<std::int32_t>(kTiffCompressionEntries.size()) - 1;
constexpr std::int32_t kPositionBits = 3;       // text above, comment above
constexpr std::int32_t kLastDmFormatField = 63; // format and shape option, 0 to 7 each
// Font sizes as [FONTSIZE= takes them, in points; a font of less than a point
// cannot be drawn.
constexpr std::int32_t kSmallestFontSize = 1;
constexpr std::int32_t kLargestFontSize = 32767;
constexpr std::int32_t kHighestTargetResolution = 99999;
constexpr std::int32_t kLargestColor = 0xFFFFFF;

bool isBarWidthAdjustment(std::int32_t value) {
    return (value & ~(kBarWidthStepMask | kBarWidthGainBit)) == 0;
}
bool isDmEccLevel(std::int32_t value) {
    return std::ranges::find(twod::kDmEccLevels, value) != twod::kDmEccLevels.end();
}
bool isBitsPerPixel(std::int32_t value) {
    return value == 1 || value == 8 || value == 24;
}
// All filters, none, sub, up, average and Paeth: the even numbers 0 to 10.
bool isPngFilter(std::int32_t value) {
    return value >= 0 && value % 2 == 0 && value / 2 < static_cast<int>(kPngFilterEntries.size());
}

// Inches and mils for 1000, metric for 2540, printer dots for anything else,
// as the unit menu is chosen from a file.
Units unitsFromFile(std::int32_t value) {
    if (value == static_cast<std::int32_t>(Units::InchesMils))
        return Units::InchesMils;
    if (value == static_cast<std::int32_t>(Units::Metric))
        return Units::Metric;
    return Units::PrinterDots;
}

void readSettings(ConfigReader& in, ConfigurationRecord& r) {
    Job& j = r.job;
    r.MessageFilePath = in.line();
    r.BarcodeSavePath = in.line();
    j.PdfCharacterSet = in.int32(0, kLastPdfCharacterSet);
    r.MessageFileOpen = in.boolean();
    j.Symbology = static_cast<Symbology>(in.int32(kFirstSymbology, kLastSymbology));
    j.Transparent = in.boolean();
    j.FixDriver = in.boolean();
    (void)in.int32(); // the unit again below, chosen through the menu
    j.IncludeText = in.boolean();
    const std::int32_t position = in.int32(0, kPositionBits);
    j.TextAbove = (position & 1) != 0;
    j.CommentAbove = (position & 2) != 0;
    j.Units = unitsFromFile(in.int32());
    (void)in.boolean(); // bearer bars, stored again below
    j.FontName = in.line();
    j.FontSize = in.int32(kSmallestFontSize, kLargestFontSize);
    for (bool* flag : {&j.FontBold, &j.FontItalic, &j.FontUnderline, &j.FontStrikeout,
                       &j.AutoFontScaling, &j.QuietZones, &j.BearerBars})
        *flag = in.boolean();
    j.Orientation = static_cast<Orientation>(in.int32(0, 2));
    j.ClipboardMode = in.int32(0, 1);
    j.CheckDigit = in.boolean();
    j.IncTarget = in.int32(0, 1) != 1;
    j.Ratio = static_cast<std::int16_t>(in.int32(0, 10));
}

void readPdfAndPrinting(ConfigReader& in, ConfigurationRecord& r) {
    Job& j = r.job;
    r.MagnifyText = in.line();
    r.WidthText = in.line();
    r.HeightText = in.line();
    j.Supplement = in.line();
    j.PdfSecurityLevel = in.int32(0, kAutomaticPdfSecurity);
    j.PdfLayoutFlag = in.int32(0, kLastPdfLayoutRule);
    j.PdfMode = in.int32(0, kLastPdfMode);
    j.PdfOverheadPercent = in.int32(0, kHighestPdfOverhead);
    j.PdfShowCodewords = in.int32(0, 1);
    // Every conversion into printer dots divides by the resolution.
    j.TargetDpiX = in.int32(1, kHighestTargetResolution);
    j.TargetDpiY = in.int32(1, kHighestTargetResolution);
    j.PrintWarnings = in.boolean();
    j.MessageWarnings = in.boolean();
    for (ColorRef* color : {&j.FontColor, &j.ForeColor, &j.BackColor})
        *color = static_cast<ColorRef>(in.int32(0, kLargestColor));
    // A limit below a symbol's fewest rows or columns is the layout's to report.
    j.PdfMaxRows = in.int32(kInt32Low, twod::kMostRows);
    j.PdfMaxColumns = in.int32(kInt32Low, twod::kMostColumns);
    j.PdfTruncated = in.int32(0, 1);
    j.ReservedSetting = in.int32(); // nothing reads it: kept whatever it is
    j.AnsiDisplay = in.boolean();
    j.BarWidthAdjust = in.int32If(isBarWidthAdjustment);
    j.IncEnabled = in.int32(0, 1);
}

// Lengths and the magnification take any number that a typed text or a
// command can give them, the largest floats and negative values included:
// the Build command clamps a linear symbol's dimensions and reports a symbol
// too large for its picture, so no value of a float reaches an overflow.
void readNumbersAndStrings(ConfigReader& in, Job& j) {
    for (float* value :
         {&j.PdfModuleWidth, &j.PdfModuleHeight, &j.Magnification, &j.NarrowBarWidth, &j.BarHeight})
        *value = in.single();
    // The aspect ratio, start and step take any number as well; the number of
    // digits is typed with digits only, and numbering caps what it writes.
    for (double* value : {&j.PdfAspectRatio, &j.IncStart, &j.IncValue})
        *value = in.number();
    j.IncWidth = in.number(0.0, std::numeric_limits<double>::max());
    const std::int64_t preambleLength = in.whole(0, kInt32High);
    const std::int64_t postambleLength = in.whole(0, kInt32High);
    const std::int64_t messageLength = in.whole(0, kInt32High);
    j.IncPreamble = in.raw(preambleLength);
    j.IncPostamble = in.raw(postambleLength);
    j.Message = in.raw(messageLength);
}

void readFirstGroup(ConfigReader& in, Job& j) {
    j.CommentAlign = static_cast<CommentAlignment>(in.numberAsInt(0, 2));
    // [AZTECECP= takes any whole number; the encoder refuses what names no
    // level or layer count.
    j.AztecEcPercent = in.numberAsInt();
    j.ModuleSize = in.single();
    j.AztecMenuFlag = in.numberAsInt(0, 1);
}

void readSecondGroup(ConfigReader& in, Job& j) {
    j.DmEccLevel = in.numberAsIntIf(isDmEccLevel);
    const std::int32_t format = in.numberAsInt(0, kLastDmFormatField);
    j.DmFormat = format & 7;
    j.DmFormatOption = (format & 56) / 8;
    j.DmStandard = in.numberAsInt(0, 1);
}

void readThirdGroup(ConfigReader& in, Job& j) {
    j.BitsPerPixel = in.numberAsIntIf(isBitsPerPixel);
    j.RasterResolution = in.numberAsInt(kLowestRasterResolution, kHighestRasterResolution);
    j.JpegQuality = in.numberAsInt(1, kHighestJpegQuality);
    j.PngFilter = in.numberAsIntIf(isPngFilter);
    for (std::int32_t* value : {&j.PngInterlace, &j.BmpCompression, &j.TgaCompression})
        *value = in.numberAsInt(0, 1);
    j.TiffCompression = in.numberAsInt(0, kLastTiffCompression);
    j.GifCompression = in.numberAsInt(0, 1);
    (void)in.number(); // reserved
}

} // namespace

std::string writeConfigurationBytes(const ConfigurationRecord& record) {
    ConfigWriter w;
    w.line(kConfigurationBanner);
    writeSettings(w, record);
    writePdfAndPrinting(w, record);
    writeNumbersAndStrings(w, record.job);
    writeLaterGroups(w, record.job);
    return w.take();
}

std::optional<ConfigurationRecord> parseConfigurationBytes(std::string_view bytes,
                                                           ConfigurationRecord start) {
    ConfigReader in(bytes);
    const std::string banner = in.line();
    if (in.failed() || (banner != kConfigurationBanner && banner != kLegacyConfigurationBanner))
        return std::nullopt;
    ConfigurationRecord record = std::move(start);
    readSettings(in, record);
    readPdfAndPrinting(in, record);
    readNumbersAndStrings(in, record.job);
    // The comment follows the last raw byte on the same line.
    if (!in.failed() && !in.atEnd())
        record.job.Comment = in.line();
    if (!in.failed() && !in.atEnd())
        readFirstGroup(in, record.job);
    if (!in.failed() && !in.atEnd())
        readSecondGroup(in, record.job);
    if (!in.failed() && !in.atEnd())
        readThirdGroup(in, record.job);
    if (in.failed())
        return std::nullopt;
    return record;
}

} // namespace vornik::files
