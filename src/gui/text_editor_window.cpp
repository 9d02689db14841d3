#include "gui/text_editor_window.h"

#include "gui/qt_text.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

QString caption(std::string_view text) {
    return QString::fromStdString(std::string(text));
}

} // namespace

TextEditorWindow::TextEditorWindow(Application& app, QWidget* parent)
    : QDialog(parent), editor_(app) {
    setObjectName(QStringLiteral("frmEditor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtEdit"));
    text_->installEventFilter(this);
    layout->addWidget(text_);
    resize(560, 360);
    makeMenus();
    connect(text_, &QPlainTextEdit::textChanged, this, &TextEditorWindow::textChanged);
}

void TextEditorWindow::makeMenus() {
    auto* bar = findChild<QMenuBar*>();
    QMenu* file = bar->addMenu(caption(kEditorFileMenuCaption));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto fileItem = [this, file](int index, auto slot) {
        QAction* action =
            file->addAction(caption(kEditorFileMenu[static_cast<std::size_t>(index)]));
        action->setObjectName(QStringLiteral("mnuFileItem[%1]").arg(index));
        connect(action, &QAction::triggered, this, slot);
    };
    fileItem(0, [this] {
        editor_.fileNew();
        showText();
    });
    fileItem(1, [this] {
        editor_.fileOpen();
        showText();
    });
    fileItem(2, [this] { editor_.fileSaveAs(); });
    file->addSeparator();
    fileItem(4, [this] {
        editor_.returnToVornik();
        finish();
    });
    file->addSeparator();
    fileItem(6, [this] { finish(); });

    QMenu* edit = bar->addMenu(caption(kEditorEditMenuCaption));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* cut = edit->addAction(caption(kEditorEditMenu[0]));
    QAction* copy = edit->addAction(caption(kEditorEditMenu[1]));
    QAction* paste = edit->addAction(caption(kEditorEditMenu[2]));
    cut->setObjectName(QStringLiteral("mnuEditItem[0]"));
    copy->setObjectName(QStringLiteral("mnuEditItem[1]"));
    paste->setObjectName(QStringLiteral("mnuEditItem[2]"));
    connect(edit, &QMenu::aboutToShow, this, [this, cut, copy, paste] {
        const EditMenuState state = editor_.editMenu(selection());
        cut->setEnabled(state.cut);
        copy->setEnabled(state.copy);
        paste->setEnabled(state.paste);
    });
    connect(cut, &QAction::triggered, this, [this] {
        const BoxSelection after = editor_.cut(selection());
        showText();
        select(after);
    });
    connect(copy, &QAction::triggered, this, [this] { editor_.copy(selection()); });
    connect(paste, &QAction::triggered, this, [this] {
        const BoxSelection after = editor_.paste(selection());
        showText();
        select(after);
    });
}

bool TextEditorWindow::open(BoxSelection messageBoxSelection) {
    if (!editor_.open(messageBoxSelection))
        return false;
    if (editor_.fontName() == "Terminal")
        text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    showText();
    select(editor_.initialSelection());
    return true;
}

void TextEditorWindow::showText() {
    showing_ = true;
    text_->setPlainText(QString::fromStdString(editor_.screenText()));
    showing_ = false;
    setWindowTitle(fromProgramText(editor_.caption()));
}

BoxSelection TextEditorWindow::selection() const {
    const QTextCursor cursor = text_->textCursor();
    return {static_cast<std::size_t>(cursor.selectionStart()),
            static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart())};
}

void TextEditorWindow::select(BoxSelection selection) {
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(static_cast<int>(selection.start));
    cursor.setPosition(static_cast<int>(selection.start + selection.length),
                       QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
}

void TextEditorWindow::textChanged() {
    if (showing_)
        return;
    if (editor_.textEdited(text_->toPlainText().toStdString())) {
        const BoxSelection where = selection();
        showText();
        select(where);
    }
}

// Typed characters go in as the editor stores them (in the ASCII set, as
// code page 437 has them).
bool TextEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || typed.front() < QChar(32) ||
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QDialog::eventFilter(watched, event);
    const char32_t stored = editor_.keyCharacter(typed.front().unicode());
    text_->insertPlainText(QString::fromUcs4(&stored, 1));
    return true;
}

void TextEditorWindow::finish() {
    closingFromMenu_ = true;
    close();
}

// Only the window's own close box asks whether to update the message; the
// menu's Return and Abort have already decided.
void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (!closingFromMenu_)
        editor_.closeBox();
    event->accept();
    accept();
}

void runTextEditor(QWidget* parent, Application& app, BoxSelection messageBoxSelection) {
    TextEditorWindow window(app, parent);
    if (!window.open(messageBoxSelection))
        return;
    window.exec();
}

} // namespace vornik::gui
