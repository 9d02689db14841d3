#include "core/app/toolbar.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::CommandSession;

// One line per button: control, tooltip, the menu item it stands for, and
// "toggle", "pressed" or "hidden" where they apply.
std::string describe(const std::vector<ToolbarButtonView>& buttons) {
    std::string out;
    for (const ToolbarButtonView& button : buttons) {
        out += button.control + " \"" + button.tooltip + "\" " + button.menuControl;
        if (button.menuIndex >= 0)
            out += "(" + std::to_string(button.menuIndex) + ")";
        out += button.toggle ? " toggle" : "";
        out += button.pressed ? " pressed" : "";
        out += button.visible ? "" : " hidden";
        out += "\n";
    }
    return out;
}

TEST(Toolbar, FreshJob) {
    CommandSession session;
    EXPECT_EQ(describe(toolbarView(session.app)),
              "FileOpenButton \"Open Vornik Configuration\" MOpen\n"
              "FileSaveButton \"Save Vornik Configuration\" MSave\n"
              "CopyButton \"Build/Copy\" MCopy\n"
              "PasteButton \"Paste\" MPaste\n"
              "TextButton \"Include Text\" Pref toggle pressed\n"
              "BoldButton \"Font\" MCustFont\n"
              "QZButton \"Quiet Zones\" QuietZones toggle\n"
              "BBarButton \"Bearer Bars\" BearerBars toggle\n"
              "HorizontalButton \"Rotate 0 Degrees\" MOrient(0) toggle pressed\n"
              "Vert90Button \"Rotate 90 Degrees\" MOrient(1) toggle\n"
              "Vert270Button \"Rotate 270 Degrees\" MOrient(2) toggle\n"
              "EditorButton \"Editor\"  hidden\n"
              "PrevButton \"Prev\" MPrev hidden\n"
              "NextButton \"Next\" MNext hidden\n");
}

const ToolbarButtonView& buttonOf(const std::vector<ToolbarButtonView>& buttons,
                                  std::string_view control) {
    for (const ToolbarButtonView& button : buttons)
        if (button.control == control)
            return button;
    throw std::runtime_error("no button " + std::string(control));
}

TEST(Toolbar, ToggleButtonsFollowTheirSettingsAndActThroughTheMenu) {
    // The button clicked, and the buttons shown pressed afterwards.
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"TextButton", {"HorizontalButton"}},
        {"QZButton", {"TextButton", "QZButton", "HorizontalButton"}},
        {"BBarButton", {"TextButton", "BBarButton", "HorizontalButton"}},
        {"Vert90Button", {"TextButton", "Vert90Button"}},
        {"Vert270Button", {"TextButton", "Vert270Button"}},
        {"HorizontalButton", {"TextButton", "HorizontalButton"}},
    };
    for (const auto& [clicked, pressed] : rows) {
        SCOPED_TRACE(clicked);
        CommandSession session;
        EXPECT_EQ(activateToolbarButton(session.app, clicked), MenuOutcome{});
        std::vector<std::string> shownPressed;
        for (const ToolbarButtonView& button : toolbarView(session.app))
            if (button.pressed)
                shownPressed.push_back(button.control);
        EXPECT_EQ(shownPressed, std::vector<std::string>(pressed.begin(), pressed.end()));
    }
}

TEST(Toolbar, StepButtonsShowWithAMessageFileOrNumbering) {
    CommandSession session;
    ASSERT_TRUE(session.run("[INCSTART=41][INCENABLE]"));
    const std::vector<ToolbarButtonView> buttons = toolbarView(session.app);
    EXPECT_TRUE(buttonOf(buttons, "PrevButton").visible);
    EXPECT_TRUE(buttonOf(buttons, "NextButton").visible);

    EXPECT_EQ(activateToolbarButton(session.app, "NextButton"), MenuOutcome{});
    EXPECT_EQ(session.job().Message, "42");
    EXPECT_EQ(activateToolbarButton(session.app, "PrevButton"), MenuOutcome{});
    EXPECT_EQ(session.job().Message, "41");

    ASSERT_TRUE(session.run("[INCDISABLE]"));
    EXPECT_FALSE(buttonOf(toolbarView(session.app), "NextButton").visible);
    EXPECT_EQ(activateToolbarButton(session.app, "NextButton"),
              (MenuOutcome{.status = MenuStatus::Refused,
                           .refusal = "The \"Next\" button is not shown now."}));
    EXPECT_EQ(session.job().Message, "41");
}

TEST(Toolbar, EditorButtonShowsForTheTwoDimensionalSymbologies) {
    CommandSession session;
    EXPECT_EQ(activateToolbarButton(session.app, "EditorButton"),
              (MenuOutcome{.status = MenuStatus::Refused,
                           .refusal = "The \"Editor\" button is not shown now."}));
    ASSERT_TRUE(session.run("[DATAMATRIX]"));
    EXPECT_TRUE(buttonOf(toolbarView(session.app), "EditorButton").visible);
    EXPECT_EQ(activateToolbarButton(session.app, "EditorButton"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::TextEditor}));
}

TEST(Toolbar, ClickButtonsDoWhatTheirMenuItemsDo) {
    CommandSession session;
    // Paste needs text on the clipboard, as its menu item does.
    EXPECT_EQ(activateToolbarButton(session.app, "PasteButton").refusal,
              "\"Paste\" is not available now.");
    session.host.clipboard = "text";
    EXPECT_EQ(activateToolbarButton(session.app, "PasteButton"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::Paste}));
    EXPECT_EQ(activateToolbarButton(session.app, "BoldButton"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::FontDialog}));

    session.job().Message = "ABC";
    EXPECT_EQ(activateToolbarButton(session.app, "CopyButton"), MenuOutcome{});
    EXPECT_TRUE(session.state().SymbolBuilt);

    EXPECT_EQ(activateToolbarButton(session.app, "FileOpenButton"), MenuOutcome{});
    EXPECT_EQ(activateToolbarButton(session.app, "FileSaveButton"), MenuOutcome{});
    ASSERT_EQ(session.host.fileDialogs.size(), 2u); // both cancelled
    EXPECT_EQ(session.host.fileDialogs[0].title, "Open Vornik Configuration File");
    EXPECT_EQ(session.host.fileDialogs[1].title, "Save Vornik Configuration As");
}

TEST(Toolbar, UnknownButtonIsRefused) {
    CommandSession session;
    const Job before = session.job();
    EXPECT_EQ(activateToolbarButton(session.app, "PrintButton"),
              (MenuOutcome{.status = MenuStatus::Refused,
                           .refusal = "The toolbar has no button PrintButton."}));
    EXPECT_EQ(session.job(), before);
}

} // namespace
} // namespace vornik
