#pragma once

namespace zorimex::app {

/// Starts the program: creates the start-up window, runs its load step, then displays it.
void StartProgram();

} // namespace zorimex::app
