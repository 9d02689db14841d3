#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vornik {
class Application;
}

namespace vornik::gui {

class SymbolDisplay;

// The main window: the job's boxes, the measurements panel, the symbol
// display and the menus. It shows what the core's view models say and hands
// every action to a core command; it holds no rule of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

    // Reads every view model again: captions, visibility, box texts, title.
    void refresh();

    // A new symbol from the core.
    void showPicture();

    [[nodiscard]] SymbolDisplay* symbolDisplay() const { return display_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeBoxes();
    QWidget* makePanel();
    void makeMenus();
    void connectBoxes();
    void build();
    void clearMessage();
    void refreshPanel();
    void refreshBoxes();

    Application& app_;
    QLabel* label1_ = nullptr;
    QLineEdit* message_ = nullptr;
    QPushButton* editorButton_ = nullptr;
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
};

} // namespace vornik::gui
