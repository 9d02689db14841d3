#pragma once

#include "core/app/main_menu.h"

#include <QMainWindow>
#include <QStringList>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;

namespace vornik {
class Application;
}

namespace vornik::gui {

class MenuBar;
class MessageBoxEdit;
class SymbolDisplay;
class SymbolReadBack;
class WindowActions;

// The main window: the job's boxes, the measurements panel, the symbol
// display and the menus. It shows what the core's view models say and hands
// every action to a core command; it holds no rule of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

    // How long the window waits, idle, before it removes the spare file a
    // save left beside the file it replaced.
    static constexpr int kSpareRemovalDelay = 1000; // ms

    // Reads every view model again: captions, visibility, box texts, title.
    void refresh();

    // A new symbol from the core.
    void showPicture();

    [[nodiscard]] SymbolDisplay* symbolDisplay() const { return display_; }
    [[nodiscard]] MessageBoxEdit* messageBox() const { return message_; }
    [[nodiscard]] QListWidget* characterList() const { return asciiMenu_; }
    [[nodiscard]] MenuBar* menus() const { return menus_; }
    [[nodiscard]] QToolBar* toolbar() const { return toolbar_; }
    [[nodiscard]] QLineEdit* commentBox() const { return comment_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeBoxes();
    QWidget* makePanel();
    QWidget* makeCharacterList();
    void refreshCharacterList();
    void insertCharacter(int code);
    void makeMenus();
    void makeToolbar();
    void makeRecentMenu();
    void refreshRecentMenu();
    void refreshToolbar();
    void connectBoxes();
    [[nodiscard]] std::vector<MenuItemView> menuView() const;
    void activate(const QString& control, int index);
    void act(const MenuOutcome& outcome);
    void build();
    void clearMessage();
    void refreshPanel();
    void refreshBoxes();
    void makeReadBackLine();
    void settleReadBack();
    [[nodiscard]] QStringList magnifyItems() const;

    Application& app_;
    MenuBar* menus_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* recent_ = nullptr;
    QTimer* spareRemoval_ = nullptr;
    std::string rememberedConfiguration_;
    QStringList shownRecent_;
    QStringList shownMagnifyItems_;
    WindowActions* actions_ = nullptr;
    QLabel* label1_ = nullptr;
    MessageBoxEdit* message_ = nullptr;
    QLabel* label4_ = nullptr;
    QListWidget* asciiMenu_ = nullptr;
    std::vector<std::string> listedEntries_;
    QLabel* label9_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* supplement_ = nullptr;
    QLabel* label3_ = nullptr;
    QLineEdit* nbWidth_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* bcHeight_ = nullptr;
    QLabel* label6_ = nullptr;
    QComboBox* ratioList_ = nullptr;
    QComboBox* magnify_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* checkLabel_ = nullptr;
    QLabel* checkValue_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* totalLength_ = nullptr;
    QLabel* label10_ = nullptr;
    SymbolDisplay* display_ = nullptr;
    QLabel* readBackLine_ = nullptr;
    SymbolReadBack* readBack_ = nullptr;
    // Settles the read-back once the command that built (or failed) is over.
    QTimer* readBackSettling_ = nullptr;
};

} // namespace vornik::gui
