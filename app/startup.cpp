#include "startup.h"

#include "form1.h"
#include "window_registry.h"

namespace zorimex::app {
namespace {

// The start-up window's load step: it runs after the window is created and before it is
// displayed. Reading the preference file, asking for consent and starting the browser pane
// belong here.
void LoadStartupWindow(ui::WindowRegistry&, ui::Form1&) {}

} // namespace

void StartProgram() {
    auto& windows = ui::WindowRegistry::instance();
    ui::Form1* startupWindow = windows.form1();
    LoadStartupWindow(windows, *startupWindow);
    windows.show(startupWindow);
}

} // namespace zorimex::app
