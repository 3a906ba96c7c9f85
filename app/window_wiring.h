#pragma once
// What the windows' requests mean for the program: which window a button or menu shows, where a
// currency choice goes, which commands end the program. The windows only say what the user
// chose; this is the one place that knows them all.

namespace zorimex::app {

/// Connects every window the registry creates from now on to the others. Call once the
/// application exists, before the first window is created; later calls do nothing.
void ConnectWindows();

} // namespace zorimex::app
