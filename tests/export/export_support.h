#pragma once

// Saving symbols through the real path and reading the files back with other
// programs: ImageMagick, Ghostscript, Qt's image readers, and ZXing.

#include "export/image_converter.h"
#include "support/command_session.h"

#include <QImage>
#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vornik::exporting {

// Runs a shell command, its output discarded; its exit status.
inline int runQuietly(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a shell command prints on its standard output.
inline std::string outputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t read;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        ::pclose(pipe);
    }
    return output;
}

// The text as one shell word: in single quotes, each quote in it closed,
// escaped and opened again.
inline std::string quoted(const std::string& text) {
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// What ZXing finds in an image put on a white page with a margin, so that
// symbols without quiet zones have light space around them.
inline ZXing::Result readImage(const QImage& image, const ZXing::DecodeHints& hints,
                               int margin = 40) {
    QImage page(image.width() + 2 * margin, image.height() + 2 * margin, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(margin, margin, image);
    painter.end();
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    return ZXing::ReadBarcode(view, hints);
}

inline std::string decodeImage(const QImage& image, const ZXing::DecodeHints& hints) {
    if (image.isNull())
        return "(no image)";
    const ZXing::Result result = readImage(image, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

inline QImage loadImage(const std::filesystem::path& file) {
    return QImage(QString::fromStdString(file.string()));
}

// A session whose saves go through the image converter.
struct ExportSession : testing::CommandSession {
    ExportSession() {
        app.convertImage = convertImage;
        run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
    }
    // Builds the commands' symbol and saves it; false when either fails.
    bool buildAndSave(const std::string& commands, const std::filesystem::path& file) {
        return run(commands + "[BUILD/COPY]") && state().SymbolBuilt &&
               run("[SAVEBARCODE(" + file.string() + ")]");
    }
    // The picture's true size, 0.01 mm.
    int widthUnits() const { return app.state().CurrentPicture.xExtent; }
    int heightUnits() const { return app.state().CurrentPicture.yExtent; }
};

} // namespace vornik::exporting
