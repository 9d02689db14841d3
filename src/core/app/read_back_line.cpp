#include "core/app/read_back_line.h"

#include <algorithm>

namespace vornik {

namespace {

using Cause = batch::ReadBackVerdict::Cause;

std::string quoted(const std::string& text) {
    return "\u201C" + text + "\u201D";
}

} // namespace

batch::Expectation publishedPictureReading(const Job& job, const RunState& state) {
    if (state.MarkOnDisplay)
        return batch::NotVerifiable{"a facing identification mark"};
    return batch::expectedReading(job);
}

ImageConversion readBackConversion(const Job& job, std::string source, std::string destination) {
    ImageConversion conversion =
        imageConversion(job, std::move(source), std::move(destination), ImageFormat::Png);
    conversion.RasterResolution = std::max(conversion.RasterResolution, kLeastReadBackResolution);
    return conversion;
}

std::string readBackLine(const batch::ReadBackVerdict& verdict) {
    switch (verdict.cause) {
    case Cause::ReadsRight:
        return "Read back: " + verdict.read + " \u2713";
    case Cause::SymbolUnreadable:
        return "Not verifiable: " + verdict.detail + " cannot be read back.";
    case Cause::PartUnread:
        return "Not verifiable: the linear part reads " + quoted(verdict.read) +
               ", but the 2D part of a composite cannot be read back.";
    case Cause::NoReader:
        return "Not verifiable here: " + verdict.detail + ".";
    case Cause::ReadsOther:
        return "Warning: the symbol reads as " + quoted(verdict.read) + " instead of " +
               quoted(verdict.expected) + ".";
    case Cause::ReadsNothing:
        return "Warning: the symbol does not read back; no " + verdict.expected +
               " symbol was found in it.";
    case Cause::PictureUnread:
        return "Warning: the symbol could not be read back: " + verdict.detail + ".";
    }
    return "Warning: the symbol could not be read back.";
}

std::string readBackUnavailableLine(std::string_view problem) {
    return "The symbol is not read back: " + std::string(problem) + ".";
}

} // namespace vornik
