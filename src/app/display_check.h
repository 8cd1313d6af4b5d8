#pragma once

// Before the window system is reached: non-zero when a display may be there (a display
// variable, or a platform chosen by variable or by the -platform option).
bool DisplayMayBeReachable(int argc, char** argv);

// While one lives, a fatal complaint of the toolkit (no display could be opened) ends the
// program with one clear line on standard error and exit code 2 instead of an abort; the
// toolkit's other messages wait and are passed on when it ends.
class CDisplayGuard {
public:
    CDisplayGuard();
    ~CDisplayGuard();
    CDisplayGuard(const CDisplayGuard&) = delete;
    CDisplayGuard& operator=(const CDisplayGuard&) = delete;
};

// The one line said when no display can be reached.
void ReportNoDisplay();
