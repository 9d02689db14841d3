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

// A record's parameter words in file order. The writer hands every encoder
// the same buffer, so that a picture of thousands of bars costs no
// allocation per record.
using Words = std::vector<std::uint16_t>;

std::uint16_t bits(std::int16_t value) {
    return static_cast<std::uint16_t>(value);
}

void appendColor(Words& words, ColorRef color) {
    words.push_back(static_cast<std::uint16_t>(color & 0xFFFF));
    words.push_back(static_cast<std::uint16_t>(color >> 16));
}

std::uint16_t bytePair(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::uint16_t>(low | high << 8);
}

// Bytes two to a word, low byte first, zero-filled up to fieldBytes (rounded
// up to whole words).
void appendBytes(Words& words, std::string_view bytes, std::size_t fieldBytes) {
    const std::size_t size = std::max(bytes.size(), fieldBytes);
    for (std::size_t i = 0; i < size; i += 2) {
        const auto at = [&bytes](std::size_t k) {
            return k < bytes.size() ? static_cast<std::uint8_t>(bytes[k]) : std::uint8_t{0};
        };
        words.push_back(bytePair(at(i), at(i + 1)));
    }
}

// Each encoder fills `words` (empty on entry) and returns the record's
// function. Coordinates go last-argument-first, as in every 16-bit GDI record.
Function encode(const op::SetWindowOrg& call, Words& words) {
    words = {bits(call.y), bits(call.x)};
    return Function::SetWindowOrg;
}

Function encode(const op::SetWindowExt& call, Words& words) {
    words = {bits(call.y), bits(call.x)};
    return Function::SetWindowExt;
}

// LOGPEN16: style, the width as a point whose y is unused, colour.
Function encode(const op::CreatePen& call, Words& words) {
    words = {call.pen.style, bits(call.pen.width), 0};
    appendColor(words, call.pen.color);
    return Function::CreatePenIndirect;
}

// LOGBRUSH16: style, colour, hatch.
Function encode(const op::CreateBrush& call, Words& words) {
    words = {call.brush.style};
    appendColor(words, call.brush.color);
    words.push_back(call.brush.hatch);
    return Function::CreateBrushIndirect;
}

// LOGFONT16 with the whole 32-byte face name field, as Windows writes it.
Function encode(const op::CreateFont& call, Words& words) {
    const LogFont& font = call.font;
    requireRecordable(font);
    words = {bits(font.height),
             bits(font.width),
             bits(font.escapement),
             bits(font.orientation),
             bits(font.weight),
             bytePair(font.italic, font.underline),
             bytePair(font.strikeOut, font.charSet),
             bytePair(font.outPrecision, font.clipPrecision),
             bytePair(font.quality, font.pitchAndFamily)};
    appendBytes(words, font.faceName, wmf::kFaceNameFieldBytes);
    return Function::CreateFontIndirect;
}

Function encode(const op::SelectObject& call, Words& words) {
    words = {call.index};
    return Function::SelectObject;
}

Function encode(const op::DeleteObject& call, Words& words) {
    words = {call.index};
    return Function::DeleteObject;
}

Function encode(const op::Rectangle& call, Words& words) {
    words = {bits(call.bottom), bits(call.right), bits(call.top), bits(call.left)};
    return Function::Rectangle;
}

// Windows NT records the 32-bit argument of SetTextAlign and SetBkMode: the
// value, then its high word (zero for every mode there is).
Function encode(const op::SetTextAlign& call, Words& words) {
    words = {call.align, 0};
    return Function::SetTextAlign;
}

Function encode(const op::SetBkMode& call, Words& words) {
    words = {call.mode, 0};
    return Function::SetBkMode;
}

Function encode(const op::SetTextColor& call, Words& words) {
    appendColor(words, call.color);
    return Function::SetTextColor;
}

Function encode(const op::SetBkColor& call, Words& words) {
    appendColor(words, call.color);
    return Function::SetBkColor;
}

// Length, the bytes padded to a whole word, then y and x.
Function encode(const op::TextOut& call, Words& words) {
    requireRecordable(call);
    words = {static_cast<std::uint16_t>(call.text.size())};
    appendBytes(words, call.text, 0);
    words.push_back(bits(call.y));
    words.push_back(bits(call.x));
    return Function::TextOut;
}

// The object table a player builds as it plays the records: every create
// takes the lowest free slot and a delete frees its slot. The header gives
// the most slots in use at once.
class ObjectTable {
public:
    void play(Function function, const Words& words) {
        switch (function) {
        case Function::CreatePenIndirect:
        case Function::CreateBrushIndirect:
        case Function::CreateFontIndirect:
            take();
            return;
        case Function::DeleteObject:
            if (words[0] < inUse_.size())
                inUse_[words[0]] = false;
            return;
        default:
            return;
        }
    }

    [[nodiscard]] std::uint16_t slots() const {
        if (slots_ > 0xFFFF)
            throw std::length_error("the picture needs more than 65535 object-table slots");
        return static_cast<std::uint16_t>(slots_);
    }

private:
    void take() {
        const auto free = std::find(inUse_.begin(), inUse_.end(), false);
        const auto index = static_cast<std::size_t>(free - inUse_.begin());
        if (free == inUse_.end())
            inUse_.push_back(true);
        else
            *free = true;
        slots_ = std::max(slots_, index + 1);
    }

    std::vector<bool> inUse_;
    std::size_t slots_ = 0;
};

void storeU16(std::vector<std::uint8_t>& out, std::size_t offset, std::uint16_t value) {
    out[offset] = static_cast<std::uint8_t>(value & 0xFF);
    out[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void storeU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
    storeU16(out, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    storeU16(out, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// The record grows the buffer once and is stored into it: a large symbol
// writes tens of thousands of records, and appending word by word showed.
void appendRecord(std::vector<std::uint8_t>& out, Function function, const Words& words) {
    const std::size_t at = out.size();
    out.resize(at + wmf::kRecordHeaderBytes + 2 * words.size());
    storeU32(out, at, static_cast<std::uint32_t>(wmf::kRecordHeaderWords + words.size()));
    storeU16(out, at + 4, static_cast<std::uint16_t>(function));
    for (std::size_t i = 0; i < words.size(); ++i)
        storeU16(out, at + wmf::kRecordHeaderBytes + 2 * i, words[i]);
}

// META_HEADER; the size and object fields are filled in once the records
// are written.
void appendHeader(std::vector<std::uint8_t>& out) {
    for (const std::uint16_t word :
         {wmf::kMemoryMetafile, wmf::kHeaderWords, wmf::kVersion300, std::uint16_t{0},
          std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}})
        wmf::appendU16(out, word);
}

// Appends the standard metafile: META_HEADER, the records, the mapping-mode
// trailer and META_EOF, with the header's size and object fields filled in
// at the end.
void appendMetafile(std::vector<std::uint8_t>& out, const Metafile& metafile) {
    const std::size_t start = out.size();
    // Most records are a bar's rectangle, 14 bytes; room for those up front
    // spares the copies of a growing buffer.
    out.reserve(start + wmf::kHeaderBytes + 14 * metafile.ops.size() + 64);
    appendHeader(out);
    ObjectTable objects;
    std::size_t largest = wmf::kRecordHeaderWords + 2; // the mapping-mode trailer
    Words words;
    for (const MetaOp& call : metafile.ops) {
        words.clear();
        const Function function =
            std::visit([&words](const auto& op) { return encode(op, words); }, call);
        objects.play(function, words);
        largest = std::max(largest, wmf::kRecordHeaderWords + words.size());
        appendRecord(out, function, words);
    }
    appendRecord(out, Function::SetMapMode, {wmf::kIsotropic, 0});
    appendRecord(out, Function::Eof, {});
    const std::size_t size = (out.size() - start) / 2;
    if (size > 0xFFFFFFFFu)
        throw std::length_error("the picture is larger than a metafile can hold");
    storeU32(out, start + 6, static_cast<std::uint32_t>(size));
    storeU16(out, start + 10, objects.slots());
    storeU32(out, start + 12, static_cast<std::uint32_t>(largest));
}

} // namespace

std::uint16_t placeableChecksum(std::uint16_t right, std::uint16_t bottom) {
    // Handle, left, top and reserved are all 0 and leave the XOR unchanged.
    return static_cast<std::uint16_t>(kChecksumSeed ^ right ^ bottom ^ kUnitsPerInch);
}

std::vector<std::uint8_t> wmfBytes(const Metafile& metafile) {
    std::vector<std::uint8_t> out;
    appendMetafile(out, metafile);
    return out;
}

std::vector<std::uint8_t> placeableWmfBytes(const Metafile& metafile, std::uint16_t xExtent,
                                            std::uint16_t yExtent) {
    std::vector<std::uint8_t> out;
    wmf::appendU32(out, kPlaceableKey);
    for (const std::uint16_t word :
         {std::uint16_t{0}, std::uint16_t{0}, std::uint16_t{0}, xExtent, yExtent, kUnitsPerInch,
          std::uint16_t{0}, std::uint16_t{0}, placeableChecksum(xExtent, yExtent)})
        wmf::appendU16(out, word);
    appendMetafile(out, metafile);
    return out;
}

} // namespace vornik::render
