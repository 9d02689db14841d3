#include "gui/main_window.h"

#include "core/app/application.h"
#include "core/app/character_list.h"
#include "core/app/display_set.h"
#include "core/app/main_menu.h"
#include "core/app/program_texts.h"
#include "core/app/read_back_line.h"
#include "core/app/toolbar.h"
#include "core/files/configuration.h"
#include "core/files/spare_file.h"
#include "gui/display_font.h"
#include "gui/menu_bar.h"
#include "gui/message_box_edit.h"
#include "gui/qt_text.h"
#include "gui/symbol_display.h"
#include "gui/symbol_read_back.h"
#include "gui/tool_icons.h"
#include "gui/window_actions.h"
#include "gui/window_memory.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace vornik::gui {
namespace {

// The ratio list's items, "2.0" to "3.0"; the job keeps the index.
QStringList ratioItems() {
    QStringList items;
    for (int tenths = 20; tenths <= 30; ++tenths)
        items << QString::number(tenths / 10.0, 'f', 1);
    return items;
}

// The magnification list, 80 to 200 percent in steps of 5.
QStringList magnificationItems() {
    QStringList items;
    for (int percent = 80; percent <= 200; percent += 5)
        items << QString::number(percent);
    return items;
}

void showItem(QWidget* widget, const render::PanelItem& item) {
    widget->setVisible(item.visible);
}

void showCaption(QLabel* label, const render::PanelItem& item) {
    label->setText(fromProgramText(item.caption));
    label->setVisible(item.visible);
}

} // namespace

MainWindow::MainWindow(Application& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(makeBoxes(), 1);
    top->addWidget(makeCharacterList());
    layout->addLayout(top);
    layout->addWidget(makePanel());
    label10_ = new QLabel(fromProgramText(kHelpLabelText), central);
    label10_->setAlignment(Qt::AlignCenter);
    layout->addWidget(label10_, 1);
    display_ = new SymbolDisplay(central);
    layout->addWidget(display_, 1);
    setCentralWidget(central);
    // A double click on the help text or the window's background builds, as
    // one on the display does.
    label10_->installEventFilter(this);
    central->installEventFilter(this);
    actions_ = new WindowActions(app_, *this);
    // A save keeps the file it replaced as a spare for the next save in the
    // same folder, which makes a batch quick; a desktop user pausing should
    // not find it lying beside their symbol, so it goes once the window has
    // been idle a moment.
    spareRemoval_ = new QTimer(this);
    spareRemoval_->setSingleShot(true);
    spareRemoval_->setInterval(kSpareRemovalDelay);
    connect(spareRemoval_, &QTimer::timeout, this, [] { files::removeSpareFile(); });
    makeReadBackLine();
    makeMenus();
    makeRecentMenu();
    makeToolbar();
    connectBoxes();
    if (!restoreGeometry(WindowMemory().geometry()))
        resize(760, 560);
    refresh();
}

QWidget* MainWindow::makeBoxes() {
    auto* boxes = new QWidget(this);
    auto* grid = new QGridLayout(boxes);
    label1_ = new QLabel(boxes);
    message_ = new MessageBoxEdit(app_, boxes);
    label9_ = new QLabel(boxes);
    comment_ = new QLineEdit(boxes);
    comment_->setObjectName(QStringLiteral("Comment"));
    label5_ = new QLabel(boxes);
    supplement_ = new QLineEdit(boxes);
    supplement_->setObjectName(QStringLiteral("Supplement"));
    grid->addWidget(label1_, 0, 0);
    grid->addWidget(message_, 0, 1);
    grid->addWidget(label9_, 1, 0);
    grid->addWidget(comment_, 1, 1, 1, 2);
    grid->addWidget(label5_, 2, 0);
    grid->addWidget(supplement_, 2, 1, 1, 2);
    label1_->setBuddy(message_);
    label9_->setBuddy(comment_);
    label5_->setBuddy(supplement_);
    grid->setColumnStretch(1, 1);
    // The boxes keep to the top when the character list beside them is tall.
    grid->setRowStretch(3, 1);
    return boxes;
}

QWidget* MainWindow::makePanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    label3_ = new QLabel(panel);
    nbWidth_ = new QLineEdit(panel);
    nbWidth_->setObjectName(QStringLiteral("NBWidth"));
    label2_ = new QLabel(panel);
    bcHeight_ = new QLineEdit(panel);
    bcHeight_->setObjectName(QStringLiteral("BCHeight"));
    label6_ = new QLabel(panel);
    ratioList_ = new QComboBox(panel);
    ratioList_->setObjectName(QStringLiteral("RatioList"));
    ratioList_->addItems(ratioItems());
    magnify_ = new QComboBox(panel);
    magnify_->setObjectName(QStringLiteral("Magnify"));
    magnify_->setEditable(true);
    label7_ = new QLabel(panel);
    label7_->setObjectName(QStringLiteral("Label7"));
    checkLabel_ = new QLabel(panel);
    checkValue_ = new QLabel(panel);
    label8_ = new QLabel(panel);
    totalLength_ = new QLabel(panel);
    totalLength_->setObjectName(QStringLiteral("TotalLength"));
    grid->addWidget(label3_, 0, 0);
    grid->addWidget(nbWidth_, 1, 0);
    grid->addWidget(label2_, 0, 1);
    grid->addWidget(bcHeight_, 1, 1);
    grid->addWidget(label6_, 0, 2);
    grid->addWidget(ratioList_, 1, 2);
    grid->addWidget(magnify_, 1, 2);
    grid->addWidget(label7_, 2, 0);
    grid->addWidget(checkLabel_, 2, 1);
    grid->addWidget(checkValue_, 2, 2);
    grid->addWidget(label8_, 3, 1);
    grid->addWidget(totalLength_, 3, 2);
    label3_->setBuddy(nbWidth_);
    label2_->setBuddy(bcHeight_);
    label6_->setBuddy(ratioList_);
    return panel;
}

QWidget* MainWindow::makeCharacterList() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    label4_ = new QLabel(box);
    label4_->setObjectName(QStringLiteral("Label4"));
    asciiMenu_ = new QListWidget(box);
    asciiMenu_->setObjectName(QStringLiteral("AsciiMenu"));
    label4_->setBuddy(asciiMenu_);
    column->addWidget(label4_);
    column->addWidget(asciiMenu_);
    connect(asciiMenu_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { insertCharacter(asciiMenu_->row(item)); });
    return box;
}

// The list's row is the code it inserts; the focus goes back to the message.
void MainWindow::insertCharacter(int code) {
    if (code < 0)
        return;
    message_->show(
        insertFromCharacterList(app_, message_->selection(), static_cast<std::size_t>(code)));
    message_->setFocus();
}

// The read-back line sits in the status bar. A picture is published in the
// middle of a build, before the build has said whether it succeeded, so the
// line is settled once the command is over and the event loop runs again.
void MainWindow::makeReadBackLine() {
    readBackLine_ = new QLabel(this);
    readBackLine_->setObjectName(QStringLiteral("ReadBackLine"));
    readBackLine_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(readBackLine_, 1);
    readBack_ = new SymbolReadBack(this);
    connect(readBack_, &SymbolReadBack::lineChanged, readBackLine_, &QLabel::setText);
    readBackSettling_ = new QTimer(this);
    readBackSettling_->setSingleShot(true);
    readBackSettling_->setInterval(0);
    connect(readBackSettling_, &QTimer::timeout, this, &MainWindow::settleReadBack);
}

void MainWindow::settleReadBack() {
    readBack_->settle(app_.state());
}

void MainWindow::makeMenus() {
    menus_ = new MenuBar(menuBar(), menuView());
    connect(menus_, &MenuBar::activated, this, &MainWindow::activate);
    connect(menus_, &MenuBar::opening, this, [this] { menus_->show(menuView()); });
    connect(message_, &MessageBoxEdit::editMenuRequested, this, [this](const QPoint& where) {
        menus_->show(menuView());
        menus_->menu(QStringLiteral("MEdit"))->exec(where);
    });
}

void MainWindow::makeToolbar() {
    toolbar_ = addToolBar(tr("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    for (const ToolbarButtonView& button : toolbarView(app_)) {
        const QString control = QString::fromStdString(button.control);
        QAction* action = toolbar_->addAction(toolIcon(control), fromProgramText(button.tooltip));
        action->setObjectName(control);
        action->setToolTip(fromProgramText(button.tooltip));
        action->setCheckable(button.toggle);
        connect(action, &QAction::triggered, this,
                [this, control] { act(activateToolbarButton(app_, control.toStdString())); });
    }
}

// Toggle buttons show their setting pressed; Prev and Next show only while
// there is something to step through.
void MainWindow::refreshToolbar() {
    for (const ToolbarButtonView& button : toolbarView(app_)) {
        auto* action = toolbar_->findChild<QAction*>(QString::fromStdString(button.control));
        if (action == nullptr)
            continue;
        action->setVisible(button.visible);
        action->setChecked(button.pressed);
    }
}

// The configurations opened or saved last, under File just above Exit; a
// click opens one as File > Open would.
void MainWindow::makeRecentMenu() {
    QMenu* file = menus_->menu(QStringLiteral("MFile"));
    recent_ = new QMenu(tr("Recent &Configurations"), file);
    recent_->setObjectName(QStringLiteral("RecentConfigurations"));
    file->insertMenu(menus_->action(QStringLiteral("MExit")), recent_);
    file->insertSeparator(menus_->action(QStringLiteral("MExit")));
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu() {
    const RunState& state = app_.state();
    WindowMemory memory;
    if (state.Named && !state.ConfigPath.empty() && state.ConfigPath != rememberedConfiguration_) {
        rememberedConfiguration_ = state.ConfigPath;
        memory.addRecentConfiguration(QString::fromStdString(state.ConfigPath));
    }
    const QStringList paths = memory.recentConfigurations();
    if (paths == shownRecent_ && !recent_->isEmpty())
        return;
    shownRecent_ = paths;
    recent_->clear();
    for (int i = 0; i < paths.size(); ++i) {
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(paths[i]));
        const std::string path = paths[i].toStdString();
        connect(item, &QAction::triggered, this, [this, path] {
            (void)files::OpenConfigurationFile(app_, path);
            refresh();
        });
    }
    recent_->menuAction()->setEnabled(!paths.isEmpty());
}

std::vector<MenuItemView> MainWindow::menuView() const {
    return mainMenuBar(app_, {.text = editPasteEnabled(app_.host())});
}

// A menu item or toolbar button: the core carries it out, or says which of
// the window's dialogs it wants.
void MainWindow::activate(const QString& control, int index) {
    const MenuOutcome outcome = activateMenuItem(app_, control.toStdString(), index);
    act(outcome);
}

void MainWindow::act(const MenuOutcome& outcome) {
    switch (outcome.status) {
    case MenuStatus::Done:
        break;
    case MenuStatus::Refused:
        app_.host().beep();
        break;
    case MenuStatus::FrontEnd:
        if (outcome.action)
            actions_->carryOut(*outcome.action);
        break;
    }
    refresh();
}

void MainWindow::connectBoxes() {
    connect(display_, &SymbolDisplay::buildRequested, this, &MainWindow::build);
    connect(display_, &SymbolDisplay::clearRequested, this, &MainWindow::clearMessage);
    connect(comment_, &QLineEdit::textEdited, this,
            [this](const QString& text) { app_.job().Comment = toProgramText(text); });
    connect(supplement_, &QLineEdit::textEdited, this,
            [this](const QString& text) { app_.job().Supplement = toProgramText(text); });
    connect(nbWidth_, &QLineEdit::textEdited, this, [this](const QString& text) {
        app_.boxes().editWidth(toProgramText(text), BoxEdit::Typed);
        refreshBoxes();
    });
    connect(bcHeight_, &QLineEdit::textEdited, this, [this](const QString& text) {
        app_.boxes().editHeight(toProgramText(text), BoxEdit::Typed);
        refreshBoxes();
    });
    connect(magnify_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!magnify_->hasFocus())
            return;
        app_.boxes().editMagnify(toProgramText(text), BoxEdit::Typed);
        refreshBoxes();
    });
    connect(ratioList_, &QComboBox::activated, this,
            [this](int index) { app_.job().Ratio = static_cast<std::int16_t>(index); });
}

void MainWindow::build() {
    (void)app_.Build();
}

void MainWindow::clearMessage() {
    app_.job().Message.clear();
    app_.job().Supplement.clear();
    refresh();
}

void MainWindow::showPicture() {
    const RunState& state = app_.state();
    display_->setPicture(state.CurrentPicture);
    readBack_->pictureShown(state.CurrentPicture, publishedPictureReading(app_.job(), state),
                            readBackConversion(app_.job(), {}, {}));
    refresh();
}

void MainWindow::refresh() {
    spareRemoval_->start();
    readBackSettling_->start();
    const RunState& state = app_.state();
    setWindowTitle(fromProgramText(state.WindowCaption));
    label10_->setVisible(state.HelpLabelVisible);
    display_->setVisible(state.SymbolDisplayVisible);
    if (!state.SymbolBuilt && !display_->hasPicture())
        display_->clearPicture();
    message_->showJobMessage();
    message_->setFont(displayFont(app_.job().AnsiDisplay));
    if (comment_->text() != fromProgramText(app_.job().Comment))
        comment_->setText(fromProgramText(app_.job().Comment));
    if (supplement_->text() != fromProgramText(app_.job().Supplement))
        supplement_->setText(fromProgramText(app_.job().Supplement));
    ratioList_->setCurrentIndex(app_.job().Ratio);
    refreshCharacterList();
    refreshPanel();
    if (menus_ != nullptr)
        menus_->show(menuView());
    if (toolbar_ != nullptr)
        refreshToolbar();
    if (recent_ != nullptr)
        refreshRecentMenu();
    label7_->setText(fromProgramText(symbologyLabel(app_)));
    display_->setAccessibleDescription(
        tr("%1 symbol of the message %2")
            .arg(label7_->text(), fromProgramText(DisplayForm(app_.job().Message))));
    refreshBoxes();
}

void MainWindow::refreshCharacterList() {
    const CharacterListView view = characterListView(app_.job());
    label4_->setText(QString::fromStdString(view.heading));
    label4_->setVisible(view.shown);
    asciiMenu_->setVisible(view.shown);
    asciiMenu_->setFont(displayFont(app_.job().AnsiDisplay));
    if (view.entries == listedEntries_)
        return;
    listedEntries_ = view.entries;
    asciiMenu_->clear();
    for (const std::string& entry : view.entries)
        asciiMenu_->addItem(QString::fromStdString(entry));
    if (view.selectsFirstEntry)
        asciiMenu_->setCurrentRow(0);
}

void MainWindow::refreshPanel() {
    const render::MeasurementsPanel& panel = app_.panel();
    showCaption(label1_, panel.Label1);
    showCaption(label2_, panel.Label2);
    showCaption(label3_, panel.Label3);
    showCaption(label5_, panel.Label5);
    showCaption(label6_, panel.Label6);
    showCaption(label8_, panel.Label8);
    showCaption(label9_, panel.Label9);
    showCaption(checkLabel_, panel.CheckLabel);
    showCaption(totalLength_, panel.TotalLength);
    showCaption(checkValue_, panel.CheckValue);
    showItem(bcHeight_, panel.BCHeight);
    showItem(nbWidth_, panel.NBWidth);
    showItem(ratioList_, panel.RatioList);
    showItem(magnify_, panel.Magnify);
    showItem(supplement_, panel.Supplement);
    showItem(comment_, panel.Comment);
}

void MainWindow::refreshBoxes() {
    const DimensionBoxes& boxes = app_.boxes();
    if (!nbWidth_->hasFocus())
        nbWidth_->setText(fromProgramText(boxes.widthText()));
    if (!bcHeight_->hasFocus())
        bcHeight_->setText(fromProgramText(boxes.heightText()));
    if (magnify_->hasFocus())
        return;
    const QStringList items = magnifyItems();
    if (items != shownMagnifyItems_) {
        shownMagnifyItems_ = items;
        const QSignalBlocker quiet(magnify_);
        magnify_->clear();
        magnify_->addItems(items);
    }
    magnify_->setEditText(fromProgramText(boxes.magnifyText()));
}

// What the Magnify box lists: PDF417's row or column limits or the aspect
// ratios its search weighed, when the core has them; for PDF417 otherwise
// nothing; for every other symbology the magnifications.
QStringList MainWindow::magnifyItems() const {
    QStringList items;
    for (const std::int32_t limit : app_.panel().MagnifyList)
        items << QString::number(limit);
    if (!items.isEmpty())
        return items;
    for (const std::string& ratio : app_.boxes().magnifyList())
        items << fromProgramText(ratio);
    if (!items.isEmpty() || app_.job().Symbology == Symbology::Pdf417)
        return items;
    return magnificationItems();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == label10_ || watched == centralWidget())) {
        build();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!app_.shutDown(true)) {
        event->ignore();
        return;
    }
    WindowMemory().setGeometry(saveGeometry());
    event->accept();
}

} // namespace vornik::gui
