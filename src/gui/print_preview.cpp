#include "gui/print_preview.h"

#include "core/app/application.h"
#include "core/app/print_command.h"
#include "export/printing/page_painter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

// Positions are measured from the paper's edge, as printing measures them.
void setUpPrinter(QPrinter& printer, const std::string& name) {
    if (!name.empty())
        printer.setPrinterName(QString::fromStdString(name));
    printer.setFullPage(true);
}

class PrintPreviewWindow : public QDialog {
public:
    PrintPreviewWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), printer_(QPrinter::HighResolution) {
        setObjectName(QStringLiteral("PrintPreview"));
        setWindowTitle(tr("Print Preview"));
        setUpPrinter(printer_, app.host().printerName());
        auto* layout = new QVBoxLayout(this);
        auto* preview = new QPrintPreviewWidget(&printer_, this);
        preview->setObjectName(QStringLiteral("PreviewPage"));
        preview->fitInView();
        layout->addWidget(preview);
        auto* buttons = new QDialogButtonBox(this);
        auto* print = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
        print->setObjectName(QStringLiteral("PreviewPrint"));
        buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("PreviewClose"));
        layout->addWidget(buttons);
        connect(preview, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWindow::paint);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        resize(700, 800);
    }

private:
    void paint(QPrinter* printer) {
        QPainter painter(printer);
        printing::paintPrinterPage(pageWithSymbol(app_), painter);
    }

    Application& app_;
    QPrinter printer_;
};

} // namespace

void showPrintPreview(QWidget* parent, Application& app) {
    PrintPreviewWindow preview(parent, app);
    if (preview.exec() != QDialog::Accepted)
        return;
    // A failure is told by the print routine itself. Without a symbol on
    // display the preview showed an open page: that page is sent.
    if (printSymbol(app, true) == PrintOutcome::NothingToPrint)
        (void)ejectPage(app);
}

} // namespace vornik::gui
