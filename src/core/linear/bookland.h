#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"
#include "core/linear/upc_ean.h"

#include <string>
#include <variant>

namespace vornik::linear {

// The EAN-13 message of an ISBN: its check digit dropped, dashes removed, the
// nine digits after 978.
[[nodiscard]] std::variant<std::string, MessageError> booklandMessage(const std::string& isbn);

// The add-on of a price: "90000" as it is; 3 or 4 digits (the point dropped)
// become 5 followed by the price in four digits; 1 or 2 digits stay as typed.
[[nodiscard]] std::variant<std::string, MessageError> booklandAddOn(const std::string& price);

// BookLand: the converted ISBN and price encoded as EAN-13 with its add-on.
[[nodiscard]] EncodeResult encodeBookland(const PatternTables& tables, const std::string& isbn,
                                          const std::string& price, UpcEanOptions options);

} // namespace vornik::linear
