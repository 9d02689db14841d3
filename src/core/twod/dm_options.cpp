#include "core/twod/dm_options.h"

#include <algorithm>

namespace vornik::twod {

namespace {

int indexOrDefault(int index, std::size_t count, int fallback) {
    return index >= 0 && index < static_cast<int>(count) ? index : fallback;
}

} // namespace

DmOptionsForm DMOptions_Load(const Job& job) {
    DmOptionsForm form;
    const auto ecc = std::find(kDmEccLevels.begin(), kDmEccLevels.end(), job.DmEccLevel);
    form.format = indexOrDefault(job.DmFormat - 1, kDmFormatCaptions.size(), 5);
    form.shape = indexOrDefault(job.DmFormatOption, kDmShapeCaptions.size(), 0);
    form.translateTildes = job.DmStandard != 0;
    DMOptions_SelectEcc(
        form, ecc == kDmEccLevels.end() ? 5 : static_cast<int>(ecc - kDmEccLevels.begin()));
    return form;
}

void DMOptions_SelectEcc(DmOptionsForm& form, int index) {
    form.ecc = indexOrDefault(index, kDmEccLevels.size(), 5);
    const bool ecc200 = kDmEccLevels[static_cast<std::size_t>(form.ecc)] == 26;
    form.formatEnabled = !ecc200;
    form.shapeEnabled = ecc200;
    form.tildesEnabled = ecc200;
}

bool DMOptions_Ok(const DmOptionsForm& form, Job& job) {
    const Job before = job;
    job.DmEccLevel = kDmEccLevels[static_cast<std::size_t>(form.ecc)];
    job.DmFormat = form.format + 1;
    job.DmFormatOption = form.shape;
    job.DmStandard = form.translateTildes ? 1 : 0;
    return !(job == before);
}

void confirmDmOptions(const DmOptionsForm& form, Job& job, RunState& state) {
    if (DMOptions_Ok(form, job))
        state.Dirty = true;
}

} // namespace vornik::twod
