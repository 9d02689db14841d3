#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The raster image properties dialog (File > Raster Image Properties...),
// modal over PARENT: colour depth, resolution, JPEG quality and the PNG,
// BMP, TGA, GIF and TIFF options APP's job hands to the image converter.
// The two number boxes take digits and Backspace only (other keys beep).
// True when the user pressed OK: every field is then written back, the
// numbers brought into range, and the configuration counts as changed if
// any field differs. Cancel, Escape or the close box change nothing.
bool showRasterPropertiesDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
