#include "core/app/main_menu.h"
#include "core/app/read_back_preference.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::CommandSession;

bool menuChecked(const Application& app) {
    const std::vector<MenuItemView> menus = mainMenuBar(app);
    const MenuItemView* item = findMenuItem(menus, "ReadBack");
    return item != nullptr && item->checked;
}

TEST(ReadBackPreference, OnUntilTurnedOff) {
    CommandSession session;
    EXPECT_TRUE(session.state().ReadBackSymbols);
    EXPECT_TRUE(menuChecked(session.app));
}

// The stored text and the state a start-up reads from it.
TEST(ReadBackPreference, StartUpReadsTheStoredChoice) {
    const std::pair<const char*, bool> rows[] = {{"0", false}, {"-1", true}, {"1", true}};
    for (const auto& [stored, on] : rows) {
        CommandSession session;
        session.host.settings[std::string(kReadBackKey)] = stored;
        session.app.startUp();
        EXPECT_EQ(session.state().ReadBackSymbols, on) << stored;
        EXPECT_EQ(menuChecked(session.app), on) << stored;
    }
}

// A click turns it over and stores the choice at once; the job is untouched,
// so there is nothing to save.
TEST(ReadBackPreference, TheMenuItemTurnsItOverAndStoresIt) {
    CommandSession session;
    const int viewChanges = session.host.viewChanges;
    EXPECT_EQ(activateMenuItem(session.app, "ReadBack"), MenuOutcome{});
    EXPECT_FALSE(session.state().ReadBackSymbols);
    EXPECT_FALSE(menuChecked(session.app));
    EXPECT_EQ(session.host.settings.at(std::string(kReadBackKey)), "0");
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_GT(session.host.viewChanges, viewChanges);

    EXPECT_EQ(activateMenuItem(session.app, "ReadBack"), MenuOutcome{});
    EXPECT_TRUE(session.state().ReadBackSymbols);
    EXPECT_EQ(session.host.settings.at(std::string(kReadBackKey)), "-1");
}

// File > New starts the job afresh, but the preference is the user's.
TEST(ReadBackPreference, ANewJobKeepsIt) {
    CommandSession session;
    (void)activateMenuItem(session.app, "ReadBack");
    (void)activateMenuItem(session.app, "MNew");
    EXPECT_FALSE(session.state().ReadBackSymbols);
    EXPECT_FALSE(menuChecked(session.app));
}

} // namespace
} // namespace vornik
