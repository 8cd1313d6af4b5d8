#pragma once

#include <chrono>

// For measuring how long the player waits for the board: when RAVELO2_EXIT_AFTER_FIRST_PAINT=1
// is set, the first paint of the board writes the milliseconds since the program started
// ("first paint: N ms") on stderr and quits the program. Without the variable nothing happens.
void WatchFirstPaintIfAsked(std::chrono::steady_clock::time_point started);
