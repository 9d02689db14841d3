#include "core/twod/pdf417_options.h"

#include <algorithm>

namespace vornik::twod {

namespace {

constexpr int kFewestRows = 3;
constexpr int kMostRows = 90;
constexpr int kMostColumns = 30;
constexpr int kMostOverhead = 99;
constexpr int kHighestLevel = 8;

std::vector<std::string> counting(int from, int to, const std::string& before,
                                  const std::string& after) {
    std::vector<std::string> items;
    for (int i = from; i <= to; ++i)
        items.push_back(before + std::to_string(i) + after);
    return items;
}

} // namespace

std::vector<std::string> PdfOptionsDialog::compressionItems() {
    return {"Auto (EXC/Binary/Numeric)", "Auto (EXC/Binary)", "EXC Mode", "Binary Mode",
            "Numeric Mode"};
}

std::vector<std::string> PdfOptionsDialog::securityItems() {
    auto items = counting(0, kHighestLevel, " ", "");
    items.push_back("Auto %");
    return items;
}

std::vector<std::string> PdfOptionsDialog::overheadItems() {
    return counting(0, kMostOverhead, "", "%");
}

std::vector<std::string> PdfOptionsDialog::maxRowsItems() {
    return counting(kFewestRows, kMostRows, "", "");
}

std::vector<std::string> PdfOptionsDialog::maxColumnsItems() {
    return counting(1, kMostColumns, "", "");
}

PdfOptionsDialog PdfOptionsDialog::load(const Job& job) {
    PdfOptionsDialog dialog;
    dialog.compression = std::clamp(job.PdfMode, 0, 4);
    dialog.security = std::clamp(job.PdfSecurityLevel, 0, kAutomaticSecurityIndex);
    dialog.overhead = std::clamp(job.PdfOverheadPercent, 0, kMostOverhead);
    dialog.maxRowsIndex = std::clamp(job.PdfMaxRows, kFewestRows, kMostRows) - kFewestRows;
    dialog.maxColumnsIndex = std::clamp(job.PdfMaxColumns, 1, kMostColumns) - 1;
    dialog.showCodewords = job.PdfShowCodewords != 0;
    dialog.truncated = job.PdfTruncated != 0;
    return dialog;
}

void PdfOptionsDialog::ok(Job& job, RunState& state) const {
    Job stored = job;
    stored.PdfMode = compression;
    stored.PdfShowCodewords = showCodewords ? 1 : 0;
    stored.PdfOverheadPercent = overhead;
    stored.PdfSecurityLevel = security;
    stored.PdfMaxRows = maxRowsIndex + kFewestRows;
    stored.PdfMaxColumns = maxColumnsIndex + 1;
    stored.PdfTruncated = truncated ? 1 : 0;
    if (!(stored == job))
        state.Dirty = true;
    job = std::move(stored);
}

} // namespace vornik::twod
