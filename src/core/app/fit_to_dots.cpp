#include "core/app/fit_to_dots.h"

#include "core/app/application.h"
#include "core/app/rounding.h"
#include "core/render/linear_layout.h"

#include <algorithm>

namespace vornik {

namespace {

constexpr double kUnitsPerInch = 2540.0;
// The magnification is relative to a 13 mil narrow bar (33.02 thousandths
// of a centimetre).
constexpr double kReferenceWidth = 33.02;

} // namespace

float fittedLength(float length, int dotsPerInch) {
    const int resolution = std::max(dotsPerInch, 1);
    const int dots = std::max(kFewestDots, nearest(length * resolution / kUnitsPerInch));
    return static_cast<float>(dots * kUnitsPerInch / resolution);
}

Job fittedToDots(Job job) {
    deriveDots(job);
    if (job.Symbology == Symbology::Pdf417) {
        job.PdfModuleWidth = fittedLength(job.PdfModuleWidth, job.DotsAcross);
        job.PdfModuleHeight = fittedLength(job.PdfModuleHeight, job.DotsAlong);
        return job;
    }
    if (job.Symbology == Symbology::Aztec || job.Symbology == Symbology::DataMatrix) {
        job.ModuleSize = fittedLength(job.ModuleSize, std::min(job.DotsAcross, job.DotsAlong));
        return job;
    }
    if (render::isPostal(job.Symbology))
        return job;
    job.NarrowBarWidth = fittedLength(job.NarrowBarWidth, job.DotsAcross);
    if (isUpcEanFamily(job.Symbology))
        job.Magnification = static_cast<float>(job.NarrowBarWidth * 100.0 / kReferenceWidth);
    return job;
}

void Application::fitToPrinterDots() {
    const Job fitted = fittedToDots(job_);
    if (fitted == job_)
        return;
    job_ = fitted;
    state_.Dirty = true;
    boxes_.showJobValues();
    refreshPanel();
    rebuildIfBuilt();
}

} // namespace vornik
