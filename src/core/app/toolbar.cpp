#include "core/app/toolbar.h"

#include "core/app/application.h"

#include <algorithm>

namespace vornik {

namespace {

ToolbarButtonView clickButton(std::string_view control, std::string_view tooltip,
                              std::string_view menuControl, int menuIndex = -1) {
    return {.control = std::string(control),
            .tooltip = std::string(tooltip),
            .menuControl = std::string(menuControl),
            .menuIndex = menuIndex};
}

ToolbarButtonView toggleButton(std::string_view control, std::string_view tooltip, bool pressed,
                               std::string_view menuControl, int menuIndex = -1) {
    ToolbarButtonView button = clickButton(control, tooltip, menuControl, menuIndex);
    button.toggle = true;
    button.pressed = pressed;
    return button;
}

ToolbarButtonView orientationButton(const Job& job, std::string_view control,
                                    std::string_view tooltip, Orientation orientation) {
    return toggleButton(control, tooltip, job.Orientation == orientation, "MOrient",
                        static_cast<int>(orientation));
}

} // namespace

std::vector<ToolbarButtonView> toolbarView(const Application& app) {
    const Job& job = app.job();
    // Next and Previous serve an open message file or the numbering.
    const bool navigation = app.state().NavigationShown;
    ToolbarButtonView editor = clickButton("EditorButton", "Editor", "");
    editor.visible = app.panel().EditorButton.visible;
    ToolbarButtonView previous = clickButton("PrevButton", "Prev", "MPrev");
    ToolbarButtonView next = clickButton("NextButton", "Next", "MNext");
    previous.visible = next.visible = navigation;
    return {
        clickButton("FileOpenButton", "Open Vornik Configuration", "MOpen"),
        clickButton("FileSaveButton", "Save Vornik Configuration", "MSave"),
        clickButton("CopyButton", "Build/Copy", "MCopy"),
        clickButton("PasteButton", "Paste", "MPaste"),
        toggleButton("TextButton", "Include Text", job.IncludeText, "Pref"),
        clickButton("BoldButton", "Font", "MCustFont"),
        toggleButton("QZButton", "Quiet Zones", job.QuietZones, "QuietZones"),
        toggleButton("BBarButton", "Bearer Bars", job.BearerBars, "BearerBars"),
        orientationButton(job, "HorizontalButton", "Rotate 0 Degrees", Orientation::Horizontal),
        orientationButton(job, "Vert90Button", "Rotate 90 Degrees", Orientation::Vertical90),
        orientationButton(job, "Vert270Button", "Rotate 270 Degrees", Orientation::Vertical270),
        editor,
        previous,
        next,
    };
}

MenuOutcome activateToolbarButton(Application& app, std::string_view control) {
    const std::vector<ToolbarButtonView> buttons = toolbarView(app);
    const auto button = std::ranges::find(buttons, control, &ToolbarButtonView::control);
    if (button == buttons.end())
        return {.status = MenuStatus::Refused,
                .refusal = "The toolbar has no button " + std::string(control) + "."};
    if (!button->visible)
        return {.status = MenuStatus::Refused,
                .refusal = "The \"" + button->tooltip + "\" button is not shown now."};
    if (button->menuControl.empty())
        return {.status = MenuStatus::FrontEnd, .action = FrontEndAction::TextEditor};
    return activateMenuItem(app, button->menuControl, button->menuIndex);
}

} // namespace vornik
