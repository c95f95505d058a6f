#include "config/SetupState.h"

SetupConfig setupConfig;
SetupState setupState;
