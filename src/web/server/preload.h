#pragma once

namespace korvalde::web {

// Loads at start what a session would otherwise read from disk on first use, and keeps it
// loaded while the program runs: the server reads no file once players are connected.
// Today that is the converter a saved sheet is written and read with.
void preloadWhatSessionsRead();

} // namespace korvalde::web
