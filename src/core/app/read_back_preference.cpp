#include "core/app/read_back_preference.h"

#include "core/app/application.h"

namespace vornik {

// Stored as the other switches of the settings store are: "-1" on, "0" off.
void loadReadBackPreference(Application& app) {
    app.state().ReadBackSymbols = app.host().readSetting(kReadBackKey).value_or("-1") != "0";
}

void toggleReadBack(Application& app) {
    bool& on = app.state().ReadBackSymbols;
    on = !on;
    app.host().writeSetting(kReadBackKey, on ? "-1" : "0");
}

} // namespace vornik
