// The main window's menu bar as a view: what each item shows when its menu
// opens. The Preferences menu lives in preferences_menu.cpp.

#include "core/app/main_menu.h"

#include "core/app/application.h"
#include "core/app/menu_items.h"

#include <algorithm>

namespace vornik {

namespace {

// Saving the configuration unasked at the end of a run is not offered: a
// job changed by accident would silently replace its file. Shut-down asks.
std::vector<MenuItemView> fileMenu(const RunState& state) {
    return {
        {.control = "MNew", .caption = "&New", .shortcut = "Ctrl+N"},
        {.control = "MOpen", .caption = "&Open Configuration...", .shortcut = "Ctrl+O"},
        {.control = "MSave", .caption = "&Save Configuration"},
        {.control = "MSaveAs", .caption = "Save Configuration &As..."},
        menuSeparator(),
        {.control = "MReadMsg", .caption = "&Read Message From File..."},
        {.control = "MOpenMsg", .caption = "Open &Message File..."},
        {.control = "MCloseMessage",
         .caption = "&Close Message File",
         .enabled = state.MessageFileOpen},
        menuSeparator(),
        {.control = "MPrinter", .caption = "&Target Printer..."},
        {.control = "PSetup", .caption = "Pr&inter Setup..."},
        {.control = "POffset", .caption = "Printer O&ffset..."},
        {.control = "PPrint",
         .caption = "&Print...",
         .shortcut = "Ctrl+P",
         .enabled = state.SymbolBuilt},
        {.control = "PPreview",
         .caption = "Print Pre&view...",
         .enabled = state.SymbolBuilt || !state.OpenPrinterPage.empty()},
        menuSeparator(),
        {.control = "MBSave",
         .caption = "Save &Bar Code As...",
         .shortcut = "Ctrl+S",
         .enabled = state.SymbolBuilt},
        {.control = "mnuRaster", .caption = "Raster Image Properties..."},
        // Shown, unlike the other items of its kind: it is the one way to
        // write a bar pattern file, which the guide and the README promise.
        {.control = "dbpSave",
         .caption = "Save .&dbp File As...",
         // Only a linear symbol on display has a bar pattern to write.
         .enabled = state.BarPatternSaveEnabled && !state.LastBarPattern.empty()},
        menuSeparator(),
        {.control = "MExit", .caption = "E&xit"},
    };
}

// The clipboard formats are a choice of earlier versions that this one
// always makes itself; their items stay hidden.
std::vector<MenuItemView> clipboardFormats(const RunState& state) {
    constexpr std::string_view kCaptions[] = {"&Metafile", "&Bitmap", "&Device Independent Bitmap",
                                              "&All"};
    std::vector<MenuItemView> items;
    for (int i = 0; i < static_cast<int>(std::size(kCaptions)); ++i)
        items.push_back(checkItem("CopyOpt", i, kCaptions[i],
                                  state.ClipboardFormatChecks[static_cast<std::size_t>(i)]));
    return items;
}

std::vector<MenuItemView> editMenu(const RunState& state, ClipboardOffer clipboard) {
    return {
        {.control = "MCopy", .caption = "&Build/Copy", .shortcut = "F2"},
        {.control = "CopyAs",
         .caption = "Clipboard Format",
         .visible = false,
         .children = clipboardFormats(state)},
        menuSeparator(),
        {.control = "MPaste", .caption = "&Paste", .shortcut = "Ctrl+V", .enabled = clipboard.text},
        menuSeparator(),
        {.control = "MIncNum", .caption = "&Incremental Numbering..."},
        {.control = "MNext",
         .caption = "&Next Message",
         .shortcut = "F5",
         .enabled = state.NavigationShown},
        {.control = "MPrev",
         .caption = "&Previous Message",
         .shortcut = "F4",
         .enabled = state.NavigationShown},
        // Links to another program's data are not offered on this platform.
        {.control = "mPLink", .caption = "Paste &Link", .visible = false, .enabled = false},
    };
}

std::vector<MenuItemView> symbologyMenu(const Job& job) {
    std::vector<MenuItemView> items;
    for (const SymbologyEntry& entry : kSymbologyCatalogue)
        items.push_back(checkItem("MCode", static_cast<int>(entry.symbology), entry.menuCaption,
                                  entry.symbology == job.Symbology));
    items.push_back(menuSeparator());
    constexpr std::string_view kMarks[] = {"Postal &FIM-A Pattern", "Postal FIM-&B Pattern",
                                           "Postal FIM-&C Pattern"};
    for (int mark = 1; mark <= static_cast<int>(std::size(kMarks)); ++mark)
        items.push_back(
            {.control = "FIM", .index = mark, .caption = std::string(kMarks[mark - 1])});
    return items;
}

std::vector<MenuItemView> helpMenu() {
    return {
        {.control = "MIndex", .caption = "&Index"},
        {.control = "mnuOnWeb", .caption = "Vornik on the &Web"},
        menuSeparator(),
        {.control = "MAbout", .caption = "&About Vornik..."},
    };
}

const MenuItemView* findIn(const std::vector<MenuItemView>& items, std::string_view control,
                           int index) {
    for (const MenuItemView& item : items) {
        if (item.control == control && item.index == index)
            return &item;
        if (const MenuItemView* found = findIn(item.children, control, index))
            return found;
    }
    return nullptr;
}

} // namespace

std::vector<MenuItemView> mainMenuBar(const Application& app, ClipboardOffer clipboard) {
    return {
        {.control = "MFile", .caption = "&File", .children = fileMenu(app.state())},
        {.control = "MEdit", .caption = "&Edit", .children = editMenu(app.state(), clipboard)},
        {.control = "MPreferences",
         .caption = "&Preferences",
         .children = preferencesMenu(app.job(), app.state())},
        {.control = "MSymbology", .caption = "&Symbology", .children = symbologyMenu(app.job())},
        {.control = "MHelp", .caption = "&Help", .children = helpMenu()},
    };
}

std::string symbologyLabel(const Application& app) {
    return symbologyName(app.job().Symbology);
}

const MenuItemView* findMenuItem(const std::vector<MenuItemView>& menus, std::string_view control,
                                 int index) {
    return findIn(menus, control, index);
}

std::string plainCaption(std::string_view caption) {
    std::string plain(caption);
    std::erase(plain, '&');
    return plain;
}

} // namespace vornik
