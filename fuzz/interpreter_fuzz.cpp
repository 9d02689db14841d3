// The command language: each input is one execute string, run on a freshly
// started program as an automating client would send it. An input beginning
// with "+" is answered as with --yes (message boxes go ahead); any other is
// answered as a user who backs out, and the "+" is not part of the string.
//
// Commands save and open files ([saveconfig(...)], [savebarcode(...)],
// [openmsgfile(...)], ...). Every run happens in a private folder, and an
// input with a command naming a path with a "/" in it is passed over, so that
// nothing outside that folder is ever written or read.

#include "core/app/application.h"
#include "core/dde/execute_string.h"
#include "core/dde/interpreter.h"
#include "support/fuzz_session.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace vornik;

// File commands take their path between "(" and ")]"; any command holding
// both a "(" and a "/" might name a file elsewhere.
bool mayNameFileElsewhere(std::string_view executeString) {
    for (std::string_view command = dde::nextCommand(executeString); !command.empty();
         command = dde::nextCommand(executeString)) {
        if (command.find('(') != std::string_view::npos &&
            command.find('/') != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::prepareScratchRun(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const bool goAhead = input.starts_with('+');
    if (goAhead)
        input.remove_prefix(1);
    if (mayNameFileElsewhere(input))
        return -1;
    const fuzz::InsideScratchFolder inside;
    fuzz::FuzzSession session(goAhead);
    (void)dde::Interpreter(session.app).Execute(input);
    return 0;
}
