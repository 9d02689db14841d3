// Reads a placeable metafile back into the calls it records. Every size in
// the file is checked against the bytes before anything is read or kept, so
// no input can make it read out of bounds or allocate more than the file's
// own size; whatever it cannot read is told in one sentence.

#include "core/render/placeable_wmf.h"
#include "core/render/wmf_records.h"

#include <algorithm>
#include <optional>

namespace vornik::render {

namespace {

using Bytes = std::span<const std::uint8_t>;
using wmf::Function;

std::string hex(std::uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

WmfReadError fail(std::string message) {
    return {std::move(message)};
}

std::string recordName(std::size_t number, std::uint16_t function) {
    return "record " + std::to_string(number) + " (function " + hex(function, 4) + ")";
}

// A record whose size has been checked against the file: its number (the
// first record after the metafile header is 1), function and parameters.
struct RecordView {
    std::size_t number;
    std::uint16_t function;
    Bytes parameters;

    std::size_t words() const { return wmf::kRecordHeaderWords + parameters.size() / 2; }
    std::uint16_t word(std::size_t i) const { return wmf::loadU16(parameters, 2 * i); }
    std::int16_t signedWord(std::size_t i) const { return static_cast<std::int16_t>(word(i)); }
    ColorRef color(std::size_t i) const { return wmf::loadU32(parameters, 2 * i); }
    std::uint8_t byte(std::size_t i) const { return parameters[i]; }
    std::string name() const { return recordName(number, function); }
};

using Parsed = std::variant<MetaOp, WmfReadError>;

std::optional<WmfReadError> requireWords(const RecordView& record, std::size_t words) {
    if (record.words() == words)
        return std::nullopt;
    return fail(record.name() + " is " + std::to_string(record.words()) + " words long, not " +
                std::to_string(words));
}

// The mode records carry an optional high word: 16-bit Windows wrote one
// parameter word, Windows NT writes two.
std::optional<WmfReadError> requireModeWords(const RecordView& record) {
    if (record.words() == 4 || record.words() == 5)
        return std::nullopt;
    return fail(record.name() + " is " + std::to_string(record.words()) +
                " words long, not 4 or 5");
}

Parsed parseFont(const RecordView& record) {
    constexpr std::size_t kLeast = wmf::kRecordHeaderWords + wmf::kFontFixedBytes / 2 + 1;
    constexpr std::size_t kMost =
        wmf::kRecordHeaderWords + (wmf::kFontFixedBytes + wmf::kFaceNameFieldBytes) / 2;
    if (record.words() < kLeast || record.words() > kMost)
        return fail(record.name() + " is " + std::to_string(record.words()) +
                    " words long, not between " + std::to_string(kLeast) + " and " +
                    std::to_string(kMost));
    const Bytes face = record.parameters.subspan(wmf::kFontFixedBytes);
    const auto end = std::find(face.begin(), face.end(), std::uint8_t{0});
    if (end == face.end())
        return fail("the face name in " + record.name() + " has no terminating NUL");
    return MetaOp{op::CreateFont{{.height = record.signedWord(0),
                                  .width = record.signedWord(1),
                                  .escapement = record.signedWord(2),
                                  .orientation = record.signedWord(3),
                                  .weight = record.signedWord(4),
                                  .italic = record.byte(10),
                                  .underline = record.byte(11),
                                  .strikeOut = record.byte(12),
                                  .charSet = record.byte(13),
                                  .outPrecision = record.byte(14),
                                  .clipPrecision = record.byte(15),
                                  .quality = record.byte(16),
                                  .pitchAndFamily = record.byte(17),
                                  .faceName = std::string(face.begin(), end)}}};
}

Parsed parseTextOut(const RecordView& record) {
    if (record.words() < wmf::kRecordHeaderWords + 1)
        return fail(record.name() + " is 3 words long, too short to hold a text length");
    const std::int16_t length = record.signedWord(0);
    if (length < 0)
        return fail("the text length in " + record.name() + " is negative (" +
                    std::to_string(length) + ")");
    const std::size_t textWords = (static_cast<std::size_t>(length) + 1) / 2;
    const std::size_t needed = wmf::kRecordHeaderWords + 1 + textWords + 2;
    if (needed > record.words())
        return fail("the " + std::to_string(length) + "-byte text of " + record.name() +
                    " runs past the end of its record");
    if (const auto error = requireWords(record, needed))
        return *error;
    const Bytes text = record.parameters.subspan(2, static_cast<std::size_t>(length));
    return MetaOp{op::TextOut{.x = record.signedWord(2 + textWords),
                              .y = record.signedWord(1 + textWords),
                              .text = std::string(text.begin(), text.end())}};
}

// A record of a fixed size, parsed by `make` once its size is right.
template <typename Make> Parsed fixed(const RecordView& record, std::size_t words, Make make) {
    if (const auto error = requireWords(record, words))
        return *error;
    return MetaOp{make(record)};
}

template <typename Make> Parsed mode(const RecordView& record, Make make) {
    if (const auto error = requireModeWords(record))
        return *error;
    return MetaOp{make(record)};
}

Parsed parseRecord(const RecordView& r) {
    switch (static_cast<Function>(r.function)) {
    case Function::SetWindowOrg:
        return fixed(r, 5, [](auto& v) {
            return op::SetWindowOrg{v.signedWord(1), v.signedWord(0)};
        });
    case Function::SetWindowExt:
        return fixed(r, 5, [](auto& v) {
            return op::SetWindowExt{v.signedWord(1), v.signedWord(0)};
        });
    case Function::CreatePenIndirect:
        return fixed(r, 8, [](auto& v) {
            return op::CreatePen{
                {.style = v.word(0), .width = v.signedWord(1), .color = v.color(3)}};
        });
    case Function::CreateBrushIndirect:
        return fixed(r, 7, [](auto& v) {
            return op::CreateBrush{{.style = v.word(0), .color = v.color(1), .hatch = v.word(3)}};
        });
    case Function::CreateFontIndirect:
        return parseFont(r);
    case Function::SelectObject:
        return fixed(r, 4, [](auto& v) { return op::SelectObject{v.word(0)}; });
    case Function::DeleteObject:
        return fixed(r, 4, [](auto& v) { return op::DeleteObject{v.word(0)}; });
    case Function::Rectangle:
        return fixed(r, 7, [](auto& v) {
            return op::Rectangle{.left = v.signedWord(3),
                                 .top = v.signedWord(2),
                                 .right = v.signedWord(1),
                                 .bottom = v.signedWord(0)};
        });
    case Function::SetTextAlign:
        return mode(r, [](auto& v) { return op::SetTextAlign{v.word(0)}; });
    case Function::SetBkMode:
        return mode(r, [](auto& v) { return op::SetBkMode{v.word(0)}; });
    case Function::SetTextColor:
        return fixed(r, 5, [](auto& v) { return op::SetTextColor{v.color(0)}; });
    case Function::SetBkColor:
        return fixed(r, 5, [](auto& v) { return op::SetBkColor{v.color(0)}; });
    case Function::TextOut:
        return parseTextOut(r);
    case Function::Eof:
    case Function::SetMapMode:
        break; // the record loop ends at the one and reads the other as the trailer
    }
    return fail("record " + std::to_string(r.number) + " has function " + hex(r.function, 4) +
                ", which is not one this program reads");
}

// The placeable header: key, checksum, a picture placed at the origin.
std::variant<PlaceablePicture, WmfReadError> readPlaceableHeader(Bytes bytes) {
    if (bytes.size() < kPlaceableHeaderSize)
        return fail("the file is " + std::to_string(bytes.size()) +
                    " bytes long, too short for the 22-byte placeable header");
    if (const std::uint32_t key = wmf::loadU32(bytes, 0); key != kPlaceableKey)
        return fail("not a placeable metafile: the key is " + hex(key, 8));
    std::uint16_t checksum = 0;
    for (std::size_t offset = 0; offset < 20; offset += 2)
        checksum ^= wmf::loadU16(bytes, offset);
    if (const std::uint16_t stated = wmf::loadU16(bytes, 20); stated != checksum)
        return fail("the header checksum is " + hex(checksum, 4) + ", the header says " +
                    hex(stated, 4));
    const auto left = static_cast<std::int16_t>(wmf::loadU16(bytes, 6));
    const auto top = static_cast<std::int16_t>(wmf::loadU16(bytes, 8));
    if (left != 0 || top != 0)
        return fail("the picture's bounds start at (" + std::to_string(left) + ", " +
                    std::to_string(top) + "), not at (0, 0)");
    PlaceablePicture picture;
    picture.xExtent = wmf::loadU16(bytes, 10);
    picture.yExtent = wmf::loadU16(bytes, 12);
    picture.unitsPerInch = wmf::loadU16(bytes, 14);
    if (picture.unitsPerInch == 0)
        return fail("the header gives 0 units per inch");
    return picture;
}

// META_HEADER, and its size against the bytes the file holds.
std::optional<WmfReadError> checkMetafileHeader(Bytes metafile) {
    if (metafile.size() < wmf::kHeaderBytes)
        return fail("the metafile header is cut short: the file holds " +
                    std::to_string(metafile.size()) + " of its 18 bytes");
    const std::uint16_t type = wmf::loadU16(metafile, 0);
    if (type != wmf::kMemoryMetafile && type != wmf::kDiskMetafile)
        return fail("the metafile type is " + std::to_string(type) +
                    ", not 1 (memory) or 2 (disk)");
    if (const std::uint16_t words = wmf::loadU16(metafile, 2); words != wmf::kHeaderWords)
        return fail("the metafile header size is " + std::to_string(words) + " words, not 9");
    const std::uint16_t version = wmf::loadU16(metafile, 4);
    if (version != wmf::kVersion100 && version != wmf::kVersion300)
        return fail("the metafile version is " + hex(version, 4) + ", not 0x0100 or 0x0300");
    const std::uint64_t stated = wmf::loadU32(metafile, 6);
    if (stated * 2 != metafile.size())
        return fail("the header says the metafile is " + std::to_string(stated) +
                    " words long, the file holds " + std::to_string(metafile.size()) +
                    " bytes after the placeable header");
    return std::nullopt;
}

// The mapping-mode record the writer puts last: isotropic, followed only by
// the end-of-file record. Anywhere else it would change how what follows is
// drawn, which this program does not read.
std::optional<WmfReadError> checkTrailer(const RecordView& record, Bytes rest) {
    if (const auto error = requireModeWords(record))
        return error;
    if (record.word(0) != wmf::kIsotropic)
        return fail(record.name() + " sets mapping mode " + std::to_string(record.word(0)) +
                    "; this program reads only the isotropic mode before the end of the file");
    const bool eofFollows = rest.size() >= wmf::kRecordHeaderBytes &&
                            wmf::loadU32(rest, 0) == wmf::kRecordHeaderWords &&
                            wmf::loadU16(rest, 4) == static_cast<std::uint16_t>(Function::Eof);
    if (!eofFollows)
        return fail(record.name() + " sets the mapping mode before the last drawing call; this "
                                    "program reads it only just before the end of the file");
    return std::nullopt;
}

std::variant<Metafile, WmfReadError> readRecords(Bytes metafile) {
    Metafile picture;
    std::size_t offset = wmf::kHeaderBytes;
    for (std::size_t number = 1; offset < metafile.size(); ++number) {
        const std::size_t left = metafile.size() - offset;
        if (left < wmf::kRecordHeaderBytes)
            return fail("record " + std::to_string(number) + " is cut short: the file ends " +
                        std::to_string(left) + " bytes into its 6-byte header");
        const std::uint64_t words = wmf::loadU32(metafile, offset);
        const std::uint16_t function = wmf::loadU16(metafile, offset + 4);
        // Named only when something is wrong with it.
        const auto name = [&] { return recordName(number, function); };
        if (words < wmf::kRecordHeaderWords)
            return fail(name() + " gives a size of " + std::to_string(words) +
                        " words; a record has at least 3");
        if (words * 2 > left)
            return fail(name() + " runs past the end of the file");
        const auto bytes = static_cast<std::size_t>(words * 2);
        if (function == static_cast<std::uint16_t>(Function::Eof)) {
            if (bytes == left)
                return picture;
            return fail("record " + std::to_string(number) +
                        ", the end-of-file record, is followed by " + std::to_string(left - bytes) +
                        " more bytes");
        }
        const RecordView record{
            number, function,
            metafile.subspan(offset + wmf::kRecordHeaderBytes, bytes - wmf::kRecordHeaderBytes)};
        if (function == static_cast<std::uint16_t>(Function::SetMapMode)) {
            if (auto error = checkTrailer(record, metafile.subspan(offset + bytes)))
                return std::move(*error);
            offset += bytes;
            continue;
        }
        Parsed parsed = parseRecord(record);
        if (auto* error = std::get_if<WmfReadError>(&parsed))
            return std::move(*error);
        picture.ops.push_back(std::move(std::get<MetaOp>(parsed)));
        offset += bytes;
    }
    return fail("the metafile ends without an end-of-file record");
}

} // namespace

std::variant<PlaceablePicture, WmfReadError> readPlaceableWmf(std::span<const std::uint8_t> bytes) {
    auto header = readPlaceableHeader(bytes);
    if (std::holds_alternative<WmfReadError>(header))
        return header;
    PlaceablePicture picture = std::get<PlaceablePicture>(std::move(header));
    const Bytes metafile = bytes.subspan(kPlaceableHeaderSize);
    if (auto error = checkMetafileHeader(metafile))
        return std::move(*error);
    auto records = readRecords(metafile);
    if (auto* error = std::get_if<WmfReadError>(&records))
        return std::move(*error);
    picture.metafile = std::get<Metafile>(std::move(records));
    return picture;
}

} // namespace vornik::render
