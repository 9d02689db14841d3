#include "gui/printer_offset_dialog.h"

#include "core/app/application.h"
#include "core/app/print_command.h"
#include "core/app/printer_offset.h"
#include "core/app/program_texts.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <variant>

namespace vornik::gui {
namespace {

class PrinterOffsetWindow : public QDialog {
public:
    PrinterOffsetWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), printer_(app.host().printerName()) {
        setObjectName(QStringLiteral("PrinterOffset"));
        setWindowTitle(fromProgramText(kPrinterOffsetTitle));
        const PrinterOffsetTexts texts =
            printerOffsetTexts(app.job(), printerOffset(app.host(), printer_));
        auto* layout = new QFormLayout(this);
        auto* intro = new QLabel(fromProgramText(kPrinterOffsetIntro), this);
        intro->setWordWrap(true);
        layout->addRow(intro);
        layout->addRow(tr("Printer:"), new QLabel(QString::fromStdString(printer_), this));
        horizontal_ = offsetBox(texts.horizontal, "HorizontalOffset");
        vertical_ = offsetBox(texts.vertical, "VerticalOffset");
        const QString unit = QStringLiteral(" (%1):").arg(fromProgramText(texts.unitCaption));
        layout->addRow(fromProgramText(kHorizontalOffsetLabel) + unit, horizontal_);
        layout->addRow(fromProgramText(kVerticalOffsetLabel) + unit, vertical_);
        auto* calibrate = new QPushButton(fromProgramText(kCalibrationButton), this);
        calibrate->setObjectName(QStringLiteral("PrintCalibration"));
        calibrate->setAutoDefault(false);
        layout->addRow(calibrate);
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        layout->addRow(buttons.box);
        connect(calibrate, &QPushButton::clicked, this,
                [this] { (void)printCalibrationPage(app_); });
        connect(buttons.ok, &QPushButton::clicked, this, &PrinterOffsetWindow::ok);
    }

private:
    QLineEdit* offsetBox(const std::string& text, const char* name) {
        auto* box = new QLineEdit(fromProgramText(text), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    }

    void ok() {
        const auto read = readPrinterOffset(app_.job(), toProgramText(horizontal_->text()),
                                            toProgramText(vertical_->text()));
        if (const auto* refusal = std::get_if<std::string>(&read)) {
            QMessageBox::warning(this, fromProgramText(kProgramTitle), fromProgramText(*refusal));
            return;
        }
        storePrinterOffset(app_.host(), printer_, std::get<PrinterOffset>(read));
        accept();
    }

    Application& app_;
    std::string printer_;
    QLineEdit* horizontal_ = nullptr;
    QLineEdit* vertical_ = nullptr;
};

} // namespace

// Offsets belong to a printer: with none there is nothing to set.
bool showPrinterOffsetDialog(QWidget* parent, Application& app) {
    if (const auto problem = app.host().printerProblem(); app.host().printerName().empty()) {
        QMessageBox::warning(parent, fromProgramText(kProgramTitle),
                             fromProgramText(problem.value_or("There is no printer.")));
        return false;
    }
    PrinterOffsetWindow dialog(parent, app);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
