#include "core/app/error_reporter.h"

#include "core/app/host.h"
#include "core/app/job.h"
#include "core/app/program_texts.h"
#include "core/app/run_state.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vornik {

namespace {

struct ErrorEntry {
    std::int32_t code;
    std::string_view text;
};

// The base text of every message error with a fixed wording. Double blanks and
// trailing blanks belong to the texts. Codes 36 and 38 are composed in code;
// codes missing here fall back to the generic or the Data Matrix text.
constexpr std::array kErrorTable = {
    ErrorEntry{1, "POSTNET message!  POSTNET bar codes must consist of 5, 9 or 11 numeric digits "
                  "only."},
    ErrorEntry{2, "UPC-A message!  UPC-A bar codes must consist of 11 numeric digits only."},
    ErrorEntry{3, "EAN-8 message!  EAN-8 bar codes must consist of 7 numeric digits only."},
    ErrorEntry{4, "Interleaved 2 of 5 message!  Interleaved 2 of 5 bar codes must consist of an "
                  "even number of numeric digits only."},
    ErrorEntry{5, "Codabar message!  Codabar bar codes may contain only the following characters: "
                  "0123456789ABCD-$:/.+ "},
    ErrorEntry{6, "Codabar message!  Codabar bar codes must start and end with one of the "
                  "following characters: ABCD  (the body of the message should not contain these "
                  "characters)."},
    ErrorEntry{7, "Code 39 message!  Code 39 Full ASCII bar codes may not contain characters with "
                  "ASCII codes greater than 127."},
    ErrorEntry{8, "Code 39 message!  Normal Code 39 bar codes may contain only the following 44 "
                  "(upper case) characters: 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ  -.*$/+%"},
    ErrorEntry{9, "Code 93 message!  Code 93 bar codes may not contain characters with ASCII "
                  "codes greater than 127."},
    ErrorEntry{12, "Code 128 message!  Code 128 bar codes may not contain characters with ASCII "
                   "codes greater than 127."},
    ErrorEntry{13, "UPC-E message!  UPC-E bar codes must consist of 6 numeric digits only."},
    ErrorEntry{14, "Supplemental message!  Supplements must consist of either 2 or 5 numeric "
                   "digits only."},
    ErrorEntry{15, "EAN-13 message!  EAN-13 bar codes must consist of 12 numeric digits only."},
    ErrorEntry{16, "Discrete 2 of 5 message!  Discrete 2 of 5 bar codes must consist of numeric "
                   "digits only."},
    ErrorEntry{17, "or Missing Narrow Bar Width! Please Re-Enter."},
    ErrorEntry{18, "or Missing Bar Code Height! Please Re-Enter."},
    ErrorEntry{19, "Bar Code Message is too large! Please Re-Enter."},
    ErrorEntry{20, "Bar code message is too large or selected security level is too high!  Please "
                   "re-enter bar code text or set PDF security level to a lower value."},
    ErrorEntry{21, "Bar code message contains invalid characters!  Please re-enter bar code text "
                   "or change the PDF417 data compression mode."},
    ErrorEntry{23, "Module Height or Width values exceed system limits!  Please enter smaller "
                   "values for these parameters."},
    ErrorEntry{24, "Maximum number of rows specified is too small to generate a bar code!  Please "
                   "enter a larger values for this parameter."},
    ErrorEntry{25, "Maximum number of columns specified is too small to generate a bar code!  "
                   "Please enter a larger values for this parameter."},
    ErrorEntry{26, "Maximum number of rows or columns specified is too small to produce a bar "
                   "code for the data entered!  Please enter larger values for these parameters "
                   "in the PDF417 Options menu or reduce the PDF417 Security Level or reduce the "
                   "size of the bar code message."},
    ErrorEntry{27, "Missing or invalid bar code message. Please re-enter bar code message text."},
    ErrorEntry{28, "Invalid or Missing PDF417 Aspect Ratio! Aspect Ratio Must Be Greater Than "
                   "Zero. Please Re-Enter."},
    ErrorEntry{29, "Invalid or Missing PDF417 Module Width! Module Width Must Be Greater Than "
                   "Zero. Please Re-Enter."},
    ErrorEntry{30, "Invalid or Missing PDF417 Module Height! Module Height Must Be Greater Than "
                   "Zero. Please Re-Enter."},
    ErrorEntry{31, "Invalid ISBN Number! For BookLan bar codes please enter a 10 digit ISBN "
                   "number. "},
    ErrorEntry{32, "Invalid BookLan price supplemental.  Please enter dollar amount (under 100 "
                   "dollars). "},
    ErrorEntry{34, "Invalid BPO 4 State Code message. Please Re-Enter."},
    ErrorEntry{35, "Invalid MSI message!  MSI bar codes must consist of numeric digits only."},
    ErrorEntry{37, "Invalid RSS14 message!  Check that the composite message does not contain "
                   "invalid characters or more than the allowable number of characters."},
    // Data Matrix encoder codes with their own wording.
    ErrorEntry{3023, "Invalid Data Matrix message!  Data Matrix message is too short."},
    ErrorEntry{1024, "Invalid Data Matrix message!  Data Matrix message is too long."},
    ErrorEntry{3024, "Invalid Data Matrix message!  Data Matrix message is too long."},
    ErrorEntry{1025, "Invalid Data Matrix message!  Data Matrix message contains invalid "
                     "characters for the currently selected Data Matrix options."},
    ErrorEntry{1032, "Invalid Data Matrix message!  Data Matrix message is too long for the "
                     "selected symbol size."},
};
static_assert(kErrorTable.size() == 37);

constexpr std::string_view kGenericText =
    "Missing or invalid bar code message!  Please re-enter bar code text.";
constexpr std::string_view kCheckDigitSentence =
    "Vornik will automatically calculate the trailing check digit for you.";

// Codes from 1001 up belong to the Data Matrix encoder.
constexpr std::int32_t kFirstDataMatrixCode = 1001;

constexpr std::int32_t kRss14DigitsCode = 36;
constexpr std::int32_t kRssLimitedValueCode = 38;

std::string rss14DigitsText() {
    std::string text = "Invalid RSS14 message! RSS14 bar codes must consist of 13 numeric digits "
                       "only.\r";
    text += kCheckDigitSentence;
    text += "\r\rNOTE: Vornik will pad shorter data with zeros.";
    return text;
}

std::string rssLimitedValueText() {
    return "Invalid RSS Limited message!\r\nThe primary message in a RSS Limited bar code must "
           "not have a value exceeding 1999999999999.";
}

const ErrorEntry* findEntry(std::int32_t code) {
    const auto* entry = std::find_if(kErrorTable.begin(), kErrorTable.end(),
                                     [code](const ErrorEntry& e) { return e.code == code; });
    return entry == kErrorTable.end() ? nullptr : entry;
}

// The UPC and EAN families compute their own check digit and, with warnings
// off, pad or truncate instead of complaining; the text tells the user so.
bool explainsPadding(std::int32_t code) {
    return code == 2 || code == 3 || code == 13 || code == 15;
}

std::string paddingAdvice() {
    std::string text = "\r";
    text += kCheckDigitSentence;
    text += "\r\rNOTE: Vornik will pad shorter data with zeros and truncate longer data if you "
            "disable Invalid Message Warnings in the Preferences Menu.";
    return text;
}

// The texts of codes 1 to 18 name the broken item without the word that
// opens the sentence. Only those table texts get it: codes 10 and 11 have
// no entry, and "Invalid " before the generic text would read as nonsense.
std::string tableText(const ErrorEntry& entry) {
    std::string text;
    if (entry.code >= 1 && entry.code <= 18) {
        text = "Invalid ";
    }
    text += entry.text;
    if (explainsPadding(entry.code)) {
        text += paddingAdvice();
    }
    return text;
}

} // namespace

std::string composeErrorText(std::int32_t code) {
    if (code == kRss14DigitsCode) {
        return rss14DigitsText();
    }
    if (code == kRssLimitedValueCode) {
        return rssLimitedValueText();
    }
    if (const ErrorEntry* entry = findEntry(code)) {
        return tableText(*entry);
    }
    if (code >= kFirstDataMatrixCode) {
        // The number is formatted with room for its sign, which for these
        // positive codes is a blank.
        return "Data Matrix encode error # " + std::to_string(code);
    }
    return std::string(kGenericText);
}

void ReportMessageError(std::int32_t code, const Job& job, RunState& state, Host& host) {
    host.beep();
    state.SymbolBuilt = false;
    host.setBusyPointer(false);
    if (!job.MessageWarnings) {
        // Nothing is shown, but the last symbol must not stay pasteable.
        host.emptyClipboard();
        return;
    }
    state.ErrorText = composeErrorText(code);
    host.showMessage(MessageBox{std::string(kProgramTitle), state.ErrorText, MessageIcon::None,
                                MessageButtons::Ok});
}

} // namespace vornik
