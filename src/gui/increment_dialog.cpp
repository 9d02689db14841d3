#include "gui/increment_dialog.h"

#include "core/app/application.h"
#include "core/app/character_list.h"
#include "core/serial/increment_dialog.h"
#include "gui/dialog_buttons.h"
#include "gui/display_font.h"
#include "gui/key_rule.h"
#include "gui/numbering_text_box.h"
#include "gui/qt_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

using serial::NumberBox;
using serial::TextBox;

class IncrementWindow : public QDialog {
public:
    IncrementWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), model_(app.job()) {
        setObjectName(QStringLiteral("Increment"));
        setWindowTitle(fromProgramText(serial::kIncrementTitle));
        auto* columns = new QHBoxLayout(this);
        auto* left = new QVBoxLayout;
        columns->addLayout(left, 1);
        left->addLayout(makeBoxes());
        left->addWidget(makeTargetFrame());
        enabled_ = new QCheckBox(fromProgramText(serial::kIncrementEnabledCaption), this);
        enabled_->setObjectName(QStringLiteral("IncrementEnabled"));
        enabled_->setChecked(model_.IncrementEnabled);
        left->addWidget(enabled_);
        // The main window's character list, while it shows one; made before
        // the buttons, so that Tab reaches it before them.
        if (const CharacterListView list = characterListView(app.job()); list.shown)
            columns->addLayout(makePicker(list), 1);
        const DialogButtons buttons = okCancelButtons(this, "OKButton", "CancelButton");
        left->addWidget(buttons.box);
        connect(buttons.ok, &QPushButton::clicked, this, &IncrementWindow::ok);
        connect(qApp, &QApplication::focusChanged, this, &IncrementWindow::focusMoved);
    }

private:
    // The picker's double click or Enter: the entry's code into the box that
    // had the focus last.
    void pick(int code) {
        if (!model_.insertCharacter(static_cast<unsigned char>(code))) {
            app_.host().beep();
            return;
        }
        NumberingTextBox* box = *model_.focusedText() == TextBox::Preamble ? preamble_ : postamble_;
        box->showCopy(model_.focusedCaret());
        box->setFocus();
    }

    QFormLayout* makeBoxes() {
        auto* form = new QFormLayout;
        startNumber_ = numberBox(model_.StartNumber, NumberBox::StartNumber, "StartNumber");
        incrementValue_ =
            numberBox(model_.IncrementValue, NumberBox::IncrementValue, "IncrementValue");
        numDigits_ = numberBox(model_.NumDigits, NumberBox::NumDigits, "NumDigits");
        preamble_ = textBox(TextBox::Preamble, "Preamble");
        postamble_ = textBox(TextBox::Postamble, "Postamble");
        form->addRow(fromProgramText(serial::kStartNumberLabel), startNumber_);
        form->addRow(fromProgramText(serial::kIncrementValueLabel), incrementValue_);
        form->addRow(fromProgramText(serial::kNumDigitsLabel), numDigits_);
        form->addRow(fromProgramText(serial::kPreambleLabel), preamble_);
        form->addRow(fromProgramText(serial::kPostambleLabel), postamble_);
        return form;
    }

    QLineEdit* numberBox(const std::string& text, NumberBox which, const char* name) {
        auto* box = new QLineEdit(fromProgramText(text), this);
        box->setObjectName(QString::fromLatin1(name));
        installKeyRule(
            box,
            [this, box, which](char key) {
                const KeyVerdict verdict = model_.numberKey(which, key);
                if (verdict == KeyVerdict::Consumed)
                    box->setText(fromProgramText(model_.IncrementValue));
                return verdict;
            },
            [this] { app_.host().beep(); });
        // The model reads the box as it stands, for the sign key.
        if (which == NumberBox::IncrementValue)
            connect(box, &QLineEdit::textChanged, this,
                    [this](const QString& shown) { model_.IncrementValue = toProgramText(shown); });
        return box;
    }

    NumberingTextBox* textBox(TextBox which, const char* name) {
        auto* box = new NumberingTextBox(model_, which, app_.host(), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    }

    QGroupBox* makeTargetFrame() {
        auto* frame = new QGroupBox(fromProgramText(serial::kIncrementFrame), this);
        auto* layout = new QVBoxLayout(frame);
        message_ = new QRadioButton(fromProgramText(serial::kIncMsgCaption), frame);
        message_->setObjectName(QStringLiteral("IncMsg"));
        supplement_ = new QRadioButton(fromProgramText(serial::kIncSupCaption), frame);
        supplement_->setObjectName(QStringLiteral("IncSup"));
        (model_.IncMsg ? message_ : supplement_)->setChecked(true);
        layout->addWidget(message_);
        layout->addWidget(supplement_);
        return frame;
    }

    QVBoxLayout* makePicker(const CharacterListView& list) {
        auto* layout = new QVBoxLayout;
        auto* heading = new QLabel(QString::fromStdString(list.heading), this);
        heading->setFont(displayFont(model_.ansiDisplay()));
        picker_ = new QListWidget(this);
        picker_->setObjectName(QStringLiteral("AsciiMenu"));
        picker_->setFont(displayFont(model_.ansiDisplay()));
        heading->setBuddy(picker_);
        for (const std::string& entry : list.entries)
            picker_->addItem(QString::fromStdString(entry));
        picker_->setCurrentRow(0);
        connect(picker_, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem* item) { pick(picker_->row(item)); });
        picker_->installEventFilter(this);
        layout->addWidget(heading);
        layout->addWidget(picker_, 1);
        return layout;
    }

    // Enter on the picker picks, rather than pressing OK.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != picker_ || event->type() != QEvent::KeyPress)
            return QDialog::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        pick(picker_->currentRow());
        return true;
    }

    // Another control of the dialog taking the focus ends the picker's hold
    // on the text box; the picker itself does not.
    void focusMoved(QWidget*, QWidget* now) {
        if (now == nullptr || !isAncestorOf(now) || now == preamble_ || now == postamble_ ||
            now == picker_)
            return;
        model_.focusOther();
    }

    void ok() {
        model_.StartNumber = toProgramText(startNumber_->text());
        model_.IncrementValue = toProgramText(incrementValue_->text());
        model_.NumDigits = toProgramText(numDigits_->text());
        model_.IncMsg = message_->isChecked();
        model_.IncrementEnabled = enabled_->isChecked();
        if (model_.ok(app_))
            accept();
    }

    Application& app_;
    serial::IncrementDialog model_;
    QLineEdit* startNumber_ = nullptr;
    QLineEdit* incrementValue_ = nullptr;
    QLineEdit* numDigits_ = nullptr;
    NumberingTextBox* preamble_ = nullptr;
    NumberingTextBox* postamble_ = nullptr;
    QRadioButton* message_ = nullptr;
    QRadioButton* supplement_ = nullptr;
    QCheckBox* enabled_ = nullptr;
    QListWidget* picker_ = nullptr;
};

} // namespace

bool showIncrementDialog(QWidget* parent, Application& app) {
    bool stored = false;
    {
        IncrementWindow dialog(parent, app);
        stored = dialog.exec() == QDialog::Accepted;
    }
    serial::afterIncrementDialog(app);
    return stored;
}

} // namespace vornik::gui
