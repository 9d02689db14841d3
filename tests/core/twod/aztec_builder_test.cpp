#include "core/twod/aztec_builder.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::twod {
namespace {

TEST(AztecBuilderTest, RefusalsShowTheirTexts) {
    const std::string comment101 = "[COMMENT=" + std::string(101, '1') + "]";
    // More than one compact layer holds.
    const std::string tooLong = "[AZTECECP=101][MESSAGE='Far too long for a single compact layer']";
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"MessageLength", tooLong,
         "Invalid message length. Possible causes: Either the message is too long or the selected "
         "error correction level is too large or the number of data layers specicfied does not "
         "provide enough symbol area for the complete message to be encoded."},
        {"CommentLength", comment101,
         "Invalid Comment length. Comments cannot exceed 100 characters."},
        {"ModuleSize", "[AZTECMODULESIZE=0]", "Invalid module size."},
        {"Other", "[AZTECECP=150]", "Cannot Create an Aztec Symbol."},
        {"WarningsOffEndsSilently", "[MESSAGEWARNINGS=OFF]" + tooLong, nullptr},
    };
    for (const auto& [name, commands, text] : rows) {
        SCOPED_TRACE(name);
        testing::CommandSession session;
        ASSERT_TRUE(session.run("[PRINTWARNINGS=OFF][AZTEC][MESSAGE='Hello']" + commands));
        session.state().SymbolBuilt = true;
        EXPECT_EQ(buildAztec(session.app, session.job().Message), BuildOutcome::Rejected);
        EXPECT_FALSE(session.state().SymbolBuilt);
        ASSERT_EQ(session.host.messages.size(), text ? 1u : 0u);
        if (text) {
            EXPECT_EQ(session.host.messages[0].title, "Cannot Create Bar Code!");
            EXPECT_EQ(session.host.messages[0].text, text);
            EXPECT_EQ(session.host.messages[0].icon, MessageIcon::Exclamation);
        }
    }
}

// A turned symbol's picture is taller than wide; its width and height are
// those of the upright symbol.
TEST(AztecBuilderTest, SizesOfATurnedSymbol) {
    testing::CommandSession session;
    ASSERT_TRUE(session.run("[AZTEC][MESSAGE='Hello'][AZTECECP=101][COMMENT=Lot][VERTUP]"));
    ASSERT_EQ(buildAztec(session.app, session.job().Message), BuildOutcome::Built);
    // 15 modules and 4 of quiet zone at 51; the comment line of size 10 is 352.
    EXPECT_EQ(session.state().SymbolWidth, 19 * 51);
    EXPECT_EQ(session.state().SymbolHeight, 19 * 51 + 352);
    ASSERT_EQ(session.host.published.size(), 1u);
    EXPECT_EQ(session.host.published[0].xExtent, 19 * 51 + 352);
    EXPECT_TRUE(session.state().SymbolBuilt);
}

} // namespace
} // namespace vornik::twod
