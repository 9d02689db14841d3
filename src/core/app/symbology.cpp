#include "core/app/symbology.h"

namespace vornik {

const std::array<SymbologyEntry, kLastSymbology> kSymbologyCatalogue{{
    {Symbology::Code39, "Code &39 (Normal)", {"[CODE39]"}},
    {Symbology::Code39FullAscii, "Code 39 (&Full ASCII)", {"[CODE39FULLASCII]"}},
    {Symbology::UpcA, "&UPC-A    (12 digit)", {"[UPCA]"}},
    {Symbology::UpcE, "U&PC-E    (6 digit)", {"[UPCE]"}},
    {Symbology::UpcE1, "UPC-E1", {"[UPCE1]"}},
    {Symbology::Ean8, "&EAN-8", {"[EAN8]"}},
    {Symbology::Ean13, "E&AN-13", {"[EAN13]"}},
    {Symbology::BookLand, "&BookLand", {"[BOOKLAND]", "[BOOKLAN]"}},
    {Symbology::Interleaved2of5, "&Interleaved 2 of 5", {"[I2OF5]"}},
    {Symbology::Discrete2of5, "&Discrete 2 of 5", {"[D2OF5]"}},
    {Symbology::Codabar, "&CodaBar", {"[CODABAR]"}},
    {Symbology::Code93, "Code &93", {"[CODE93]"}},
    {Symbology::Code128, "Code &128", {"[CODE128]"}},
    {Symbology::EanUcc128, "EAN/UCC 1&28", {"[EAN/UCC128]"}},
    {Symbology::Pdf417, "&PDF417", {"[PDF417]"}},
    {Symbology::Aztec, "A&ztec Code", {"[AZTEC]"}},
    {Symbology::DataMatrix, "Data Matri&x", {"[DATAMATRIX]"}},
    {Symbology::MsiPlessey, "&MSI Plessey", {"[MSI]", "[PLESSEY]", "[MSIPLESSEY]"}},
    {Symbology::Rss14, "&RSS-14", {"[RSS]", "[RSS14]"}},
    {Symbology::Rss14Stacked, "RSS-14 &Stacked", {"[RSS14STACKED]", "[RSS14S]"}},
    {Symbology::Rss14StackedOmni, "RSS-14 Stacked &Omni", {"[RSS14STACKEDOMNI]", "[RSS14SO]"}},
    {Symbology::RssLimited, "RSS &Limited", {"[RSSLIMITED]", "[RSSLIM]"}},
    {Symbology::Postnet, "POST&NET", {"[POSTNET]", "[ZIP]"}},
    {Symbology::Bpo4State, "BPO &4 State Code", {"[BPO]", "[BPO4SC]"}},
}};

bool isValidSymbology(std::int32_t number) {
    return number >= kFirstSymbology && number <= kLastSymbology;
}

const SymbologyEntry& catalogueEntry(Symbology symbology) {
    return kSymbologyCatalogue.at(static_cast<std::size_t>(symbology) - 1);
}

std::string symbologyName(Symbology symbology) {
    std::string name{catalogueEntry(symbology).menuCaption};
    if (auto ampersand = name.find('&'); ampersand != std::string::npos)
        name.erase(ampersand, 1);
    return name;
}

std::optional<Symbology> symbologyForKeyword(std::string_view upperCommand) {
    for (const SymbologyEntry& entry : kSymbologyCatalogue)
        for (std::string_view keyword : entry.keywords)
            if (!keyword.empty() && keyword == upperCommand)
                return entry.symbology;
    return std::nullopt;
}

bool isUpcEanFamily(Symbology symbology) {
    return symbology >= Symbology::UpcA && symbology <= Symbology::BookLand;
}

bool isRssFamily(Symbology symbology) {
    return symbology >= Symbology::Rss14 && symbology <= Symbology::RssLimited;
}

} // namespace vornik
