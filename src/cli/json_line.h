#pragma once

#include "ai/computer_player.h"

#include <string>

// One answer of analyse, without a newline:
// {"pit": p, "forced": true|false, "depth": D|null, "scores": [s0, ..., s5]|null, "ms": t}
// depth is null when the chooser did not search, scores null when it made no scored choice
// (the forced finish), and ms the think time with three decimals.
std::string FormatChoiceJson(int nPit, const ChoiceReport& report, double dMilliseconds);

// One answer of value, without a newline: {"value": v}
std::string FormatValueJson(int nValue);
