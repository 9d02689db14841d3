#pragma once

#include "core/app/message_editing.h"
#include "core/app/text_editor.h"

#include <QDialog>

class QPlainTextEdit;

namespace vornik::gui {

// The text editor window: a large box for a long message, with File and Edit
// menus. It shows the core's text editor and hands it every change; the
// editor decides what reaches the job's message.
class TextEditorWindow : public QDialog {
    Q_OBJECT

public:
    TextEditorWindow(Application& app, QWidget* parent);

    // Loads the job's message; false when the editor refused it (the user
    // has been told) and the window is not to be shown.
    [[nodiscard]] bool open(BoxSelection messageBoxSelection);

    [[nodiscard]] QPlainTextEdit* textBox() const { return text_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeMenus();
    void showText();
    [[nodiscard]] BoxSelection selection() const;
    void select(BoxSelection selection);
    void textChanged();
    void finish();

    TextEditor editor_;
    QPlainTextEdit* text_ = nullptr;
    bool closingFromMenu_ = false;
    bool showing_ = false;
};

// Opens the editor modally over PARENT, as the Editor button does.
void runTextEditor(QWidget* parent, Application& app, BoxSelection messageBoxSelection);

} // namespace vornik::gui
