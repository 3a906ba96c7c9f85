#pragma once
// The application-wide OpenGL context a browser engine shares its textures through.
//
// Qt makes this context itself when Qt::AA_ShareOpenGLContexts is set before the application
// object exists, but then every run pays for it at start (the GL driver: about 130 ms and 58 MiB
// with Mesa's software renderer), the runs that never show a page too. The engine needs it only
// once its first view is made, so the loader makes it at the first navigation, before the plugin
// (and with it the engine, which looks for the context as its library is loaded) comes in.

namespace zorimex::webpane {

/// Makes sure the application has a usable global OpenGL share context, with
/// Qt::AA_ShareOpenGLContexts set; the first call makes one when nobody did before. False, with
/// nothing installed, when there can be none: no QGuiApplication, not its thread, or a platform
/// that shows windows but cannot make an OpenGL context (a browser view there would crash the
/// window's compositing). On a platform that shows nothing (offscreen, minimal) a context that
/// could not be made is still installed, as Qt itself does for the attribute: the engine then
/// draws in software.
bool EnsureGlobalShareContext();

} // namespace zorimex::webpane
