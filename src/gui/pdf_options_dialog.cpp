#include "gui/pdf_options_dialog.h"

#include "core/app/application.h"
#include "core/twod/pdf417_options.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

using Model = twod::PdfOptionsDialog;

QComboBox* listOf(const std::vector<std::string>& items, int selected, const char* name,
                  QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string& item : items)
        list->addItem(fromProgramText(item));
    list->setCurrentIndex(selected);
    return list;
}

QCheckBox* checkBox(const char* caption, bool checked, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(fromProgramText(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

class PdfOptionsWindow : public QDialog {
public:
    PdfOptionsWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), model_(Model::load(app.job())) {
        setObjectName(QStringLiteral("PDFOptions"));
        setWindowTitle(fromProgramText(Model::kTitle));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(makeSizeFrame());
        layout->addWidget(makeCompressionFrame());
        codewords_ =
            checkBox(Model::kCodewordsCaption, model_.showCodewords, "CodeWordsCheckBox", this);
        layout->addWidget(codewords_);
        layout->addWidget(makeSecurityFrame());
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        layout->addWidget(buttons.box);
        connect(buttons.ok, &QPushButton::clicked, this, &PdfOptionsWindow::ok);
        showOverhead();
    }

private:
    QGroupBox* makeSizeFrame() {
        auto* frame = new QGroupBox(fromProgramText(Model::kSizeFrame), this);
        auto* form = new QFormLayout(frame);
        truncated_ = checkBox(Model::kTruncatedCaption, model_.truncated, "TruncPDF", frame);
        maxRows_ = listOf(Model::maxRowsItems(), model_.maxRowsIndex, "MaxRows", frame);
        maxColumns_ = listOf(Model::maxColumnsItems(), model_.maxColumnsIndex, "MaxCols", frame);
        form->addRow(truncated_);
        form->addRow(fromProgramText(Model::kMaxRowsLabel), maxRows_);
        form->addRow(fromProgramText(Model::kMaxColumnsLabel), maxColumns_);
        return frame;
    }

    QGroupBox* makeCompressionFrame() {
        auto* frame = new QGroupBox(fromProgramText(Model::kCompressionFrame), this);
        auto* layout = new QVBoxLayout(frame);
        compression_ =
            listOf(Model::compressionItems(), model_.compression, "CompressionCombo", frame);
        layout->addWidget(compression_);
        return frame;
    }

    QGroupBox* makeSecurityFrame() {
        auto* frame = new QGroupBox(fromProgramText(Model::kSecurityFrame), this);
        auto* layout = new QHBoxLayout(frame);
        security_ = listOf(Model::securityItems(), model_.security, "SLevelCombo", frame);
        overheadLabel_ = new QLabel(fromProgramText(Model::kOverheadLabel), frame);
        overheadLabel_->setObjectName(QStringLiteral("OverheadLabel"));
        overhead_ = listOf(Model::overheadItems(), model_.overhead, "PctOverheadCombo", frame);
        overheadLabel_->setBuddy(overhead_);
        layout->addWidget(security_);
        layout->addWidget(overheadLabel_);
        layout->addWidget(overhead_);
        layout->addStretch(1);
        connect(security_, &QComboBox::currentIndexChanged, this, [this](int index) {
            model_.security = index;
            showOverhead();
        });
        return frame;
    }

    // The overhead percentage counts only under "Auto %".
    void showOverhead() {
        overheadLabel_->setVisible(model_.overheadVisible());
        overhead_->setVisible(model_.overheadVisible());
    }

    void ok() {
        model_.compression = compression_->currentIndex();
        model_.security = security_->currentIndex();
        model_.overhead = overhead_->currentIndex();
        model_.maxRowsIndex = maxRows_->currentIndex();
        model_.maxColumnsIndex = maxColumns_->currentIndex();
        model_.showCodewords = codewords_->isChecked();
        model_.truncated = truncated_->isChecked();
        model_.ok(app_.job(), app_.state());
        accept();
    }

    Application& app_;
    Model model_;
    QCheckBox* truncated_ = nullptr;
    QComboBox* maxRows_ = nullptr;
    QComboBox* maxColumns_ = nullptr;
    QComboBox* compression_ = nullptr;
    QCheckBox* codewords_ = nullptr;
    QComboBox* security_ = nullptr;
    QLabel* overheadLabel_ = nullptr;
    QComboBox* overhead_ = nullptr;
};

} // namespace

bool showPdfOptionsDialog(QWidget* parent, Application& app) {
    PdfOptionsWindow dialog(parent, app);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
