#pragma once
// What must happen before the QApplication is built so that the browser pane can work later.
//
// Qt WebEngine shares OpenGL contexts with the application and can only do so when
// Qt::AA_ShareOpenGLContexts is set before the application object exists; set later, the engine
// cannot start. Setting it costs about 59 MiB at start-up, so the program sets it only when this
// run may navigate the pane: when the preference file says "U" (the consent dialog may answer
// yes) or "Y". The value is peeked silently; the real read and its error report come later.
// The first-run installation must already have happened when the value is peeked, or the first
// run, which writes "U", could never show the page after a yes.

#include <QString>

#include <optional>

namespace zorimex::webpane {

/// True for "U" and "Y" exactly (no other value navigates the pane); false when nothing could be
/// read.
bool paneMayBeNavigated(const std::optional<QString>& peekedValue);

/// Sets Qt::AA_ShareOpenGLContexts when paneMayBeNavigated(peekedValue). Call before the
/// QApplication is constructed.
void prepareApplicationForWebPane(const std::optional<QString>& peekedValue);

} // namespace zorimex::webpane
