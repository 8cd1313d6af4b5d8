#include "cli/json_line.h"

#include <cmath>
#include <cstdio>

std::string FormatChoiceJson(int nPit, const ChoiceReport& report, double dMilliseconds) {
    std::string out = "{\"pit\": " + std::to_string(nPit);
    out += report.bForced ? ", \"forced\": true" : ", \"forced\": false";
    out += ", \"depth\": ";
    out += report.nDepth > 0 ? std::to_string(report.nDepth) : "null";
    out += ", \"scores\": ";
    if (report.bHasScores) {
        out += "[";
        for (int i = 0; i < kPits; ++i) {
            out += (i == 0 ? "" : ", ") + std::to_string(report.nScores[i]);
        }
        out += "]";
    } else {
        out += "null";
    }
    // JSON has no NaN or infinity; a clock that misbehaves must not make the line unreadable.
    if (!std::isfinite(dMilliseconds) || dMilliseconds < 0.0) {
        dMilliseconds = 0.0;
    }
    char ms[64];
    std::snprintf(ms, sizeof ms, "%.3f", dMilliseconds);
    out += ", \"ms\": ";
    out += ms;
    out += "}";
    return out;
}

std::string FormatValueJson(int nValue) {
    return "{\"value\": " + std::to_string(nValue) + "}";
}
