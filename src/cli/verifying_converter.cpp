#include "cli/verifying_converter.h"

#include "cli/batch/read_back_check.h"

namespace vornik::cli {

ImageConverter verifyingConverter(ImageConverter convert, Application& app, ReadBack readBack,
                                  std::ostream& errors) {
    return [convert = std::move(convert), &app, readBack = std::move(readBack),
            &errors](const ImageConversion& request) -> std::optional<std::string> {
        if (auto failure = convert(request))
            return failure;
        const ReadBackCheck check = checkReadBack(app.job(), request.destination, readBack);
        switch (check.kind) {
        case ReadBackCheck::Kind::Verified:
            errors << "vornik: " << request.destination << " reads back as \"" << check.text
                   << "\"\n";
            break;
        case ReadBackCheck::Kind::NotVerifiable:
            errors << "vornik: " << request.destination << " is not verifiable: " << check.text
                   << '\n';
            break;
        case ReadBackCheck::Kind::Wrong:
            errors << "vornik: " << request.destination
                   << " does not read back right: " << check.text << '\n';
            app.countFailedFileOperation();
            break;
        }
        return std::nullopt;
    };
}

} // namespace vornik::cli
