#include "core/app/job.h"

#include <algorithm>

namespace vornik {

void deriveDots(Job& job) {
    const bool rotated = job.Orientation != Orientation::Horizontal;
    job.DotsAcross = rotated ? job.TargetDpiY : job.TargetDpiX;
    job.DotsAlong = rotated ? job.TargetDpiX : job.TargetDpiY;
}

std::string DisplayForm(std::string_view internalMessage) {
    std::string shown{internalMessage};
    std::replace(shown.begin(), shown.end(), '\0', '\xFF');
    return shown;
}

} // namespace vornik
