#pragma once

#include "core/app/symbology.h"

#include <cstdint>
#include <string>

namespace vornik {

// Display unit of the dimension boxes; the value is stored in files.
enum class Units : std::int32_t {
    PrinterDots = 0,
    InchesMils = 1000,
    Metric = 2540,
};

enum class Orientation : std::int32_t {
    Horizontal = 0,
    Vertical90 = 1,
    Vertical270 = 2,
};

enum class CommentAlignment : std::int32_t {
    Left = 0,
    Center = 1,
    Right = 2,
};

// Colours are Windows colour references, 0x00BBGGRR.
using ColorRef = std::uint32_t;

inline constexpr ColorRef kBlack = 0x000000;
inline constexpr ColorRef kWhite = 0xFFFFFF;

// BarWidthAdjust: bits 0 to 3 are the step (5 % each), bit 5 selects gain.
inline constexpr std::int32_t kBarWidthStepMask = 0x0F;
inline constexpr std::int32_t kBarWidthGainBit = 0x20;

// Every setting that defines the symbol. Widths and module sizes are in
// thousandths of a centimetre (13 mils is 33.02), the bar height in
// centimetres. Strings hold character codes 0 to 255, NUL included.
// The member names are the program's own field names.
struct Job {
    vornik::Symbology Symbology = vornik::Symbology::Code39;
    std::string Message;
    std::string Comment;
    std::string Supplement;

    float NarrowBarWidth = 33.02f;
    float BarHeight = 2.54f;
    std::int16_t Ratio = 5; // index into 2.0, 2.1, ... 3.0
    float Magnification = 100.0f;
    float ModuleSize = 50.8f;

    float PdfModuleWidth = 25.4f;
    float PdfModuleHeight = 76.2f;
    double PdfAspectRatio = 0.5;
    std::int32_t PdfSecurityLevel = 9; // 9 = automatic
    std::int32_t PdfMode = 0;
    std::int32_t PdfOverheadPercent = 11;
    std::int32_t PdfShowCodewords = 0;
    std::int32_t PdfTruncated = 0;
    std::int32_t PdfMaxRows = 90;
    std::int32_t PdfMaxColumns = 30;
    std::int32_t PdfLayoutFlag = 0;
    std::int32_t PdfCharacterSet = 0;

    std::int32_t AztecEcPercent = 0;
    std::int32_t AztecMenuFlag = 0;
    std::int32_t DmEccLevel = 26;
    std::int32_t DmFormat = 6;
    std::int32_t DmFormatOption = 0;
    std::int32_t DmStandard = 1;

    vornik::Units Units = vornik::Units::InchesMils;
    vornik::Orientation Orientation = vornik::Orientation::Horizontal;
    bool IncludeText = true;
    bool TextAbove = false;
    bool CommentAbove = true;
    CommentAlignment CommentAlign = CommentAlignment::Left;

    std::string FontName = std::string("Arial\0", 6);
    std::int32_t FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikeout = false;
    ColorRef FontColor = kBlack;
    bool AutoFontScaling = false;
    ColorRef ForeColor = kBlack;
    ColorRef BackColor = kWhite;
    bool Transparent = false;

    bool QuietZones = false;
    bool BearerBars = false;
    bool CheckDigit = false;
    bool DisableAutoCheck = false;
    std::int32_t BarWidthAdjust = 0;

    std::int32_t TargetDpiX = 300;
    std::int32_t TargetDpiY = 300;
    std::int32_t DotsAcross = 300; // derived from the target and the orientation
    std::int32_t DotsAlong = 300;

    bool PrintWarnings = true; // stored as 1 or 0
    bool MessageWarnings = true;
    bool FixDriver = false;
    bool AnsiDisplay = false;

    std::int32_t ClipboardMode = 0;
    std::int32_t BitsPerPixel = 1;
    std::int32_t RasterResolution = 300;
    std::int32_t JpegQuality = 100;
    std::int32_t PngFilter = 0;
    std::int32_t PngInterlace = 0;
    std::int32_t BmpCompression = 0;
    std::int32_t TgaCompression = 0;
    std::int32_t GifCompression = 0;
    std::int32_t TiffCompression = 0;

    double IncStart = 0.0;
    double IncValue = 1.0;
    double IncWidth = 0.0;
    std::int32_t IncEnabled = 0;
    bool IncTarget = true; // true = number the message, false = the supplement
    std::string IncPreamble;
    std::string IncPostamble;

    // A setting of earlier versions that configuration files still carry; it
    // is kept as read and written back unchanged.
    std::int32_t ReservedSetting = 2;

    bool operator==(const Job&) const = default;
};

// DotsAcross and DotsAlong follow the target resolution and the orientation:
// across the bars is the printer's x axis for horizontal symbols and its y
// axis for vertical ones.
void deriveDots(Job& job);

// The form the message box shows: every NUL replaced by character 255.
[[nodiscard]] std::string DisplayForm(std::string_view internalMessage);

} // namespace vornik
