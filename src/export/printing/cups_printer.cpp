#include "export/printing/cups_printer.h"

#include "core/app/rounding.h"

#include <cups/cups.h>
#include <cups/pwg.h>
#include <memory>
#include <string_view>

namespace vornik::printing {
namespace {

struct DestinationRelease {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
struct InfoRelease {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationRelease>;
using DestinationInfo = std::unique_ptr<cups_dinfo_t, InfoRelease>;

// The IPP value of printer-state for a queue that holds its jobs.
constexpr std::string_view kStateStopped = "5";

std::string lastErrorText() {
    const char* text = cupsLastErrorString();
    return text != nullptr && *text != '\0' ? text : "no reason given";
}

// Whether anything answers where the print service is expected.
bool serviceAnswers() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    if (http == nullptr)
        return false;
    httpClose(http);
    return true;
}

// Why the service gave no printer of that name: it was out of reach, or it
// has no such printer. A service out of reach is asked about separately:
// libcups then looks for the printer on the network, and what it last
// reports is that search's failure.
std::string notFoundText(const std::string& printer) {
    if (!serviceAnswers())
        return "The printer " + printer +
               " cannot be used: the print service (CUPS) does not answer at " + cupsServer() + ".";
    return "There is no printer " + printer + ": the print service (CUPS) does not know it.";
}

std::variant<Destination, std::string> findPrinter(const std::string& printer) {
    Destination destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr));
    if (destination == nullptr)
        return notFoundText(printer);
    return destination;
}

std::string optionOf(const cups_dest_t& destination, const char* name) {
    const char* value = cupsGetOption(name, destination.num_options, destination.options);
    return value != nullptr ? value : "";
}

// The printer's own words on its state, when it gives any, to add to ours.
std::string stateMessage(const cups_dest_t& destination) {
    const std::string message = optionOf(destination, "printer-state-message");
    return message.empty() ? "" : " (it says: " + message + ")";
}

std::optional<std::string> problemOf(const std::string& printer, const cups_dest_t& destination) {
    if (optionOf(destination, "printer-state") == kStateStopped)
        return "The printer " + printer + " is stopped" + stateMessage(destination) +
               ": it prints nothing until its queue is started again.";
    if (optionOf(destination, "printer-is-accepting-jobs") == "false")
        return "The printer " + printer + " is not accepting jobs" + stateMessage(destination) +
               ": a page sent to it now would be turned away.";
    return std::nullopt;
}

// The number of whole dots per inch for a resolution given per centimetre.
int dotsPerInch(int value, ipp_res_t units) {
    return units == IPP_RES_PER_CM ? nearest(value * 2.54) : value;
}

// The size a media name stands for: a standard name (iso_a4_210x297mm), a
// legacy one (A4, Letter) or a printer description's (Letter.Fullbleed).
std::optional<PaperSize> paperNamed(const char* name) {
    if (name == nullptr || *name == '\0')
        return std::nullopt;
    const pwg_media_t* media = pwgMediaForPWG(name);
    if (media == nullptr)
        media = pwgMediaForLegacy(name);
    if (media == nullptr)
        media = pwgMediaForPPD(name);
    if (media == nullptr)
        return std::nullopt;
    return PaperSize{media->width, media->length};
}

// The size in a media-col collection's media-size.
std::optional<PaperSize> paperOfCollection(ipp_attribute_t* mediaCol) {
    ipp_t* collection = mediaCol == nullptr ? nullptr : ippGetCollection(mediaCol, 0);
    ipp_attribute_t* size = collection == nullptr ? nullptr
                                                  : ippFindAttribute(collection, "media-size",
                                                                     IPP_TAG_BEGIN_COLLECTION);
    ipp_t* dimensions = size == nullptr ? nullptr : ippGetCollection(size, 0);
    if (dimensions == nullptr)
        return std::nullopt;
    ipp_attribute_t* x = ippFindAttribute(dimensions, "x-dimension", IPP_TAG_INTEGER);
    ipp_attribute_t* y = ippFindAttribute(dimensions, "y-dimension", IPP_TAG_INTEGER);
    if (x == nullptr || y == nullptr)
        return std::nullopt;
    return PaperSize{ippGetInteger(x, 0), ippGetInteger(y, 0)};
}

// The paper a job gets when it asks for none: the user's own default
// (lpoptions), else the printer's media-default, else the size of its
// media-col-default (CUPS leaves media-default empty for some sizes, such as
// a Letter without margins). cupsGetDestMediaDefault is not asked: it
// answered Letter for a queue whose media-default is A4.
std::optional<PaperSize> defaultPaper(cups_dest_t& destination) {
    if (auto chosen =
            paperNamed(cupsGetOption("media", destination.num_options, destination.options)))
        return chosen;
    const DestinationInfo info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, &destination));
    if (info == nullptr)
        return std::nullopt;
    ipp_attribute_t* media =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, &destination, info.get(), "media");
    if (auto named = paperNamed(media == nullptr ? nullptr : ippGetString(media, 0, nullptr)))
        return named;
    return paperOfCollection(
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, &destination, info.get(), "media-col"));
}

} // namespace

std::string defaultPrinterName() {
    const Destination destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    return destination != nullptr && destination->name != nullptr ? destination->name : "";
}

std::optional<std::string> printerProblem(const std::string& printer) {
    auto found = findPrinter(printer);
    if (const auto* failure = std::get_if<std::string>(&found))
        return *failure;
    return problemOf(printer, *std::get<Destination>(found));
}

std::variant<PrinterResolution, std::string> printerResolution(const std::string& printer) {
    auto found = findPrinter(printer);
    if (const auto* failure = std::get_if<std::string>(&found))
        return *failure;
    cups_dest_t* destination = std::get<Destination>(found).get();
    const DestinationInfo info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination));
    ipp_attribute_t* resolution =
        info == nullptr
            ? nullptr
            : cupsFindDestDefault(CUPS_HTTP_DEFAULT, destination, info.get(), "printer-resolution");
    if (resolution == nullptr || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION)
        return "The printer " + printer +
               " does not tell its resolution, so the bar code cannot be fitted to its dots.";
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int across = ippGetResolution(resolution, 0, &down, &units);
    const PrinterResolution dots{dotsPerInch(across, units), dotsPerInch(down, units)};
    if (dots.dotsPerInchX <= 0 || dots.dotsPerInchY <= 0)
        return "The printer " + printer + " gives a resolution of no dots, which cannot be " +
               "printed at.";
    return dots;
}

std::variant<PaperSize, std::string> printerPaper(const std::string& printer) {
    auto found = findPrinter(printer);
    if (const auto* failure = std::get_if<std::string>(&found))
        return *failure;
    const auto paper = defaultPaper(*std::get<Destination>(found));
    if (!paper || paper->widthUnits <= 0 || paper->heightUnits <= 0)
        return "The printer " + printer +
               " does not tell which paper it holds, so the bar code cannot be placed on it.";
    return *paper;
}

// Qt's own printing to CUPS would be shorter, but its engine drops the answer
// to the submission, so a job the printer turns away would pass for printed.
// The page goes as a PDF file submitted here, where the answer is read.
std::optional<std::string> submitPdf(const std::string& printer, const std::filesystem::path& pdf) {
    // The page is the printer's paper, drawn from its edge: shrinking it to
    // the printable area would put every symbol off its size and place.
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("print-scaling", "none", 0, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), pdf.c_str(), kJobTitle,
                                   optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job > 0)
        return std::nullopt;
    return "The printer " + printer + " did not take the page: " + lastErrorText() + ".";
}

} // namespace vornik::printing
