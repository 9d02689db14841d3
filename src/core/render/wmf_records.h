#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The layout of the standard (16-bit) Windows metafile as the WMF writer and
// reader share it: record functions, header fields and the little-endian
// words everything is made of.
namespace vornik::render::wmf {

// The record functions of the calls the recorder makes (the RecordType
// enumeration of the Windows metafile format).
enum class Function : std::uint16_t {
    Eof = 0x0000,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Rectangle = 0x041B,
    TextOut = 0x0521,
};

// META_HEADER: type, header size, version, file size (32 bits), number of
// objects, largest record (32 bits), number of members; nine words.
inline constexpr std::uint16_t kMemoryMetafile = 1;
inline constexpr std::uint16_t kDiskMetafile = 2;
inline constexpr std::uint16_t kHeaderWords = 9;
inline constexpr std::size_t kHeaderBytes = 2 * kHeaderWords;
inline constexpr std::uint16_t kVersion100 = 0x0100;
inline constexpr std::uint16_t kVersion300 = 0x0300;

// The mapping mode the file names last, just before its end: isotropic.
// LibreOffice takes a placeable file's frame from its window records and,
// when the last mapping mode it sees there is anisotropic (its default),
// widens a window narrower than one inch to one inch. Naming isotropic
// after the last drawing call changes nothing a player draws (the window
// and the frame have the same proportions), yet LibreOffice keeps the size.
inline constexpr std::uint16_t kIsotropic = 7;

// Every record starts with its size in words (32 bits) and its function.
inline constexpr std::size_t kRecordHeaderWords = 3;
inline constexpr std::size_t kRecordHeaderBytes = 2 * kRecordHeaderWords;

// LOGFONT16: five words of metrics, eight bytes of flags, then a face name
// field that Windows always writes whole (32 bytes: the name, its NUL and
// whatever follows).
inline constexpr std::size_t kFontFixedBytes = 18;
inline constexpr std::size_t kFaceNameFieldBytes = 32;

// Little-endian reads; the caller has checked that the bytes are there.
[[nodiscard]] inline std::uint16_t loadU16(std::span<const std::uint8_t> bytes,
                                           std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

[[nodiscard]] inline std::uint32_t loadU32(std::span<const std::uint8_t> bytes,
                                           std::size_t offset) {
    return loadU16(bytes, offset) | static_cast<std::uint32_t>(loadU16(bytes, offset + 2)) << 16;
}

inline void appendU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace vornik::render::wmf
