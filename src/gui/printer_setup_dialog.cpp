#include "gui/printer_setup_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vornik::gui {

// Only the printer is chosen here: copies, page ranges and printing to a
// file mean nothing to a symbol placed at its margins.
std::optional<std::string> choosePrinterName(QWidget* parent, const std::string& current) {
    QPrinter printer;
    if (!current.empty())
        printer.setPrinterName(QString::fromStdString(current));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetup"));
    dialog.setWindowTitle(QObject::tr("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString name = printer.printerName();
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

} // namespace vornik::gui
