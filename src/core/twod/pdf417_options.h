#pragma once

#include "core/app/job.h"
#include "core/app/run_state.h"

#include <string>
#include <vector>

namespace vornik::twod {

// The "PDF417 Options" dialog as values: what its lists hold, what each
// control shows, and what OK stores. A front end shows the lists, lets the
// user change the values and calls ok() or simply closes (Cancel).
struct PdfOptionsDialog {
    static constexpr const char* kTitle = "PDF417 Options";
    static constexpr const char* kSizeFrame = "Size Control Parameters";
    static constexpr const char* kTruncatedCaption = "Create Truncated PDF Symbols";
    static constexpr const char* kMaxRowsLabel = "Max # Data Rows";
    static constexpr const char* kMaxColumnsLabel = "Max # Data Columns";
    static constexpr const char* kCompressionFrame = "Data Compaction Mode:";
    static constexpr const char* kCodewordsCaption = "Display Generated Code Words";
    static constexpr const char* kSecurityFrame = "Error Correction Level";
    static constexpr const char* kOverheadLabel = "Overhead:";
    static constexpr int kAutomaticSecurityIndex = 9;

    [[nodiscard]] static std::vector<std::string> compressionItems();
    [[nodiscard]] static std::vector<std::string> securityItems();
    [[nodiscard]] static std::vector<std::string> overheadItems();
    [[nodiscard]] static std::vector<std::string> maxRowsItems();
    [[nodiscard]] static std::vector<std::string> maxColumnsItems();

    // The controls set from the job's settings (Form_Load). A limit outside
    // its list selects the nearest item.
    [[nodiscard]] static PdfOptionsDialog load(const Job& job);

    // The "Overhead:" label and its list show only under "Auto %".
    [[nodiscard]] bool overheadVisible() const { return security == kAutomaticSecurityIndex; }

    // OK: the settings take the controls' values; the job is marked changed
    // when any of them differs.
    void ok(Job& job, RunState& state) const;

    int compression = 0;   // CompressionCombo index
    int security = 9;      // SLevelCombo index
    int overhead = 11;     // PctOverheadCombo index
    int maxRowsIndex = 87; // MaxRows index: rows - 3
    int maxColumnsIndex = 29;
    bool showCodewords = false; // CodeWordsCheckBox
    bool truncated = false;     // TruncPDF
};

} // namespace vornik::twod
