#pragma once

#include "core/app/message_editing.h"

#include <QLineEdit>

namespace vornik {
class Application;
}

namespace vornik::gui {

// The main window's message box. Every key that edits goes to the core's
// message editing, which changes the job's internal message and says what
// the box shows; the box applies no edit of its own. Keys that only move the
// cursor or the selection stay the box's. A right click asks for the main
// window's Edit menu.
class MessageBoxEdit : public QLineEdit {
    Q_OBJECT

public:
    MessageBoxEdit(Application& app, QWidget* parent);

    // The box's cursor or selection, in message positions.
    [[nodiscard]] BoxSelection selection() const;

    // Shows CONTENT: its text, then its cursor or selection.
    void show(const MessageBoxContent& content);

    // Shows the job's message as it is, keeping the cursor where it can.
    void showJobMessage();

signals:
    void editMenuRequested(const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    [[nodiscard]] bool editWithKey(const QKeyEvent& key);
    void typeText(const QString& text);

    Application& app_;
};

} // namespace vornik::gui
