#include "core/app/target_printer.h"

#include "core/app/application.h"
#include "core/app/numeric_text.h"
#include "core/app/rounding.h"

#include <algorithm>

namespace vornik {

namespace {

int boxResolution(std::string_view text) {
    const double value = leadingNumber(text);
    if (!(value >= 1.0))
        return 1;
    return nearest(std::min(value, static_cast<double>(kMostTargetDotsPerInch)));
}

int usable(int dotsPerInch) {
    return std::clamp(dotsPerInch, 1, kMostTargetDotsPerInch);
}

} // namespace

TargetPrinterFields targetPrinterFields(const Job& job) {
    return {.printWarnings = job.PrintWarnings,
            .horizontal = std::to_string(job.TargetDpiX),
            .vertical = std::to_string(job.TargetDpiY)};
}

bool resolutionBoxTakes(char key) {
    return (key >= '0' && key <= '9') || key == '\b';
}

void showPrinterResolution(TargetPrinterFields& fields, PrinterResolution resolution) {
    fields.horizontal = std::to_string(resolution.dotsPerInchX);
    fields.vertical = std::to_string(resolution.dotsPerInchY);
}

// The job counts as changed when the switch or either number differs from
// what the job held, whichever axis the orientation makes "across".
void applyTargetPrinter(Application& app, const TargetPrinterFields& fields) {
    Job& job = app.job();
    const int horizontal = boxResolution(fields.horizontal);
    const int vertical = boxResolution(fields.vertical);
    if (fields.printWarnings != job.PrintWarnings || horizontal != job.DotsAcross ||
        vertical != job.DotsAlong)
        app.state().Dirty = true;
    job.PrintWarnings = fields.printWarnings;
    app.setTargetResolution(horizontal, vertical);
}

void applyPrinterSetup(Application& app, PrinterResolution resolution) {
    app.setTargetResolution(usable(resolution.dotsPerInchX), usable(resolution.dotsPerInchY));
}

} // namespace vornik
