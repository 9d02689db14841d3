#include "gui/dm_options_dialog.h"

#include "core/app/application.h"
#include "core/twod/dm_options.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"
#include "gui/user_guide.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <span>

namespace vornik::gui {
namespace {

// The guide's page that tells of the Data Matrix options.
const QString kHelpPage = QStringLiteral("two-dimensional-symbols.html");

// A frame of option buttons, one for each caption, named NAME with their
// index as the "index" property (the program's control arrays); the button
// of SELECTED is checked.
QGroupBox* optionFrame(std::string_view caption, std::span<const std::string_view> captions,
                       int selected, const char* name, QButtonGroup* group, QWidget* parent) {
    auto* frame = new QGroupBox(fromProgramText(caption), parent);
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(fromProgramText(captions[i]), frame);
        button->setObjectName(QString::fromLatin1(name));
        button->setProperty("index", static_cast<int>(i));
        button->setChecked(static_cast<int>(i) == selected);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return frame;
}

class DmOptionsWindow : public QDialog {
public:
    DmOptionsWindow(QWidget* parent, Application& app, const std::function<void()>& showHelp)
        : QDialog(parent), app_(app), form_(twod::DMOptions_Load(app.job())) {
        setObjectName(QStringLiteral("DMOptions"));
        setWindowTitle(fromProgramText(twod::kDmOptionsTitle));
        auto* grid = new QGridLayout(this);
        grid->addWidget(makeEccFrame(), 0, 0);
        grid->addWidget(makeFormatFrame(), 0, 1);
        grid->addWidget(makeShapeFrame(), 0, 2);
        // Beside the ECC buttons in spirit; below them, so that it reads.
        auto* note = new QLabel(fromProgramText(twod::kDmEccHelp), this);
        note->setWordWrap(true);
        grid->addWidget(note, 1, 0, 1, 3);
        tildes_ = new QCheckBox(fromProgramText(twod::kDmTildeCaption), this);
        tildes_->setObjectName(QStringLiteral("TranslateTildes"));
        tildes_->setChecked(form_.translateTildes);
        grid->addWidget(tildes_, 2, 0, 1, 3);
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        addHelp(buttons.box, showHelp);
        grid->addWidget(buttons.box, 3, 0, 1, 3);
        connect(buttons.ok, &QPushButton::clicked, this, &DmOptionsWindow::ok);
        showEnabling();
    }

private:
    QGroupBox* makeEccFrame() {
        auto* frame =
            optionFrame(twod::kDmEccFrame, twod::kDmEccCaptions, form_.ecc, "Option1", ecc_, this);
        connect(ecc_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
            if (!checked)
                return;
            twod::DMOptions_SelectEcc(form_, index);
            showEnabling();
        });
        return frame;
    }

    QGroupBox* makeFormatFrame() {
        formatFrame_ = optionFrame(twod::kDmFormatFrame, twod::kDmFormatCaptions, form_.format,
                                   "Option2", format_, this);
        return formatFrame_;
    }

    QGroupBox* makeShapeFrame() {
        shapeFrame_ = optionFrame(twod::kDmShapeFrame, twod::kDmShapeCaptions, form_.shape,
                                  "Option3", shape_, this);
        return shapeFrame_;
    }

    void addHelp(QDialogButtonBox* box, std::function<void()> showHelp) {
        QPushButton* help =
            box->addButton(fromProgramText(twod::kDmHelpCaption), QDialogButtonBox::HelpRole);
        help->setObjectName(QStringLiteral("Command3"));
        if (!showHelp)
            showHelp = [this] { openUserGuide(this, app_.state().ProgramDirectory, kHelpPage); };
        connect(help, &QPushButton::clicked, this, showHelp);
        auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
        connect(f1, &QShortcut::activated, this, showHelp);
    }

    // ECC 200 has shapes and tildes; the older levels have data formats.
    void showEnabling() {
        formatFrame_->setEnabled(form_.formatEnabled);
        shapeFrame_->setEnabled(form_.shapeEnabled);
        tildes_->setEnabled(form_.tildesEnabled);
    }

    void ok() {
        form_.format = format_->checkedId();
        form_.shape = shape_->checkedId();
        form_.translateTildes = tildes_->isChecked();
        twod::confirmDmOptions(form_, app_.job(), app_.state());
        accept();
    }

    Application& app_;
    twod::DmOptionsForm form_;
    QButtonGroup* ecc_ = new QButtonGroup(this);
    QButtonGroup* format_ = new QButtonGroup(this);
    QButtonGroup* shape_ = new QButtonGroup(this);
    QGroupBox* formatFrame_ = nullptr;
    QGroupBox* shapeFrame_ = nullptr;
    QCheckBox* tildes_ = nullptr;
};

} // namespace

bool showDmOptionsDialog(QWidget* parent, Application& app, const std::function<void()>& showHelp) {
    DmOptionsWindow dialog(parent, app, showHelp);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
