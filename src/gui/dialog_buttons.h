#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace vornik::gui {

// An option dialog's OK and Cancel, named as the program names them. OK is
// the default button, so Enter presses it; Escape and Cancel reject the
// dialog. The caller connects OK's click to its own check and store.
struct DialogButtons {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

[[nodiscard]] DialogButtons okCancelButtons(QDialog* dialog, const char* okName,
                                            const char* cancelName);

} // namespace vornik::gui
