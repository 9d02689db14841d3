#include "core/twod/rss_adapter.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <zint.h>

namespace vornik::twod {

namespace {

struct KindInfo {
    int plain;           // libzint's symbology without a composite
    int withComposite;   // and with one
    std::size_t rows;    // rows of the linear structure, separators included
    std::size_t buffers; // pattern buffers of the call
};

KindInfo infoOf(RssKind kind) {
    switch (kind) {
    case RssKind::Rss14:
        return {BARCODE_DBAR_OMN, BARCODE_DBAR_OMN_CC, 1, 2};
    case RssKind::Stacked:
        return {BARCODE_DBAR_STK, BARCODE_DBAR_STK_CC, 3, 4};
    case RssKind::StackedOmni:
        return {BARCODE_DBAR_OMNSTK, BARCODE_DBAR_OMNSTK_CC, 5, 6};
    case RssKind::Limited:
        return {BARCODE_DBAR_LTD, BARCODE_DBAR_LTD_CC, 1, 2};
    }
    return {};
}

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;
using Rows = std::vector<std::string>;

// libzint's symbol as module rows, without the light columns it adds at the
// right of every row; nullopt when it refuses the data.
std::optional<Rows> zintRows(const KindInfo& info, const std::string& data) {
    const std::string text = data.substr(0, data.find('\0'));
    const std::size_t bar = text.find('|');
    const std::string primary = text.substr(0, bar);
    const std::string composite = bar == std::string::npos ? "" : text.substr(bar + 1);
    if (primary.size() >= sizeof(zint_symbol::primary))
        return std::nullopt;

    const ZintSymbol symbol(ZBarcode_Create(), &ZBarcode_Delete);
    const std::string& encoded = composite.empty() ? primary : composite;
    symbol->symbology = composite.empty() ? info.plain : info.withComposite;
    if (!composite.empty()) {
        std::strcpy(symbol->primary, primary.c_str());
        symbol->input_mode = GS1_MODE | (composite.front() == '(' ? GS1PARENS_MODE : 0);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(encoded.data());
    if (encoded.empty() ||
        ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(encoded.size())) >= ZINT_ERROR)
        return std::nullopt;

    Rows rows(static_cast<std::size_t>(symbol->rows));
    std::size_t used = 0;
    for (int r = 0; r < symbol->rows; ++r) {
        std::string& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < symbol->width; ++c)
            row += ((symbol->encoded_data[r][c >> 3] >> (c & 7)) & 1) != 0 ? '1' : '0';
        used = std::max(used, row.find_last_of('1') + 1);
    }
    for (std::string& row : rows)
        row.resize(used);
    return rows;
}

// Element widths of a row, a space first, up to its last bar; empty when an
// element is wider than one digit can say.
std::string elementWidths(const std::string& row) {
    const std::string modules = row.substr(0, row.find_last_of('1') + 1);
    std::string widths;
    char colour = '0';
    std::size_t i = 0;
    while (i < modules.size()) {
        const std::size_t end =
            std::min(modules.find(colour == '0' ? '1' : '0', i), modules.size());
        if (end - i > 9)
            return {};
        widths += static_cast<char>('0' + (end - i));
        i = end;
        colour = colour == '0' ? '1' : '0';
    }
    return widths;
}

// Writes `text` into the buffer from the left, a NUL after it when there is
// room; false when it does not fit.
bool fill(std::string& buffer, const std::string& text) {
    if (text.size() > buffer.size())
        return false;
    std::copy(text.begin(), text.end(), buffer.begin());
    if (text.size() < buffer.size())
        buffer[text.size()] = '\0';
    return true;
}

// Fills the buffers from libzint's rows: composite rows, composite
// separator, then the linear structure's rows, pattern rows as widths and
// separator rows as modules.
int fillBuffers(RssKind kind, const std::string& data, std::vector<std::string*> patterns,
                std::string& composite, int& rows, int& width) {
    rows = 0;
    width = 0;
    const KindInfo info = infoOf(kind);
    const std::optional<Rows> symbol = zintRows(info, data);
    if (!symbol)
        return kRssRefused;
    const std::size_t compositeRows =
        symbol->size() > info.rows ? symbol->size() - info.rows - 1 : 0;
    const bool hasComposite = symbol->size() > info.rows;
    std::string matrix;
    for (std::size_t r = 0; r < compositeRows; ++r)
        matrix += (*symbol)[r];
    const auto linear = symbol->begin() + static_cast<std::ptrdiff_t>(symbol->size() - info.rows);
    bool fits = fill(composite, matrix);
    for (std::size_t i = 0; i < info.rows; ++i) {
        const std::string& row = linear[static_cast<std::ptrdiff_t>(i)];
        // Pattern rows are the first and last of the structure.
        const bool patternRow = i == 0 || i + 1 == info.rows;
        const std::string text = patternRow ? elementWidths(row) : row;
        fits = fits && !text.empty() && fill(*patterns[i], text);
    }
    fits = fits && fill(*patterns.back(), hasComposite ? *(linear - 1) : std::string());
    if (!fits)
        return kRssBufferTooSmall;
    rows = static_cast<int>(compositeRows);
    width = compositeRows > 0 ? static_cast<int>(symbol->front().size()) : 0;
    return kRssSuccess;
}

} // namespace

int RSSPattern(const std::string& data, std::string& linear, std::string& separator,
               std::string& composite, int& rows, int& width) {
    return fillBuffers(RssKind::Rss14, data, {&linear, &separator}, composite, rows, width);
}

int RSS14SPattern(const std::string& data, std::string& topRow, std::string& rowSeparator,
                  std::string& bottomRow, std::string& compositeSeparator, std::string& composite,
                  int& rows, int& width) {
    return fillBuffers(RssKind::Stacked, data,
                       {&topRow, &rowSeparator, &bottomRow, &compositeSeparator}, composite, rows,
                       width);
}

int RSS14SOPattern(const std::string& data, std::string& topRow, std::string& separatorTop,
                   std::string& separatorMiddle, std::string& separatorBottom,
                   std::string& bottomRow, std::string& compositeSeparator, std::string& composite,
                   int& rows, int& width) {
    return fillBuffers(RssKind::StackedOmni, data,
                       {&topRow, &separatorTop, &separatorMiddle, &separatorBottom, &bottomRow,
                        &compositeSeparator},
                       composite, rows, width);
}

int RSSLimPattern(const std::string& data, std::string& linear, std::string& separator,
                  std::string& composite, int& rows, int& width) {
    return fillBuffers(RssKind::Limited, data, {&linear, &separator}, composite, rows, width);
}

RssBuffers freshRssBuffers(RssKind kind) {
    RssBuffers buffers;
    buffers.patterns.assign(infoOf(kind).buffers, std::string(kRssPatternBuffer, ' '));
    buffers.composite.assign(kRssCompositeBuffer, ' ');
    return buffers;
}

int callRssLibrary(RssKind kind, const std::string& data, RssBuffers& b) {
    auto& p = b.patterns;
    if (p.size() != infoOf(kind).buffers)
        return kRssBufferTooSmall;
    switch (kind) {
    case RssKind::Rss14:
        return RSSPattern(data, p[0], p[1], b.composite, b.rows, b.width);
    case RssKind::Stacked:
        return RSS14SPattern(data, p[0], p[1], p[2], p[3], b.composite, b.rows, b.width);
    case RssKind::StackedOmni:
        return RSS14SOPattern(data, p[0], p[1], p[2], p[3], p[4], p[5], b.composite, b.rows,
                              b.width);
    case RssKind::Limited:
        return RSSLimPattern(data, p[0], p[1], b.composite, b.rows, b.width);
    }
    return kRssRefused;
}

} // namespace vornik::twod
