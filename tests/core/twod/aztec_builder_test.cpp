#include "core/twod/aztec_builder.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

struct MessageCase {
    const char* name;
    const char* commands;
    const char* text;
};

const MessageCase kMessages[] = {
    {"MessageLength", "[MESSAGE='Hello'][AZTECECP=60]",
     "Invalid message length. Possible causes: Either the message is too long or the selected "
     "error correction level is too large or the number of data layers specicfied does not "
     "provide enough symbol area for the complete message to be encoded."},
    {"CommentLength",
     "[MESSAGE='Hello'][COMMENT="
     "12345678901234567890123456789012345678901234567890123456789012345678"
     "901234567890123456789012345678901]",
     "Invalid Comment length. Comments cannot exceed 100 characters."},
    {"ModuleSize", "[MESSAGE='Hello'][AZTECMODULESIZE=0]", "Invalid module size."},
    {"Other", "[MESSAGE='Hello'][AZTECECP=150]", "Cannot Create an Aztec Symbol."},
};

TEST(AztecBuilderTest, RefusalsShowTheirTexts) {
    for (const MessageCase& row : kMessages) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        ASSERT_TRUE(session.run(std::string("[PRINTWARNINGS=OFF][AZTEC]") + row.commands));
        session.state().SymbolBuilt = true;
        EXPECT_EQ(buildAztec(session.app, session.job().Message), BuildOutcome::Rejected);
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0].title, "Cannot Create Bar Code!");
        EXPECT_EQ(session.host.messages[0].text, row.text);
        EXPECT_EQ(session.host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(session.state().SymbolBuilt);
    }
}

TEST(AztecBuilderTest, WarningsOffEndsSilently) {
    testing::CommandSession session;
    ASSERT_TRUE(session.run("[MESSAGEWARNINGS=OFF][AZTEC][MESSAGE='Hello'][AZTECECP=60]"));
    EXPECT_EQ(buildAztec(session.app, session.job().Message), BuildOutcome::Rejected);
    EXPECT_TRUE(session.host.messages.empty());
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
