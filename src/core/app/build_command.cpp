// The Build command: from the job to a published symbol, through the message
// and dimension checks, to the builder of the selected symbology.

#include "core/app/application.h"
#include "core/app/build_checks.h"
#include "core/app/error_reporter.h"

namespace vornik {

namespace {

// Shows one of the two dimension warnings; true when the user goes on.
bool userAcceptsWarning(Host& host, std::string_view title, std::string text) {
    host.beep();
    const MessageAnswer answer = host.showMessage({.title = std::string(title),
                                                   .text = std::move(text),
                                                   .icon = MessageIcon::Exclamation,
                                                   .buttons = MessageButtons::OkCancel});
    return answer == MessageAnswer::Ok;
}

} // namespace

BuildOutcome Application::Build() {
    if (state_.BuildSuppressed)
        return BuildOutcome::Suppressed;
    const BuildOutcome outcome = runBuild();
    if (outcome == BuildOutcome::Cancelled || outcome == BuildOutcome::Rejected)
        ++buildsWithoutSymbol_;
    return outcome;
}

BuildOutcome Application::runBuild() {
    if (job_.Message.empty()) {
        ReportMessageError(kErrorEmptyMessage);
        return BuildOutcome::Rejected;
    }
    const BuildDimensions dimensions = deriveBuildDimensions(job_);
    if (!passesDimensionWarnings(dimensions))
        return BuildOutcome::Cancelled;

    state_.SymbolDisplayVisible = true;
    state_.HelpLabelVisible = false;
    host_.setBusyPointer(true);
    BuildContext context{*this, dimensions.widthUnits, dimensions.heightUnits};
    state_.MarkOnDisplay = false;
    const BuildOutcome outcome = builders_.run(builderFor(job_.Symbology), context);
    host_.setBusyPointer(false);
    state_.SymbolBuilt = outcome == BuildOutcome::Built;
    host_.viewChanged();

    // The advice speaks of "the bar code that you just created": only after one was.
    if (outcome == BuildOutcome::Built)
        offerPasteAdvice();
    return outcome;
}

bool Application::passesDimensionWarnings(BuildDimensions dimensions) {
    if (job_.Symbology == Symbology::Postnet)
        return true;
    if (job_.MessageWarnings) {
        if (auto name = dimensionBelowNominal(job_)) {
            state_.SymbolBuilt = false;
            if (!userAcceptsWarning(host_, kDimensionWarningTitle, dimensionWarningText(*name)))
                return false;
        }
    }
    if (job_.PrintWarnings) {
        if (auto name = dimensionBelowThreeDots(job_, dimensions)) {
            if (!userAcceptsWarning(host_, kPrinterWarningTitle, printerWarningText(*name)))
                return false;
        }
    }
    return true;
}

void Application::offerPasteAdvice() {
    if (state_.WordWarningDone || !state_.ShowWordWarning)
        return;
    const PasteAdviceAnswer answer = host_.showPasteAdvice(pasteAdviceText());
    if (answer.closedWithOk && answer.dontShowAgainChecked)
        state_.ShowWordWarning = false;
    state_.WordWarningDone = true;
}

void Application::ReportMessageError(std::int32_t code) {
    vornik::ReportMessageError(code, job_, state_, host_);
}

} // namespace vornik
