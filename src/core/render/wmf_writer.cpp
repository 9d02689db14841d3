// Serialises a recorded picture as the standard metafile records, laid out as
// Windows' own metafile device context writes them, and wraps them in the
// placeable header.

#include "core/render/placeable_wmf.h"
#include "core/render/wmf_records.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace vornik::render {

namespace {

using wmf::Function;

// The XOR of the key's two halves: every checksum starts from it.
constexpr std::uint16_t kChecksumSeed = 0x5711;
static_assert(kChecksumSeed == ((kPlaceableKey & 0xFFFF) ^ (kPlaceableKey >> 16)));

// One record: its function and its parameter words in file order.
struct Record {
    Function function;
    std::vector<std::uint16_t> words;
};

std::uint16_t bits(std::int16_t value) {
    return static_cast<std::uint16_t>(value);
}

void appendColor(std::vector<std::uint16_t>& words, ColorRef color) {
    words.push_back(static_cast<std::uint16_t>(color & 0xFFFF));
    words.push_back(static_cast<std::uint16_t>(color >> 16));
}

std::uint16_t bytePair(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::uint16_t>(low | high << 8);
}

// Bytes two to a word, low byte first, zero-filled up to fieldBytes (rounded
// up to whole words).
void appendBytes(std::vector<std::uint16_t>& words, std::string_view bytes,
                 std::size_t fieldBytes) {
    const std::size_t size = std::max(bytes.size(), fieldBytes);
    for (std::size_t i = 0; i < size; i += 2) {
        const auto at = [&bytes](std::size_t k) {
            return k < bytes.size() ? static_cast<std::uint8_t>(bytes[k]) : std::uint8_t{0};
        };
        words.push_back(bytePair(at(i), at(i + 1)));
    }
}

// Coordinates go last-argument-first, as in every 16-bit GDI record.
Record encode(const op::SetWindowOrg& call) {
    return {Function::SetWindowOrg, {bits(call.y), bits(call.x)}};
}

Record encode(const op::SetWindowExt& call) {
    return {Function::SetWindowExt, {bits(call.y), bits(call.x)}};
}

// LOGPEN16: style, the width as a point whose y is unused, colour.
Record encode(const op::CreatePen& call) {
    Record record{Function::CreatePenIndirect, {call.pen.style, bits(call.pen.width), 0}};
    appendColor(record.words, call.pen.color);
    return record;
}

// LOGBRUSH16: style, colour, hatch.
Record encode(const op::CreateBrush& call) {
    Record record{Function::CreateBrushIndirect, {call.brush.style}};
    appendColor(record.words, call.brush.color);
    record.words.push_back(call.brush.hatch);
    return record;
}

// LOGFONT16 with the whole 32-byte face name field, as Windows writes it.
Record encode(const op::CreateFont& call) {
    const LogFont& font = call.font;
    requireRecordable(font);
    Record record{Function::CreateFontIndirect,
                  {bits(font.height), bits(font.width), bits(font.escapement),
                   bits(font.orientation), bits(font.weight), bytePair(font.italic, font.underline),
                   bytePair(font.strikeOut, font.charSet),
                   bytePair(font.outPrecision, font.clipPrecision),
                   bytePair(font.quality, font.pitchAndFamily)}};
    appendBytes(record.words, font.faceName, wmf::kFaceNameFieldBytes);
    return record;
}

Record encode(const op::SelectObject& call) {
    return {Function::SelectObject, {call.index}};
}

Record encode(const op::DeleteObject& call) {
    return {Function::DeleteObject, {call.index}};
}

Record encode(const op::Rectangle& call) {
    return {Function::Rectangle,
            {bits(call.bottom), bits(call.right), bits(call.top), bits(call.left)}};
}

// Windows NT records the 32-bit argument of SetTextAlign and SetBkMode: the
// value, then its high word (zero for every mode there is).
Record encode(const op::SetTextAlign& call) {
    return {Function::SetTextAlign, {call.align, 0}};
}

Record encode(const op::SetBkMode& call) {
    return {Function::SetBkMode, {call.mode, 0}};
}

Record encode(const op::SetTextColor& call) {
    Record record{Function::SetTextColor, {}};
    appendColor(record.words, call.color);
    return record;
}

Record encode(const op::SetBkColor& call) {
    Record record{Function::SetBkColor, {}};
    appendColor(record.words, call.color);
    return record;
}

// Length, the bytes padded to a whole word, then y and x.
Record encode(const op::TextOut& call) {
    requireRecordable(call);
    Record record{Function::TextOut, {static_cast<std::uint16_t>(call.text.size())}};
    appendBytes(record.words, call.text, 0);
    record.words.push_back(bits(call.y));
    record.words.push_back(bits(call.x));
    return record;
}

// The number of object-table slots the picture needs: the table a player
// builds hands out the lowest free slot to every create.
std::uint16_t objectTableSize(const std::vector<MetaOp>& ops) {
    std::vector<bool> inUse;
    std::size_t slots = 0;
    for (const MetaOp& call : ops) {
        if (const auto* deleted = std::get_if<op::DeleteObject>(&call)) {
            if (deleted->index < inUse.size())
                inUse[deleted->index] = false;
            continue;
        }
        if (!std::holds_alternative<op::CreatePen>(call) &&
            !std::holds_alternative<op::CreateBrush>(call) &&
            !std::holds_alternative<op::CreateFont>(call))
            continue;
        const auto free = std::find(inUse.begin(), inUse.end(), false);
        const auto index = static_cast<std::size_t>(free - inUse.begin());
        if (free == inUse.end())
            inUse.push_back(true);
        else
            *free = true;
        slots = std::max(slots, index + 1);
    }
    if (slots > 0xFFFF)
        throw std::length_error("the picture needs more than 65535 object-table slots");
    return static_cast<std::uint16_t>(slots);
}

void appendRecord(std::vector<std::uint8_t>& out, Function function,
                  const std::vector<std::uint16_t>& words) {
    wmf::appendU32(out, static_cast<std::uint32_t>(wmf::kRecordHeaderWords + words.size()));
    wmf::appendU16(out, static_cast<std::uint16_t>(function));
    for (const std::uint16_t word : words)
        wmf::appendU16(out, word);
}

// META_HEADER; the size fields are filled in once the records are written.
void appendHeader(std::vector<std::uint8_t>& out, std::uint16_t objects) {
    for (const std::uint16_t word :
         {wmf::kMemoryMetafile, wmf::kHeaderWords, wmf::kVersion300, std::uint16_t{0},
          std::uint16_t{0}, objects, std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}})
        wmf::appendU16(out, word);
}

void storeU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i) & 0xFF);
}

} // namespace

std::uint16_t placeableChecksum(std::uint16_t right, std::uint16_t bottom) {
    // Handle, left, top and reserved are all 0 and leave the XOR unchanged.
    return static_cast<std::uint16_t>(kChecksumSeed ^ right ^ bottom ^ kUnitsPerInch);
}

std::vector<std::uint8_t> wmfBytes(const Metafile& metafile) {
    std::vector<std::uint8_t> out;
    appendHeader(out, objectTableSize(metafile.ops));
    std::size_t largest = wmf::kRecordHeaderWords + 2; // the mapping-mode trailer
    for (const MetaOp& call : metafile.ops) {
        const Record record = std::visit([](const auto& op) { return encode(op); }, call);
        largest = std::max(largest, wmf::kRecordHeaderWords + record.words.size());
        appendRecord(out, record.function, record.words);
    }
    appendRecord(out, Function::SetMapMode, {wmf::kIsotropic, 0});
    appendRecord(out, Function::Eof, {});
    const std::size_t words = out.size() / 2;
    if (words > 0xFFFFFFFFu)
        throw std::length_error("the picture is larger than a metafile can hold");
    storeU32(out, 6, static_cast<std::uint32_t>(words));
    storeU32(out, 12, static_cast<std::uint32_t>(largest));
    return out;
}

std::vector<std::uint8_t> placeableWmfBytes(const Metafile& metafile, std::uint16_t xExtent,
                                            std::uint16_t yExtent) {
    std::vector<std::uint8_t> out;
    out.reserve(kPlaceableHeaderSize);
    wmf::appendU32(out, kPlaceableKey);
    for (const std::uint16_t word :
         {std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}, xExtent, yExtent, kUnitsPerInch,
          std::uint16_t{0}, std::uint16_t{0}, placeableChecksum(xExtent, yExtent)})
        wmf::appendU16(out, word);
    const std::vector<std::uint8_t> records = wmfBytes(metafile);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

} // namespace vornik::render
