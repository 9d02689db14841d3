#include "gui/numbering_text_box.h"

#include "core/app/host.h"
#include "gui/display_font.h"

#include <QKeyEvent>

namespace vornik::gui {
namespace {

bool isCopy(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Insert && event.modifiers() == Qt::ControlModifier) ||
           event.matches(QKeySequence::Copy);
}

bool isPaste(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Insert && event.modifiers() == Qt::ShiftModifier) ||
           event.matches(QKeySequence::Paste);
}

// Keys the box handles as any line edit does: caret moves and selection.
bool movesOnly(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return event.matches(QKeySequence::SelectAll);
    }
}

} // namespace

NumberingTextBox::NumberingTextBox(serial::IncrementDialog& model, serial::TextBox box, Host& host,
                                   QWidget* parent)
    : QLineEdit(parent), model_(model), box_(box), host_(host) {
    setFont(displayFont(model.ansiDisplay()));
    // Edits that would bypass the model: the box's own menu and dropped text.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (hasFocus())
            tellCaret();
    });
    showCopy(0);
}

void NumberingTextBox::showCopy(std::size_t caret) {
    setText(QString::fromStdString(model_.screenText(box_)));
    setCursorPosition(static_cast<int>(caret));
}

BoxSelection NumberingTextBox::selection() const {
    if (!hasSelectedText())
        return {static_cast<std::size_t>(cursorPosition()), 0};
    return {static_cast<std::size_t>(selectionStart()),
            static_cast<std::size_t>(selectionLength())};
}

void NumberingTextBox::keyPressEvent(QKeyEvent* event) {
    if (movesOnly(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (edit(*event)) {
        event->accept();
        return;
    }
    // Enter, Escape and the rest belong to the dialog.
    event->ignore();
}

bool NumberingTextBox::edit(const QKeyEvent& event) {
    if (isCopy(event)) {
        model_.copyText(host_, box_, selection());
        return true;
    }
    if (isPaste(event)) {
        showCopy(model_.pasteText(host_, box_, selection()));
        return true;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
        showCopy(model_.backspace(box_, selection()));
        return true;
    case Qt::Key_Delete:
        showCopy(model_.deleteForward(box_, selection()));
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 0x20)
        return false;
    type(text);
    return true;
}

void NumberingTextBox::type(const QString& text) {
    for (const char32_t typed : text.toUcs4())
        showCopy(model_.typeCharacter(box_, selection(), typed));
}

void NumberingTextBox::inputMethodEvent(QInputMethodEvent* event) {
    type(event->commitString());
    event->accept();
}

void NumberingTextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 selection pasted by the middle button would bypass the model.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberingTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    tellCaret();
}

void NumberingTextBox::tellCaret() {
    model_.focusText(box_, static_cast<std::size_t>(cursorPosition()));
}

} // namespace vornik::gui
