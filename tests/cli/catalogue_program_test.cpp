// Every symbology of the catalogue that this version draws builds from the
// command line and is saved as a placeable metafile.

#include "core/app/symbology.h"
#include "core/render/placeable_wmf.h"
#include "run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::TempFolder;

// A valid message for each symbology drawn.
const std::map<Symbology, const char*> kSamples = {
    {Symbology::Code39, "'CODE 39'"},
    {Symbology::Code39FullAscii, "'Full ascii'"},
    {Symbology::UpcA, "'01234567890'"},
    {Symbology::UpcE, "'012345'"},
    {Symbology::UpcE1, "'123456'"},
    {Symbology::Ean8, "'1234567'"},
    {Symbology::Ean13, "'123456789012'"},
    {Symbology::BookLand, "'0306406152'"},
    {Symbology::Interleaved2of5, "'1234'"},
    {Symbology::Discrete2of5, "'1234'"},
    {Symbology::Codabar, "'A1234B'"},
    {Symbology::Code93, "'Code 93'"},
    {Symbology::Code128, "'Code 128'"},
    {Symbology::EanUcc128, "'0101234567890128'"},
    {Symbology::MsiPlessey, "'1234'"},
    {Symbology::Postnet, "'12345'"},
    {Symbology::Bpo4State, "'SN341RB'"},
    {Symbology::Aztec, "'Hello'"},
    {Symbology::DataMatrix, "'Hello'"},
    {Symbology::Rss14, "'1234567890'"},
    {Symbology::Rss14Stacked, "'1234567890'"},
    {Symbology::Rss14StackedOmni, "'1'"},
    {Symbology::RssLimited, "'1999999999999'"},
};

TEST(CatalogueProgram, EverySymbologyDrawnBuildsAndSaves) {
    const TempFolder folder;
    for (const auto& [symbology, message] : kSamples) {
        const std::string keyword(catalogueEntry(symbology).keywords[0]);
        SCOPED_TRACE(keyword);
        const auto wmf = folder.path() / (std::to_string(static_cast<int>(symbology)) + ".wmf");
        const std::string commands =
            keyword + "[message=" + message + "][build/copy][savebarcode(" + wmf.string() + ")]";
        EXPECT_EQ(runIn(folder.path(),
                        shellWord(VORNIK_PROGRAM) + " --yes --exec " + shellWord(commands)),
                  0);
        const std::string bytes = testing::readFile(wmf);
        const auto read = render::readPlaceableWmf(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        EXPECT_TRUE(std::holds_alternative<render::PlaceablePicture>(read));
    }
}

} // namespace
} // namespace vornik::cli
