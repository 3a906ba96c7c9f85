#pragma once

namespace zorimex::ui {

/// Everything the windows need from the application before the first one is created: the
/// pictures, the Japanese font stand-ins and the widget style. Call once after QApplication.
void PrepareApplication();

} // namespace zorimex::ui
