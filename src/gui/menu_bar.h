#pragma once

#include "core/app/main_menu.h"

#include <QObject>
#include <QString>
#include <map>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace vornik::gui {

// The window's menus, made once from the core's menu tree and then kept in
// step with it: captions, shortcuts, visible, enabled and checked come from
// the view the core gives; a click is reported by the item's control name and
// index. The actions carry those names ("MCopy", "BWRVal[3]") as object
// names, so tests and accessibility tools find them.
class MenuBar : public QObject {
    Q_OBJECT

public:
    MenuBar(QMenuBar* bar, const std::vector<MenuItemView>& menus);

    // Shows MENUS, a view of the same tree the bar was made from.
    void show(const std::vector<MenuItemView>& menus);

    [[nodiscard]] QAction* action(const QString& control, int index = -1) const;
    [[nodiscard]] QMenu* menu(const QString& control) const;

    // The object name of an item: its control name, with [index] for
    // control arrays.
    [[nodiscard]] static QString objectName(const MenuItemView& item);

signals:
    void activated(const QString& control, int index);
    // A top menu is about to open: the window shows the state it opens in.
    void opening();

private:
    void add(QMenu* parent, const MenuItemView& item);
    void showItem(const MenuItemView& item);

    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
};

} // namespace vornik::gui
