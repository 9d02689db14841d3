#include "core/twod/library_builders.h"

#include "core/app/application.h"
#include "core/app/builders.h"
#include "core/twod/aztec_builder.h"
#include "core/twod/dm_builder.h"

#include <memory>

namespace vornik::twod {

namespace {

struct DataMatrixEncoder {
    ZintDataMatrix library;
    DataMatrixSession session;
};

} // namespace

void installLibraryBuilders(BuilderTable& table) {
    auto dataMatrix = std::make_shared<DataMatrixEncoder>();
    table.install(BuilderKind::DataMatrix, [dataMatrix](BuildContext& context) {
        return buildDataMatrix(context.app, dataMatrix->library, dataMatrix->session);
    });
    table.install(BuilderKind::Aztec, [](BuildContext& context) {
        return buildAztec(context.app, context.app.job().Message);
    });
}

} // namespace vornik::twod
