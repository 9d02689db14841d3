#include "gui/target_printer_dialog.h"

#include "core/app/application.h"
#include "core/app/target_printer.h"
#include "gui/dialog_buttons.h"
#include "gui/key_rule.h"
#include "gui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vornik::gui {
namespace {

class TargetPrinterWindow : public QDialog {
public:
    TargetPrinterWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), fields_(targetPrinterFields(app.job())) {
        setObjectName(QStringLiteral("WarnForm"));
        setWindowTitle(fromProgramText(kTargetPrinterTitle));
        auto* layout = new QFormLayout(this);
        horizontal_ = resolutionList(fields_.horizontal, "HDPI");
        vertical_ = resolutionList(fields_.vertical, "VDPI");
        warnings_ = new QCheckBox(fromProgramText(kPrintWarningsLabel), this);
        warnings_->setObjectName(QStringLiteral("PrintWarningCheckBox"));
        warnings_->setChecked(fields_.printWarnings);
        auto* select = new QPushButton(fromProgramText(kSelectPrinterButton), this);
        select->setObjectName(QStringLiteral("Command3"));
        select->setAutoDefault(false);
        layout->addRow(fromProgramText(kHorizontalDpiLabel), horizontal_);
        layout->addRow(fromProgramText(kVerticalDpiLabel), vertical_);
        layout->addRow(warnings_);
        layout->addRow(select);
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        layout->addRow(buttons.box);
        connect(select, &QPushButton::clicked, this, &TargetPrinterWindow::selectPrinter);
        connect(buttons.ok, &QPushButton::clicked, this, &TargetPrinterWindow::ok);
    }

private:
    QComboBox* resolutionList(const std::string& text, const char* name) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string_view choice : kResolutionChoices)
            list->addItem(fromProgramText(choice));
        list->setEditText(fromProgramText(text));
        installKeyRule(
            list->lineEdit(),
            [](char key) {
                return resolutionBoxTakes(key) ? KeyVerdict::Insert : KeyVerdict::Refused;
            },
            [this] { app_.host().beep(); });
        return list;
    }

    void selectPrinter() {
        const auto chosen = app_.host().choosePrinter();
        if (!chosen)
            return;
        showPrinterResolution(fields_, *chosen);
        horizontal_->setEditText(fromProgramText(fields_.horizontal));
        vertical_->setEditText(fromProgramText(fields_.vertical));
    }

    void ok() {
        fields_.horizontal = toProgramText(horizontal_->currentText());
        fields_.vertical = toProgramText(vertical_->currentText());
        fields_.printWarnings = warnings_->isChecked();
        applyTargetPrinter(app_, fields_);
        accept();
    }

    Application& app_;
    TargetPrinterFields fields_;
    QComboBox* horizontal_ = nullptr;
    QComboBox* vertical_ = nullptr;
    QCheckBox* warnings_ = nullptr;
};

} // namespace

bool showTargetPrinterDialog(QWidget* parent, Application& app) {
    TargetPrinterWindow dialog(parent, app);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
