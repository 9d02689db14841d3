#pragma once

#include "core/app/main_menu.h"

#include <string>
#include <string_view>
#include <vector>

namespace vornik {

class Application;

// One button of the main window's toolbar. A toggle button shows itself
// pressed while its setting is on; the others only while the mouse holds
// them down.
struct ToolbarButtonView {
    std::string control{}; // the button's control name ("CopyButton", ...)
    std::string tooltip{};
    bool visible = true;
    bool toggle = false;
    bool pressed = false;
    // The menu item the button stands for; empty for the Editor button,
    // which has none.
    std::string menuControl{};
    int menuIndex = -1;

    bool operator==(const ToolbarButtonView&) const = default;
};

// The toolbar's buttons in order, as they show for the current job.
[[nodiscard]] std::vector<ToolbarButtonView> toolbarView(const Application& app);

// A click on the button CONTROL: the click on its menu item, or the text
// editor for the Editor button. Hidden buttons and unknown names are
// refused.
[[nodiscard]] MenuOutcome activateToolbarButton(Application& app, std::string_view control);

} // namespace vornik
