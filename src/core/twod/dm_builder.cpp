#include "core/twod/dm_builder.h"

#include "core/app/application.h"
#include "core/app/error_reporter.h"
#include "core/app/rounding.h"
#include "core/render/linear_renderer.h"
#include "core/twod/matrix_drawing.h"
#include "core/twod/symbol_publishing.h"

#include <array>

namespace vornik::twod {

namespace {

// The rectangular sizes of the Shape/Size options 1 to 6, rows by columns.
constexpr std::array<DataMatrixSize, 6> kRectangularOptions = {{
    {8, 18},
    {8, 32},
    {12, 26},
    {12, 36},
    {16, 36},
    {16, 48},
}};
static_assert(kRectangularOptions.size() == 6);

// Initialises the encoder once per run. A failed initialisation is tried
// again at the next build, and this build goes on regardless; a failed self
// test ends this build.
bool encoderReady(DataMatrixLibrary& library, DataMatrixSession& session) {
    if (session.initialised)
        return true;
    if (library.IDM_initialize(0) != kDmSuccess)
        return true;
    if (library.IDM_self_test() != kDmSuccess)
        return false;
    session.initialised = true;
    return true;
}

ModuleMatrix readCells(const DataMatrixLibrary& library, int rows, int columns) {
    ModuleMatrix matrix(rows, columns);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            matrix.set(r, c, library.get_dm_cell(r, c) == 1);
    return matrix;
}

} // namespace

std::string prepareDataMatrixMessage(std::string_view message, int eccLevel,
                                     bool standardInterpretation) {
    if (eccLevel != kDmEcc200)
        return std::string(message);
    std::string prepared;
    prepared.reserve(message.size());
    for (const char c : message) {
        if (c == '~' && standardInterpretation)
            prepared += "~~";
        else if (c == '\0')
            prepared += "~@";
        else
            prepared += c;
    }
    return prepared;
}

DataMatrixSize requestedDataMatrixSize(int formatOption) {
    if (formatOption < 1 || formatOption > static_cast<int>(kRectangularOptions.size()))
        return {};
    return kRectangularOptions[static_cast<std::size_t>(formatOption - 1)];
}

BuildOutcome buildDataMatrix(Application& app, DataMatrixLibrary& library,
                             DataMatrixSession& session) {
    const Job& job = app.job();
    const std::string message =
        prepareDataMatrixMessage(job.Message, job.DmEccLevel, job.DmStandard != 0);
    if (!encoderReady(library, session))
        return BuildOutcome::Rejected;

    const DataMatrixSize size = requestedDataMatrixSize(job.DmFormatOption);
    int rows = 0;
    int columns = 0;
    session.lastStatus =
        library.IDM_enc_complete(job.DmFormat, job.DmEccLevel, size.rows, size.columns, 0, 1,
                                 message, rows, columns, static_cast<int>(message.size()));
    if (session.lastStatus > 0) {
        app.ReportMessageError(session.lastStatus);
        return BuildOutcome::Rejected;
    }

    const int M = nearest(job.ModuleSize);
    if (M <= 0) {
        app.ReportMessageError(kErrorNarrowBarWidth);
        return BuildOutcome::Rejected;
    }
    const int Ch = job.Comment.empty() ? 0 : nearest(job.FontSize * 35.15);
    const ModuleMatrix matrix = readCells(library, rows, columns);
    const auto geometry =
        matrixGeometry(matrix, M, job.QuietZones, 5 * signedWidthStep(job.BarWidthAdjust), Ch);
    if (!geometry || job.Comment.size() > render::kMaxTextBytes) {
        render::reportSizeLimit(app, render::kWidthLimitText);
        return BuildOutcome::Rejected;
    }
    publishSymbol(app, drawMatrixSymbol(job, matrix, *geometry), geometry->Ws, geometry->Hs);
    return BuildOutcome::Built;
}

} // namespace vornik::twod
