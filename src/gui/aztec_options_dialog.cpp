#include "gui/aztec_options_dialog.h"

#include "core/app/application.h"
#include "core/twod/aztec_options.h"
#include "gui/dialog_buttons.h"
#include "gui/key_rule.h"
#include "gui/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

using twod::AztecEcOption;

class AztecOptionsWindow : public QDialog {
public:
    AztecOptionsWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), form_(twod::frmAztecECP_Load(app.job())) {
        setObjectName(QStringLiteral("frmAztecECP"));
        setWindowTitle(fromProgramText(twod::kAztecOptionsTitle));
        auto* layout = new QVBoxLayout(this);
        menu_ = new QCheckBox(fromProgramText(twod::kAztecMenuCaption), this);
        menu_->setObjectName(QStringLiteral("Check1"));
        menu_->setChecked(form_.menuSymbol);
        layout->addWidget(menu_);
        layout->addWidget(makeOptionsFrame());
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        layout->addWidget(buttons.box);
        connect(buttons.ok, &QPushButton::clicked, this, &AztecOptionsWindow::ok);
    }

private:
    QRadioButton* option(int index, QWidget* frame) {
        auto* button = new QRadioButton(
            fromProgramText(twod::kAztecOptionCaptions[static_cast<std::size_t>(index)]), frame);
        button->setObjectName(QStringLiteral("Option1"));
        button->setProperty("index", index);
        button->setChecked(static_cast<AztecEcOption>(index) == form_.option);
        options_->addButton(button, index);
        return button;
    }

    QLineEdit* numberBox(const std::string& text, const char* name, QWidget* frame) {
        auto* box = new QLineEdit(fromProgramText(text), frame);
        box->setObjectName(QString::fromLatin1(name));
        installKeyRule(
            box,
            [](char key) {
                return twod::frmAztecECP_AcceptsKey(key) ? KeyVerdict::Insert : KeyVerdict::Refused;
            },
            [this] { app_.host().beep(); });
        return box;
    }

    QGroupBox* makeOptionsFrame() {
        auto* frame = new QGroupBox(fromProgramText(twod::kAztecFrameCaption), this);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(option(0, frame), 0, 0, 1, 3);
        grid->addWidget(option(1, frame), 1, 0, 1, 2);
        percent_ = numberBox(form_.percentText, "Text1", frame);
        grid->addWidget(percent_, 1, 2);
        auto* note = new QLabel(fromProgramText(twod::kAztecPercentHelp), frame);
        note->setWordWrap(true);
        grid->addWidget(note, 2, 0, 1, 3);
        grid->addWidget(option(2, frame), 3, 0, 1, 3);
        grid->addWidget(option(3, frame), 4, 0, 1, 3);
        auto* layersLabel = new QLabel(fromProgramText(twod::kAztecLayersLabel), frame);
        layers_ = numberBox(form_.layersText, "Text2", frame);
        layersLabel->setBuddy(layers_);
        grid->addWidget(layersLabel, 5, 0);
        grid->addWidget(layers_, 5, 1);
        grid->addWidget(new QLabel(fromProgramText(twod::kAztecLayersUnit), frame), 5, 2);
        grid->setColumnStretch(0, 1);
        return frame;
    }

    void ok() {
        form_.menuSymbol = menu_->isChecked();
        form_.option = static_cast<AztecEcOption>(options_->checkedId());
        form_.percentText = toProgramText(percent_->text());
        form_.layersText = toProgramText(layers_->text());
        if (twod::confirmAztecOptions(app_, form_))
            accept();
    }

    Application& app_;
    twod::AztecOptionsForm form_;
    QCheckBox* menu_ = nullptr;
    QButtonGroup* options_ = new QButtonGroup(this);
    QLineEdit* percent_ = nullptr;
    QLineEdit* layers_ = nullptr;
};

} // namespace

bool showAztecOptionsDialog(QWidget* parent, Application& app) {
    AztecOptionsWindow dialog(parent, app);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
