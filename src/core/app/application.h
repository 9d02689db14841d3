#pragma once

#include "core/app/build_checks.h"
#include "core/app/build_outcome.h"
#include "core/app/builders.h"
#include "core/app/dimension_boxes.h"
#include "core/app/host.h"
#include "core/app/image_conversion.h"
#include "core/app/job.h"
#include "core/app/run_state.h"
#include "core/app/temp_metafile.h"
#include "core/linear/pattern_tables.h"
#include "core/render/measurements_panel.h"
#include "core/twod/pdf417_load_tables.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vornik {

// How the program was started.
struct StartupOptions {
    std::filesystem::path programDirectory;             // where the program's own files are
    std::optional<std::string> configurationArgument{}; // the command line's file, if any
};

// The one job of a running program, its run state, and the commands that act
// on them. Front ends (desktop window, command line, automation) call these
// commands; the outside world is reached only through the Host.
class Application {
public:
    Application(Host& host, StartupOptions options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Job& job() { return job_; }
    const Job& job() const { return job_; }
    RunState& state() { return state_; }
    const RunState& state() const { return state_; }
    Host& host() { return host_; }
    DimensionBoxes& boxes() { return boxes_; }
    const DimensionBoxes& boxes() const { return boxes_; }
    BuilderTable& builders() { return builders_; }
    linear::PatternTables& patternTables() { return patternTables_; }
    render::MeasurementsPanel& panel() { return panel_; }
    twod::PdfTables& pdfTables() { return pdfTables_; }
    const render::MeasurementsPanel& panel() const { return panel_; }

    // Start-up and the File > New / [NEW] reset: defaults, temporary
    // metafile name, settings store, the configuration named at start.
    void startUp();
    void ResetJob();

    // Shut-down: stores the preference, asks about unsaved changes when
    // asked to, prints a printer page left open, removes the temporary
    // metafile. False when the user cancels.
    [[nodiscard]] bool shutDown(bool askAboutUnsavedChanges);

    // The Build command.
    BuildOutcome Build();

    // The error reporter, bound to this job.
    void ReportMessageError(std::int32_t code);

    // Symbology selection, as the Symbology menu does it.
    void MCode_Click(Symbology symbology);

    // Menu-like commands that change a drawing option; each sets Dirty and,
    // where the option is drawn, rebuilds a symbol that is on display.
    void toggleIncludeText();
    void toggleTextAbove();
    void toggleCommentAbove();
    void toggleAutoFontScaling();
    void toggleQuietZones();
    void toggleBearerBars();
    void toggleCheckDigit();
    void setCommentAlign(CommentAlignment alignment);
    void setOrientation(Orientation orientation);
    void setUnits(Units units);
    void setTargetResolution(int dotsPerInchX, int dotsPerInchY);
    // Puts the symbology's widths on whole dots of the target printer (see
    // fittedToDots) and rebuilds a symbol on display.
    void fitToPrinterDots();
    void setPdfCharacterSet(std::int32_t characterSet);
    void setAnsiDisplay(bool ansi);

    // Builds that ended without a symbol since start (warnings answered with
    // Cancel, rejected messages); the command line's exit status uses it.
    int buildsWithoutSymbol() const { return buildsWithoutSymbol_; }

    // File operations (saving a symbol, ...) and prints that failed since
    // start, and commands abandoned for want of memory; each has been told to
    // the user.
    int failedFileOperations() const { return failedFileOperations_; }
    void countFailedFileOperation() { ++failedFileOperations_; }

    // Loading the configuration named on the command line, and the
    // unsaved-changes question (false = the user cancelled). They start as
    // the configuration file's own; without them the start-up skips the load
    // and the shut-down does not ask.
    std::function<void(Application&, const std::string& path)> loadConfiguration;
    std::function<bool(Application&)> querySaveChanges;

    // Loads PDF417's pattern data when PDF417 is first chosen; false when the
    // user gave up, which abandons the selection. Without it PDF417 is chosen
    // as any other symbology. The program's loader is installed at start.
    std::function<bool(Application&)> pdfLoadTables;

    // Writes image files from the temporary metafile when a symbol is saved
    // under a converted format's name; without it such saves fail.
    ImageConverter convertImage;

private:
    BuildOutcome runBuild();
    bool passesDimensionWarnings(BuildDimensions dimensions);
    void offerPasteAdvice();
    void applyStartupDefaults();
    void rebuildIfBuilt();
    void rebuildTextOption();
    void refreshPanel();

    Host& host_;
    StartupOptions options_;
    Job job_;
    RunState state_;
    TempMetafile tempMetafile_;
    DimensionBoxes boxes_;
    BuilderTable builders_;
    linear::PatternTables patternTables_;
    render::MeasurementsPanel panel_;
    twod::PdfTables pdfTables_;
    int buildsWithoutSymbol_ = 0;
    int failedFileOperations_ = 0;
};

} // namespace vornik
