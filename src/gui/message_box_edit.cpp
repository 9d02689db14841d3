#include "gui/message_box_edit.h"

#include "core/app/application.h"
#include "core/app/display_set.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <optional>

namespace vornik::gui {
namespace {

QString screenString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The core key an editing key stands for; nullopt for keys that do not edit.
std::optional<MessageBoxKey> editingKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Backspace:
        return modifiers & Qt::AltModifier ? MessageBoxKey::AltBackspace : MessageBoxKey::Backspace;
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier ? std::optional(MessageBoxKey::Delete) : std::nullopt;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return MessageBoxKey::Enter;
    case Qt::Key_Insert:
        if (modifiers == Qt::ShiftModifier)
            return MessageBoxKey::ShiftInsert;
        if (modifiers == Qt::ControlModifier)
            return MessageBoxKey::CtrlInsert;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// Keys the box may keep: they move the cursor or the selection.
bool movesOnly(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return key.matches(QKeySequence::SelectAll);
    }
}

} // namespace

MessageBoxEdit::MessageBoxEdit(Application& app, QWidget* parent) : QLineEdit(parent), app_(app) {
    setObjectName(QStringLiteral("Message"));
    setAcceptDrops(false);
    setDragEnabled(false);
}

BoxSelection MessageBoxEdit::selection() const {
    if (hasSelectedText())
        return {static_cast<std::size_t>(selectionStart()),
                static_cast<std::size_t>(selectionLength())};
    return {static_cast<std::size_t>(cursorPosition()), 0};
}

void MessageBoxEdit::show(const MessageBoxContent& content) {
    const QString text = screenString(content.screenText);
    if (QLineEdit::text() != text)
        setText(text);
    const int start = static_cast<int>(content.selection.start);
    if (content.selection.length > 0)
        setSelection(start, static_cast<int>(content.selection.length));
    else
        setCursorPosition(start);
}

void MessageBoxEdit::showJobMessage() {
    show(messageBoxContent(app_.job(), selection()));
}

// The box's own shortcuts for undo, cut, paste and the like would edit the
// text behind the message's back: they are left to the window's menus.
bool MessageBoxEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) && !movesOnly(*key)) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void MessageBoxEdit::keyPressEvent(QKeyEvent* event) {
    if (editWithKey(*event))
        return;
    if (movesOnly(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front() >= QChar(32) &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed) {
        typeText(text);
        return;
    }
    // Tab and Escape belong to the window; other control keys are discarded.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
        event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
}

bool MessageBoxEdit::editWithKey(const QKeyEvent& key) {
    const std::optional<MessageBoxKey> editing = editingKey(key);
    if (!editing)
        return false;
    show(pressInMessageBox(app_, selection(), *editing));
    return true;
}

void MessageBoxEdit::typeText(const QString& text) {
    for (const char32_t character : text.toUcs4())
        show(typeInMessageBox(app_, selection(), character));
}

// Composed characters (dead keys, input methods) arrive here rather than as
// key presses; they are typed as if keyed.
void MessageBoxEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

void MessageBoxEdit::contextMenuEvent(QContextMenuEvent* event) {
    emit editMenuRequested(event->globalPos());
}

} // namespace vornik::gui
