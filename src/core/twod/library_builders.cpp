#include "core/twod/library_builders.h"

#include "core/app/application.h"
#include "core/app/builders.h"
#include "core/twod/aztec_builder.h"
#include "core/twod/dm_builder.h"
#include "core/twod/rss_builder.h"

#include <memory>
#include <utility>

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
    const std::pair<BuilderKind, RssKind> rss[] = {
        {BuilderKind::Rss14, RssKind::Rss14},
        {BuilderKind::Rss14Stacked, RssKind::Stacked},
        {BuilderKind::Rss14StackedOmni, RssKind::StackedOmni},
        {BuilderKind::RssLimited, RssKind::Limited},
    };
    for (const auto& [builder, kind] : rss)
        table.install(builder, [kind = kind](BuildContext& context) {
            return buildRss(context.app, kind, context.widthUnits, context.heightUnits);
        });
}

} // namespace vornik::twod
