#pragma once

#include "settings/DryingSettings.h"

// Two complete parameter sets that differ in every field the analyzer keeps:
// one with the fast profile, one with the step profile.
DryingSettings fastSettings();
DryingSettings stepSettings();
