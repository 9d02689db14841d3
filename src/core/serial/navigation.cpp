#include "core/serial/navigation.h"

#include "core/app/application.h"
#include "core/files/message_file.h"
#include "core/serial/numbering.h"

namespace vornik::serial {

bool Step(Application& app, int step) {
    Job& job = app.job();
    if (job.IncEnabled != 1)
        return files::StepMessage(app, step);
    const Job before = job;
    stepNumber(job, step);
    if (job != before)
        app.state().Dirty = true;
    app.host().viewChanged();
    return true;
}

bool NextMessage(Application& app) {
    const bool stepped = Step(app, +1);
    app.Build();
    return stepped;
}

bool PreviousMessage(Application& app) {
    const bool stepped = Step(app, -1);
    app.Build();
    return stepped;
}

void enableNumbering(Application& app) {
    if (app.job().IncEnabled != 1)
        app.state().Dirty = true;
    app.job().IncEnabled = 1;
    app.state().NavigationShown = true;
    Step(app, 0);
    app.host().emptyClipboard();
    app.Build();
}

void disableNumbering(Application& app) {
    if (app.job().IncEnabled != 0)
        app.state().Dirty = true;
    app.job().IncEnabled = 0;
    // An open message file keeps its navigation.
    app.state().NavigationShown = app.state().MessageFileOpen;
    app.host().viewChanged();
}

} // namespace vornik::serial
