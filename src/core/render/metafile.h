#pragma once

#include "core/app/job.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vornik::render {

// A picture as a sequence of graphics calls of the Windows metafile kind:
// logical units of 0.01 mm, y running downward from 0 to negative values
// (window origin (0, 0), window extent (width, -height)). The recorder makes
// one; the WMF writer serialises it as standard metafile records and the
// reader parses them back; the player replays it onto a painter.

// Pen styles and brush styles used here (the GDI values).
inline constexpr std::uint16_t kPenSolid = 0;
inline constexpr std::uint16_t kPenNull = 5; // PS_NULL: no outline
inline constexpr std::uint16_t kPenInsideFrame = 6;
inline constexpr std::uint16_t kBrushSolid = 0;

// Background modes and text alignment flags (the GDI values).
inline constexpr std::uint16_t kTransparentBackground = 1;
inline constexpr std::uint16_t kOpaqueBackground = 2;
inline constexpr std::uint16_t kAlignLeft = 0;   // TA_LEFT
inline constexpr std::uint16_t kAlignRight = 2;  // TA_RIGHT
inline constexpr std::uint16_t kAlignCenter = 6; // TA_CENTER
inline constexpr std::uint16_t kAlignTop = 0;    // TA_TOP (combined with the above)

struct LogPen {
    std::uint16_t style = kPenSolid;
    std::int16_t width = 0;
    ColorRef color = kBlack;
    bool operator==(const LogPen&) const = default;
};

struct LogBrush {
    std::uint16_t style = kBrushSolid;
    ColorRef color = kBlack;
    std::uint16_t hatch = 0;
    bool operator==(const LogBrush&) const = default;
};

// The 16-bit LOGFONT: height is the character cell height in logical units
// (positive), escapement and orientation in tenths of a degree.
struct LogFont {
    std::int16_t height = 0;
    std::int16_t width = 0;
    std::int16_t escapement = 0;
    std::int16_t orientation = 0;
    std::int16_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName{}; // at most 31 bytes, no NUL
    bool operator==(const LogFont&) const = default;
};

// The calls, one per metafile record.
namespace op {
struct SetWindowOrg {
    std::int16_t x, y;
    bool operator==(const SetWindowOrg&) const = default;
};
struct SetWindowExt {
    std::int16_t x, y;
    bool operator==(const SetWindowExt&) const = default;
};
struct CreatePen {
    LogPen pen;
    bool operator==(const CreatePen&) const = default;
};
struct CreateBrush {
    LogBrush brush;
    bool operator==(const CreateBrush&) const = default;
};
struct CreateFont {
    LogFont font;
    bool operator==(const CreateFont&) const = default;
};
struct SelectObject {
    std::uint16_t index;
    bool operator==(const SelectObject&) const = default;
};
struct DeleteObject {
    std::uint16_t index;
    bool operator==(const DeleteObject&) const = default;
};
// Corners as given; GDI draws the rectangle between them whatever their order.
struct Rectangle {
    std::int16_t left, top, right, bottom;
    bool operator==(const Rectangle&) const = default;
};
struct SetTextAlign {
    std::uint16_t align;
    bool operator==(const SetTextAlign&) const = default;
};
struct SetTextColor {
    ColorRef color;
    bool operator==(const SetTextColor&) const = default;
};
struct SetBkMode {
    std::uint16_t mode;
    bool operator==(const SetBkMode&) const = default;
};
struct SetBkColor {
    ColorRef color;
    bool operator==(const SetBkColor&) const = default;
};
// Text bytes in the ANSI code page (Windows-1252), not NUL-terminated.
struct TextOut {
    std::int16_t x, y;
    std::string text;
    bool operator==(const TextOut&) const = default;
};
} // namespace op

using MetaOp =
    std::variant<op::SetWindowOrg, op::SetWindowExt, op::CreatePen, op::CreateBrush, op::CreateFont,
                 op::SelectObject, op::DeleteObject, op::Rectangle, op::SetTextAlign,
                 op::SetTextColor, op::SetBkMode, op::SetBkColor, op::TextOut>;

struct Metafile {
    std::vector<MetaOp> ops;
    bool operator==(const Metafile&) const = default;
};

// What one record can carry: a face name fills a 32-byte field with its NUL,
// and a text's length is a signed 16-bit count.
inline constexpr std::size_t kMaxFaceNameBytes = 31;
inline constexpr std::size_t kMaxTextBytes = 32767;

// Throw std::length_error (a face name or text too long for its record) or
// std::invalid_argument (a NUL inside a face name, which would end it early).
void requireRecordable(const LogFont& font);
void requireRecordable(const op::TextOut& text);

// Records a picture with the device-context calls of GDI. Object indices are
// those of the metafile's object table: a new object takes the lowest free
// slot, a deleted one frees its slot. The renderer is our own code, so a call
// GDI would refuse (selecting or deleting an index that holds no object, a
// face name or text no record can carry) throws a std::logic_error rather
// than being recorded.
//
// A turned font is created under a window whose axes agree in direction:
// LibreOffice reverses the escapement of a font created while the window
// extent turns one axis over, and so would draw turned text the other way
// round from GDI and every other reader. The recorder sets the window's y
// extent positive around such a font and back afterwards; no drawing call
// comes in between, so no reader draws anything differently.
class MetafileRecorder {
public:
    void setWindowOrg(std::int16_t x, std::int16_t y);
    void setWindowExt(std::int16_t x, std::int16_t y);
    [[nodiscard]] std::uint16_t createPen(const LogPen& pen);
    [[nodiscard]] std::uint16_t createBrush(const LogBrush& brush);
    [[nodiscard]] std::uint16_t createFont(const LogFont& font);
    void selectObject(std::uint16_t index);
    void deleteObject(std::uint16_t index);
    void rectangle(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom);
    void setTextAlign(std::uint16_t align);
    void setTextColor(ColorRef color);
    void setBkMode(std::uint16_t mode);
    void setBkColor(ColorRef color);
    void textOut(std::int16_t x, std::int16_t y, std::string text);

    // The recorded picture; the recorder is empty afterwards.
    [[nodiscard]] Metafile close();

private:
    std::uint16_t takeSlot();

    Metafile metafile_;
    std::int16_t windowExtentX_ = 1;
    std::int16_t windowExtentY_ = 1;
    std::vector<bool> slotsInUse_;
};

} // namespace vornik::render
