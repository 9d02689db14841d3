#pragma once

#include "core/app/build_outcome.h"
#include "core/twod/dm_adapter.h"

#include <string>
#include <string_view>

namespace vornik {
class Application;
}

namespace vornik::twod {

// What the builder keeps of the encoder between builds: whether it has been
// initialised (and passed its self test), and the last status it returned.
struct DataMatrixSession {
    bool initialised = false;
    int lastStatus = 0;
};

// The message as the encoder receives it. For ECC 200 a NUL byte becomes
// "~@", and with the standard interpretation on a tilde becomes "~~", so that
// the encoder takes it literally; other levels receive the message as it is.
[[nodiscard]] std::string prepareDataMatrixMessage(std::string_view message, int eccLevel,
                                                   bool standardInterpretation);

// The rows and columns a DmFormatOption asks for; 0 by 0 for the square
// symbol of automatic size (option 0 and any value without a size).
struct DataMatrixSize {
    int rows = 0;
    int columns = 0;
};
[[nodiscard]] DataMatrixSize requestedDataMatrixSize(int formatOption);

// Encodes the job's message, draws the module matrix with quiet zones,
// width adjustment, comment and orientation, and publishes it. Encoder
// statuses go to the error reporter unchanged; a failed self test ends the
// build without a word.
BuildOutcome buildDataMatrix(Application& app, DataMatrixLibrary& library,
                             DataMatrixSession& session);

} // namespace vornik::twod
