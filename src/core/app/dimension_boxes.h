#pragma once

#include "core/app/job.h"
#include "core/app/run_state.h"

#include <string>
#include <vector>

namespace vornik {

// Who changed a box's text. Typing (the box has the focus) and a command that
// has just set the value run the box's change logic: the text is converted
// into the job field the box edits, and width and magnification follow each
// other. The program writing a value into a box for display changes only the
// text: the job keeps its exact value instead of the rounded one shown.
enum class BoxEdit { Typed, Command, Display };

// The three dimension boxes of the main window (narrow bar width, bar height,
// magnification) as texts, with the rules that tie them to the job. Which job
// field a box edits depends on the symbology: PDF417 shows its module width
// and height and its aspect ratio, Aztec Code and Data Matrix the module size.
class DimensionBoxes {
public:
    DimensionBoxes(Job& job, RunState& state) : job_(job), state_(state) {}

    [[nodiscard]] const std::string& widthText() const { return widthText_; }
    [[nodiscard]] const std::string& heightText() const { return heightText_; }
    [[nodiscard]] const std::string& magnifyText() const { return magnifyText_; }

    void editWidth(std::string text, BoxEdit edit);
    void editHeight(std::string text, BoxEdit edit);
    void editMagnify(std::string text, BoxEdit edit);

    // The list under the magnification box: PDF417's aspect ratio search
    // fills it with the ratios it weighed.
    [[nodiscard]] const std::vector<std::string>& magnifyList() const { return magnifyList_; }
    void setMagnifyList(std::vector<std::string> items) { magnifyList_ = std::move(items); }

    // A command set the magnification to a value: shown formatted "###", and
    // the narrow bar width follows it.
    void commandSetMagnification(double magnification);

    // The start-up texts: 13 mils, 1 inch, 100 percent.
    void showStartupTexts();

    // Writes the job's values into the boxes in the current display unit.
    void showJobValues();

    // Whether the width box edits the narrow bar width (and so is coupled
    // with the magnification) for the selected symbology.
    [[nodiscard]] bool widthBoxShowsNarrowBar() const;

private:
    [[nodiscard]] bool coupled(BoxEdit edit);
    void magnificationFollowsWidth();
    void widthFollowsMagnification();
    [[nodiscard]] std::string formatWidthForDisplay(float internalWidth) const;
    void editPdfLayoutLimit();
    [[nodiscard]] std::string pdfLayoutText() const;

    Job& job_;
    RunState& state_;
    std::string widthText_ = "13";
    std::string heightText_ = "1";
    std::string magnifyText_ = "100";
    std::vector<std::string> magnifyList_;
};

} // namespace vornik
