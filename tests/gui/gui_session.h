#pragma once

// A desktop program for one test: the real window over a job, started as the
// program starts, with a settings file of its own in a temporary folder.

#include "core/dde/interpreter.h"
#include "gui/desktop_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

namespace vornik::gui::testing {

class GuiSession {
public:
    GuiSession()
        : testPaths_((QStandardPaths::setTestModeEnabled(true), true)),
          session_(
              std::make_unique<DesktopSession>((settings_.path() + "/Vornik.conf").toStdString(),
                                               VORNIK_PROGRAM_DIRECTORY, std::nullopt)) {
        session_->start();
        session_->window().activateWindow();
        // Shortcuts reach only the active window.
        activeWindow_ = QTest::qWaitForWindowActive(&session_->window());
    }

    // Whether the window became the active one, as it does on a desktop.
    [[nodiscard]] bool windowActive() const { return activeWindow_; }

    // Commands of the command language, as an automating client sends them.
    // They also mark the paste advice as done, so no dialog waits for a click.
    // The window then shows the job as the commands left it.
    bool run(const std::string& commands) {
        const bool accepted = dde::Interpreter(session_->app()).Execute(commands);
        session_->window().refresh();
        return accepted;
    }

    DesktopSession& operator*() { return *session_; }
    DesktopSession* operator->() { return session_.get(); }

    // The next message box the program shows is answered with BUTTON, as a
    // user would click it; its text is kept in the returned string once the
    // box has been answered.
    std::shared_ptr<QString> answerNextMessageBox(QMessageBox::StandardButton button) {
        auto text = std::make_shared<QString>();
        auto* timer = new QTimer(&session_->window());
        QObject::connect(timer, &QTimer::timeout, timer, [timer, button, text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            *text = box->text();
            if (QAbstractButton* choice = box->button(button))
                choice->click();
            timer->deleteLater();
        });
        timer->start(10);
        return text;
    }

private:
    // What the window remembers goes to Qt's test folders, not the user's.
    bool testPaths_;
    QTemporaryDir settings_;
    std::unique_ptr<DesktopSession> session_;
    bool activeWindow_ = false;
};

} // namespace vornik::gui::testing
