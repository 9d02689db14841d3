#include "gui/print_margins_dialog.h"

#include "core/app/application.h"
#include "core/app/print_command.h"
#include "core/app/print_margins.h"
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

namespace vornik::gui {
namespace {

class PrintMarginsWindow : public QDialog {
public:
    PrintMarginsWindow(QWidget* parent, Application& app) : QDialog(parent), app_(app) {
        setObjectName(QStringLiteral("Form3"));
        setWindowTitle(fromProgramText(kPrintMarginsTitle));
        const PrintMarginTexts texts = printMarginTexts(app.state());
        auto* layout = new QFormLayout(this);
        layout->addRow(new QLabel(fromProgramText(kPrintMarginsPrompt), this));
        left_ = marginBox(texts.left, "Text1");
        top_ = marginBox(texts.top, "Text3");
        layout->addRow(fromProgramText(kLeftMarginLabel), left_);
        layout->addRow(fromProgramText(kTopMarginLabel), top_);
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        buttons.ok->setText(fromProgramText(kPrintButton));
        layout->addRow(buttons.box);
        connect(buttons.ok, &QPushButton::clicked, this, &PrintMarginsWindow::print);
    }

private:
    QLineEdit* marginBox(const std::string& text, const char* name) {
        auto* box = new QLineEdit(fromProgramText(text), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    }

    void print() {
        const PrintMarginTexts texts{toProgramText(left_->text()), toProgramText(top_->text())};
        if (const auto refusal = storePrintMargins(app_.state(), texts)) {
            QMessageBox::warning(this, fromProgramText(kProgramTitle), fromProgramText(*refusal));
            return;
        }
        accept();
    }

    Application& app_;
    QLineEdit* left_ = nullptr;
    QLineEdit* top_ = nullptr;
};

} // namespace

bool showPrintMarginsDialog(QWidget* parent, Application& app) {
    PrintMarginsWindow dialog(parent, app);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A failure is told by the print routine itself.
    (void)printSymbol(app, true);
    return true;
}

} // namespace vornik::gui
