#include "gui/key_rule.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vornik::gui {
namespace {

// Keys that edit nothing by a character of their own.
bool passesFreely(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return event.text().isEmpty();
    }
}

char typedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace)
        return '\b';
    const QChar first = event.text().front();
    return first.unicode() < 0x100 ? static_cast<char>(first.unicode()) : '?';
}

class KeyRuleFilter : public QObject {
public:
    KeyRuleFilter(QLineEdit* box, std::function<KeyVerdict(char)> rule,
                  std::function<void()> refused)
        : QObject(box), rule_(std::move(rule)), refused_(std::move(refused)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (passesFreely(key))
            return false;
        switch (rule_(typedCharacter(key))) {
        case KeyVerdict::Insert:
            return false;
        case KeyVerdict::Consumed:
            return true;
        case KeyVerdict::Refused:
            refused_();
            return true;
        }
        return true;
    }

private:
    std::function<KeyVerdict(char)> rule_;
    std::function<void()> refused_;
};

} // namespace

void installKeyRule(QLineEdit* box, std::function<KeyVerdict(char)> rule,
                    std::function<void()> refused) {
    box->installEventFilter(new KeyRuleFilter(box, std::move(rule), std::move(refused)));
}

} // namespace vornik::gui
