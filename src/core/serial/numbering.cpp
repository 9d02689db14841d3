#include "core/serial/numbering.h"

#include "core/app/number_format.h"
#include "core/app/rounding.h"

#include <algorithm>

namespace vornik::serial {

std::string numberDigits(double number, double width) {
    const int slots = std::clamp(nearest(width + 1.0), 1, kMaxNumberDigits + 1);
    std::string digits = formatNumber(number, std::string(static_cast<std::size_t>(slots), '0'));
    const int kept = std::min(nearest(width), kMaxNumberDigits);
    if (width > 0.0 && kept > 0 && digits.size() > static_cast<std::size_t>(kept))
        digits.erase(0, digits.size() - static_cast<std::size_t>(kept));
    return digits;
}

std::string numberText(const Job& job) {
    return job.IncPreamble + numberDigits(job.IncStart, job.IncWidth) + job.IncPostamble;
}

void stepNumber(Job& job, int step) {
    job.IncStart += step * job.IncValue;
    if (job.IncTarget)
        job.Message = numberText(job);
    else
        job.Supplement = numberText(job);
}

} // namespace vornik::serial
