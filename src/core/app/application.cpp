#include "core/app/application.h"

#include "core/app/numeric_text.h"
#include "core/app/print_command.h"
#include "core/app/program_texts.h"
#include "core/app/read_back_preference.h"
#include "core/app/temp_metafile.h"
#include "core/files/configuration.h"

#include <langinfo.h>
#include <locale.h>

namespace vornik {

namespace {

constexpr int kFallbackResolution = 300;

// The decimal separator of the user's locale, as number formatting there
// would write it; "." when the locale cannot be had. Only the numeric part of
// the locale is loaded: the whole of it would cost every start a dozen file
// reads for a single character.
char localeDecimalSeparator() {
    const locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (numeric == locale_t{})
        return '.';
    const char* radix = ::nl_langinfo_l(RADIXCHAR, numeric);
    const char separator = radix != nullptr && radix[0] == ',' ? ',' : '.';
    ::freelocale(numeric);
    return separator;
}

int usableResolution(int dotsPerInch) {
    return dotsPerInch >= 1 ? dotsPerInch : kFallbackResolution;
}

} // namespace

Application::Application(Host& host, StartupOptions options)
    : host_(host), options_(std::move(options)), boxes_(job_, state_) {
    loadConfiguration = [](Application& app, const std::string& path) {
        (void)files::LoadConfiguration(app, path);
    };
    querySaveChanges = [](Application& app) {
        return files::QuerySaveChanges(app) != files::SaveChangesAnswer::Cancel;
    };
    pdfLoadTables = twod::PdfLoadTables;
}

Application::~Application() = default;

void Application::startUp() {
    state_.ProgramDirectory = options_.programDirectory;
    tempMetafile_ = TempMetafile::make(options_.programDirectory);
    state_.TempMetafilePath = tempMetafile_.path();
    state_.TempMetafileFailure = tempMetafile_.failure();
    state_.BuildSuppressed = false;
    state_.SymbolBuilt = false;
    state_.DecimalSeparator = localeDecimalSeparator();

    applyStartupDefaults();

    const std::string stored = host_.readSetting(kShowWordWarningKey).value_or("-1");
    state_.ShowWordWarning = leadingNumber(stored) != 0.0;
    loadReadBackPreference(*this);
    state_.WindowCaption = std::string(kUntitledCaption);
    state_.Dirty = false;

    // A file that does not load leaves the defaults and the untitled job.
    if (options_.configurationArgument && loadConfiguration)
        loadConfiguration(*this, *options_.configurationArgument);
    state_.HelpLabelVisible = true;
    host_.viewChanged();
}

// Every job field back to its default, the printer's resolution read again,
// and the run state that belongs to the job cleared.
void Application::applyStartupDefaults() {
    job_ = Job{};
    if (auto printer = host_.defaultPrinterResolution()) {
        job_.TargetDpiX = usableResolution(printer->dotsPerInchX);
        job_.TargetDpiY = usableResolution(printer->dotsPerInchY);
    }
    deriveDots(job_);

    state_.ConfigPath.clear();
    state_.ConfigTitle.clear();
    state_.Named = false;
    state_.BarcodeSavePath.clear();
    state_.MessageFilePath.clear();
    state_.MessageFileOpen = false;
    state_.Messages = MessageFileState{};
    state_.NavigationShown = false;
    state_.CommandJustSetDimension = false;
    state_.SymbolWidth = 0;
    state_.SymbolHeight = 0;
    panel_ = render::MeasurementsPanel{};
    panel_.Refresh(job_, state_.SymbolWidth, state_.SymbolHeight);
    boxes_.showStartupTexts();
}

void Application::ResetJob() {
    startUp();
}

bool Application::shutDown(bool askAboutUnsavedChanges) {
    host_.writeSetting(kShowWordWarningKey, state_.ShowWordWarning ? "-1" : "0");
    if (askAboutUnsavedChanges && querySaveChanges && !querySaveChanges(*this))
        return false;
    // A page left open by printing without an eject is printed now.
    (void)ejectPage(*this);
    tempMetafile_.remove();
    return true;
}

} // namespace vornik
