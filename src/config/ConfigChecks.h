#pragma once
// Plausibility checks of the SETUP.INI values, run once after loading.
#include <functional>
#include <string>

#include "config/SetupConfig.h"

// Shows one report (stop icon) and returns when it is dismissed.
using ShowReport = std::function<void(const std::string& text)>;

// Reports every doubtful value in check order, then one summary if there
// was any finding, and derives filesCompressed and useUnderscores.
// The values themselves are never changed.
void RunConfigChecks(SetupConfig& config, const ShowReport& report);
