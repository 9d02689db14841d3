#pragma once

#include "core/serial/increment_dialog.h"

#include <functional>

class QLineEdit;

namespace vornik::gui {

// What a box's rule makes of a typed character: the box takes it, the rule
// already changed the box's text itself, or it is refused.
using KeyVerdict = serial::KeyVerdict;

// Puts RULE between the keyboard and BOX: every typed character (Backspace
// as '\b', a character beyond Latin-1 as '?') is shown to the rule first; a
// refused one is swallowed and REFUSED called (the host's beep). Moving the
// caret, Delete, Tab, Enter and Escape go their usual ways.
void installKeyRule(QLineEdit* box, std::function<KeyVerdict(char)> rule,
                    std::function<void()> refused);

} // namespace vornik::gui
