#pragma once
// What every window test needs: the application prepared as the program prepares it, windows
// found by number and controls by name, as a user (or a probe) finds them, and a stand-in for the
// desktop's browser.

#include "window_wiring.h"
#include "zorimex/ui/application_setup.h"
#include "zorimex/ui/form1.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/form3.h"
#include "zorimex/ui/form4.h"
#include "zorimex/ui/form5.h"
#include "zorimex/ui/form6.h"
#include "zorimex/ui/form7.h"
#include "zorimex/ui/window_registry.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QUrl>
#include <QWidget>

namespace zorimex::ui::test {

/// Stands in for the desktop's browser (QDesktopServices::setUrlHandler(scheme, &browser,
/// "open")): remembers every page it was asked to open.
class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

/// The windows of the program under test: one registry for the whole test run, connected as
/// main() connects its own. Never destroyed: a window a test leaves loaded must not be deleted
/// after the application object is gone.
inline WindowRegistry& Windows() {
    static WindowRegistry* const windows = [] {
        auto* registry = new WindowRegistry();
        app::ConnectWindows(*registry);
        return registry;
    }();
    return *windows;
}

/// Call from initTestCase().
inline void PrepareApplicationOnce() {
    static const bool prepared = [] {
        PrepareApplication();
        return true;
    }();
    Q_UNUSED(prepared);
}

/// Destroys every window, including those only waiting for deletion. Call from cleanup().
inline void DestroyAllWindows() {
    Windows().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

/// Lets unloaded windows finish going away.
inline void SettleDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

/// The window of the classes `Forms` whose number is `number`, created hidden if needed; null when
/// none has that number.
template <typename... Forms> QWidget* FormByNumber(int number) {
    QWidget* found = nullptr;
    ((Forms::kNumber == number ? found = Windows().window<Forms>() : found), ...);
    return found;
}

/// The window with that number (1..7), created hidden if needed.
inline QWidget* Form(int number) {
    QWidget* window = FormByNumber<Form1, Form2, Form3, Form4, Form5, Form6, Form7>(number);
    if (!window)
        qFatal("there is no window Form%d", number);
    return window;
}

/// Shows the window as the program does and waits until it is active.
inline QWidget* ShowForm(int number) {
    QWidget* window = Form(number);
    Windows().show(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window Form%d did not become active", number);
    return window;
}

/// The surface the controls of a window stand on: a main window's central widget, else the
/// window itself.
inline QWidget* ClientArea(QWidget* window) {
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window))
        return mainWindow->centralWidget();
    return window;
}

/// The control named `name` in `window`. When there is none the test run stops at once with a
/// message naming it: callers use the control straight away, and QtTest cannot fail a test from
/// inside a helper that returns a value.
template <typename T = QWidget> T* Control(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (!control)
        qFatal("no control %s of the expected kind in %s", qPrintable(name),
               qPrintable(window->objectName()));
    return control;
}

/// A rectangle given in twips, in pixels at 96 dots per inch.
inline QRect FromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace zorimex::ui::test
