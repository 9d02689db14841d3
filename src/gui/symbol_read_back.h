#pragma once

#include "core/app/image_conversion.h"
#include "core/app/run_state.h"
#include "core/batch/expected_reading.h"
#include "core/render/current_picture.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>

namespace vornik::gui {

// The window's read-back of the symbol it shows: the picture is drawn as a
// PNG export draws it, in a private folder, and read by the read-back
// module, on a thread of its own so that a large symbol does not hold the
// window up. What the reader made of it arrives as the line's new text.
class SymbolReadBack : public QObject {
    Q_OBJECT

public:
    explicit SymbolReadBack(QObject* parent = nullptr);
    ~SymbolReadBack() override;

    // A picture was published: it is the one to read when the window next
    // settles. CONVERSION draws it (source and destination are filled in
    // here); EXPECTATION is what it must read as.
    void pictureShown(const render::CurrentPicture& picture, batch::Expectation expectation,
                      ImageConversion conversion);

    // Once a command is over: with a symbol built and the read-back on, the
    // picture not yet read is read (by the module in the program's folder);
    // otherwise the line empties and a reading under way is forgotten.
    void settle(const RunState& state);

    [[nodiscard]] const QString& line() const { return line_; }

    // What the reading thread shares with the window.
    struct Tools;

signals:
    void lineChanged(const QString& line);
    // A settling is over: the line says what it will say until a reading
    // ends or the next command.
    void settled();

private:
    struct Request {
        render::CurrentPicture picture;
        batch::Expectation expectation;
        ImageConversion conversion;
    };
    void start(const Request& request, const std::filesystem::path& programDirectory);
    void show(const QString& line);
    void finish(unsigned long long generation, const QString& line);
    void forget();

    std::shared_ptr<Tools> tools_; // made at the first reading
    std::optional<Request> last_;  // the picture on display
    bool started_ = false;         // its reading has begun (or ended)
    unsigned long long generation_ = 0;
    QString line_;
    QThreadPool pool_;
};

} // namespace vornik::gui
