#pragma once
// What the windows' requests mean for the program: which window a button or menu shows, where a
// currency choice goes, which commands end the program. The windows only say what the user
// chose; this is the one place that knows them all.

namespace zorimex::ui {
class WindowRegistry;
}

namespace zorimex::app {

/// Connects every window `windows` creates from now on to the others. Call once for a registry,
/// before its first window is created.
void ConnectWindows(ui::WindowRegistry& windows);

} // namespace zorimex::app
