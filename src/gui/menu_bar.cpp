#include "gui/menu_bar.h"

#include "gui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vornik::gui {

QString MenuBar::objectName(const MenuItemView& item) {
    const QString name = QString::fromStdString(item.control);
    return item.index < 0 ? name : QStringLiteral("%1[%2]").arg(name).arg(item.index);
}

MenuBar::MenuBar(QMenuBar* bar, const std::vector<MenuItemView>& menus) : QObject(bar) {
    for (const MenuItemView& top : menus) {
        QMenu* menu = bar->addMenu(fromProgramText(top.caption));
        menu->setObjectName(objectName(top));
        menus_[objectName(top)] = menu;
        connect(menu, &QMenu::aboutToShow, this, &MenuBar::opening);
        for (const MenuItemView& item : top.children)
            add(menu, item);
    }
    show(menus);
}

void MenuBar::add(QMenu* parent, const MenuItemView& item) {
    if (item.separator) {
        QAction* separator = parent->addSeparator();
        if (!item.control.empty()) {
            separator->setObjectName(objectName(item));
            actions_[objectName(item)] = separator;
        }
        return;
    }
    if (!item.children.empty()) {
        QMenu* submenu = parent->addMenu(fromProgramText(item.caption));
        submenu->setObjectName(objectName(item));
        menus_[objectName(item)] = submenu;
        actions_[objectName(item)] = submenu->menuAction();
        for (const MenuItemView& child : item.children)
            add(submenu, child);
        return;
    }
    QAction* action = parent->addAction(fromProgramText(item.caption));
    action->setObjectName(objectName(item));
    actions_[objectName(item)] = action;
    const QString control = QString::fromStdString(item.control);
    const int index = item.index;
    connect(action, &QAction::triggered, this,
            [this, control, index] { emit activated(control, index); });
}

void MenuBar::show(const std::vector<MenuItemView>& menus) {
    for (const MenuItemView& top : menus) {
        for (const MenuItemView& item : top.children)
            showItem(item);
    }
}

void MenuBar::showItem(const MenuItemView& item) {
    const auto found = actions_.find(objectName(item));
    if (found != actions_.end()) {
        QAction* action = found->second;
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
        if (!item.separator) {
            action->setText(fromProgramText(item.caption));
            action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
        }
    }
    for (const MenuItemView& child : item.children)
        showItem(child);
}

QAction* MenuBar::action(const QString& control, int index) const {
    const QString name = index < 0 ? control : QStringLiteral("%1[%2]").arg(control).arg(index);
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QMenu* MenuBar::menu(const QString& control) const {
    const auto found = menus_.find(control);
    return found == menus_.end() ? nullptr : found->second;
}

} // namespace vornik::gui
