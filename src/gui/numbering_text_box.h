#pragma once

#include "core/serial/increment_dialog.h"

#include <QLineEdit>

namespace vornik {
class Host;
}

namespace vornik::gui {

// The preamble or postamble box of the numbering dialog. It shows its
// working copy one character for each code, in the display set's face as the
// message box does, and hands every edit (typing,
// Backspace, Delete, Shift+Insert and Ctrl+V, Ctrl+Insert and Ctrl+C) to the
// dialog's model, so that the copy keeps every code, NUL included, whatever
// the box can show. Caret moves go to the model too, for the character
// picker.
class NumberingTextBox : public QLineEdit {
public:
    NumberingTextBox(serial::IncrementDialog& model, serial::TextBox box, Host& host,
                     QWidget* parent);

    // Shows the working copy again, the caret at CARET.
    void showCopy(std::size_t caret);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    [[nodiscard]] BoxSelection selection() const;
    [[nodiscard]] bool edit(const QKeyEvent& event);
    void type(const QString& text);
    void tellCaret();

    serial::IncrementDialog& model_;
    serial::TextBox box_;
    Host& host_;
};

} // namespace vornik::gui
