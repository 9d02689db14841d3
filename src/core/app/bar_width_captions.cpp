#include "core/app/bar_width_captions.h"

#include "core/app/number_format.h"

namespace vornik {

namespace {

constexpr int kPercentPerStep = 5;

// The width that the reduction or gain applies to, in 0.001 cm.
double adjustedWidth(const Job& job) {
    if (job.Symbology == Symbology::Pdf417)
        return job.PdfModuleWidth;
    if (job.Symbology == Symbology::Aztec || job.Symbology == Symbology::DataMatrix)
        return job.ModuleSize;
    return job.NarrowBarWidth;
}

// An amount in 0.001 cm written in the display unit, with the unit's name.
std::string inDisplayUnit(double amount, const Job& job) {
    switch (job.Units) {
    case Units::InchesMils:
        return formatNumber(amount / 2.54, "##0.00") + " mils";
    case Units::Metric:
        return formatNumber(amount / 100.0, "##0.00") + " mm";
    case Units::PrinterDots:
        return formatNumber(amount / (2540.0 / job.DotsAcross), "#0") + " dots";
    }
    return {};
}

} // namespace

std::string barWidthCaption(const Job& job, int step) {
    const int percent = step * kPercentPerStep;
    const double amount = adjustedWidth(job) * percent / 100.0;
    return formatNumber(percent, "00") + "%  (" + inDisplayUnit(amount, job) + ")";
}

} // namespace vornik
