#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The print preview (File > Print Preview...), modal over PARENT: the page
// that printing now would send to the current printer, on its paper, with
// the symbols of an open page and the symbol on display at the margins.
// Its Print button prints the symbol and sends the page, as File > Print
// does with the margins as they stand.
void showPrintPreview(QWidget* parent, Application& app);

} // namespace vornik::gui
