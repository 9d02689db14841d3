#include "gui/raster_properties_dialog.h"

#include "core/app/application.h"
#include "core/app/raster_properties.h"
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
#include <span>

namespace vornik::gui {
namespace {

QComboBox* listOf(std::span<const std::string_view> entries, int selected, const char* name,
                  QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view entry : entries)
        list->addItem(fromProgramText(entry));
    list->setCurrentIndex(selected);
    return list;
}

QCheckBox* checkBox(std::string_view caption, bool checked, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(fromProgramText(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

class RasterPropertiesWindow : public QDialog {
public:
    RasterPropertiesWindow(QWidget* parent, Application& app)
        : QDialog(parent), app_(app), form_(rasterPropertiesForm(app.job())) {
        setObjectName(QStringLiteral("RasterProps"));
        setWindowTitle(fromProgramText(kRasterPropertiesTitle));
        auto* layout = new QFormLayout(this);
        bitsPerPixel_ = listOf(kBitsPerPixelEntries, form_.bitsPerPixelEntry, "cboBPP", this);
        resolution_ = numberBox(form_.resolutionText, "txtDPI");
        jpegQuality_ = numberBox(form_.jpegQualityText, "txtJPEGQuality");
        pngFilter_ = listOf(kPngFilterEntries, form_.pngFilterEntry, "cboPNGFilter", this);
        pngInterlace_ = checkBox(kPngInterlaceCaption, form_.pngInterlace, "chkPNGInterlace", this);
        bmp_ = checkBox(kBmpCompressionCaption, form_.bmpCompression, "chkBMPCompress", this);
        tga_ = checkBox(kTgaCompressionCaption, form_.tgaCompression, "chkTGACompress", this);
        gif_ = checkBox(kGifCompressionCaption, form_.gifCompression, "chkGIFCompress", this);
        tiff_ =
            listOf(kTiffCompressionEntries, form_.tiffCompressionEntry, "cboTIFFCompression", this);
        layout->addRow(fromProgramText(kBitsPerPixelLabel), bitsPerPixel_);
        layout->addRow(fromProgramText(kResolutionLabel), resolution_);
        layout->addRow(fromProgramText(kJpegQualityLabel), jpegQuality_);
        layout->addRow(fromProgramText(kPngFilterLabel), pngFilter_);
        layout->addRow(pngInterlace_);
        layout->addRow(bmp_);
        layout->addRow(tga_);
        layout->addRow(gif_);
        layout->addRow(fromProgramText(kTiffCompressionLabel), tiff_);
        const DialogButtons buttons = okCancelButtons(this, "Command1", "Command2");
        layout->addRow(buttons.box);
        connect(buttons.ok, &QPushButton::clicked, this, &RasterPropertiesWindow::ok);
    }

private:
    QLineEdit* numberBox(const std::string& text, const char* name) {
        auto* box = new QLineEdit(fromProgramText(text), this);
        box->setObjectName(QString::fromLatin1(name));
        installKeyRule(
            box,
            [](char key) {
                return acceptsRasterNumberKey(key) ? KeyVerdict::Insert : KeyVerdict::Refused;
            },
            [this] { app_.host().beep(); });
        return box;
    }

    void ok() {
        form_.bitsPerPixelEntry = bitsPerPixel_->currentIndex();
        form_.resolutionText = toProgramText(resolution_->text());
        form_.jpegQualityText = toProgramText(jpegQuality_->text());
        form_.pngFilterEntry = pngFilter_->currentIndex();
        form_.pngInterlace = pngInterlace_->isChecked();
        form_.bmpCompression = bmp_->isChecked();
        form_.tgaCompression = tga_->isChecked();
        form_.gifCompression = gif_->isChecked();
        form_.tiffCompressionEntry = tiff_->currentIndex();
        confirmRasterProperties(form_, app_.job(), app_.state());
        accept();
    }

    Application& app_;
    RasterPropertiesForm form_;
    QComboBox* bitsPerPixel_ = nullptr;
    QLineEdit* resolution_ = nullptr;
    QLineEdit* jpegQuality_ = nullptr;
    QComboBox* pngFilter_ = nullptr;
    QCheckBox* pngInterlace_ = nullptr;
    QCheckBox* bmp_ = nullptr;
    QCheckBox* tga_ = nullptr;
    QCheckBox* gif_ = nullptr;
    QComboBox* tiff_ = nullptr;
};

} // namespace

bool showRasterPropertiesDialog(QWidget* parent, Application& app) {
    RasterPropertiesWindow dialog(parent, app);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vornik::gui
