#pragma once

#include "core/render/current_picture.h"

#include <QByteArray>
#include <cstdint>
#include <span>

class QMimeData;

namespace vornik::gui {

// The clipboard names a symbol is offered under. LibreOffice asks for its own
// WMF name first; other programs take the SVG or the PNG. Plain text is left
// out, so that the message commands keep the text form to themselves.
inline constexpr const char* kSvgForm = "image/svg+xml";
inline constexpr const char* kLibreOfficeWmfForm =
    "application/x-openoffice-wmf;windows_formatname=\"Image WMF\"";
inline constexpr const char* kWmfForm = "image/x-wmf";
inline constexpr const char* kPngForm = "image/png";

// The resolution of the PNG form: fine enough for a 10-mil bar to be three
// pixels wide, so that a program pasting the image prints a readable symbol.
inline constexpr double kClipboardPngDotsPerInch = 300;

// The symbol in every clipboard form: SVG at true size in millimetres, the
// placeable WMF bytes under both WMF names, and a PNG whose recorded
// resolution makes it true size too.
[[nodiscard]] QMimeData* clipboardPicture(const render::CurrentPicture& picture,
                                          std::span<const std::uint8_t> placeableWmf);

// The PNG form alone, as the file bytes.
[[nodiscard]] QByteArray pngForm(const render::CurrentPicture& picture, double dotsPerInch);

} // namespace vornik::gui
