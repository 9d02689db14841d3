#pragma once

#include "core/app/job.h"
#include "core/app/main_menu.h"
#include "core/app/run_state.h"

#include <string_view>
#include <vector>

namespace vornik {

// Small makers of menu item views, shared by the menus' builders.

[[nodiscard]] inline MenuItemView menuSeparator(std::string_view control = {},
                                                bool visible = true) {
    return {.control = std::string(control), .separator = true, .visible = visible};
}

// An item of a control array that carries a check mark.
[[nodiscard]] inline MenuItemView checkItem(std::string_view control, int index,
                                            std::string_view caption, bool checked) {
    return {.control = std::string(control),
            .index = index,
            .caption = std::string(caption),
            .checkable = true,
            .checked = checked};
}

// The Preferences menu for the job: check marks from its settings, items
// shown for its symbology, bar width captions in its display unit; the
// window's own switches from the run state.
[[nodiscard]] std::vector<MenuItemView> preferencesMenu(const Job& job, const RunState& state);

} // namespace vornik
