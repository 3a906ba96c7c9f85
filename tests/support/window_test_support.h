#pragma once
// What every window test needs: the application prepared as the program prepares it, windows
// found by number and controls by name, as a user (or a probe) finds them, clicks, message boxes
// read and closed as a user closes them, and a stand-in for the desktop's browser.

#include "browser_stand_in.h"
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

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zorimex::ui::test {

using zorimex::test::BrowserStandIn;

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

/// Lets unloaded windows finish going away.
inline void SettleDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

/// Destroys every window, including those only waiting for deletion. Call from cleanup().
inline void DestroyAllWindows() {
    Windows().destroyAll();
    SettleDeletions();
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

/// Adds the column "form" to a data function, with one row for each window, "Form1" to "Form7".
inline void AddRowPerForm() {
    QTest::addColumn<int>("form");
    for (int form = 1; form <= 7; ++form)
        QTest::addRow("Form%d", form) << form;
}

/// Shows the window as the program does and waits until it is active; the test fails when it
/// does not become active.
inline QWidget* ShowForm(int number) {
    QWidget* window = Form(number);
    Windows().show(window);
    if (!QTest::qWaitForWindowActive(window))
        QTest::qFail(qPrintable(QStringLiteral("window Form%1 did not become active").arg(number)),
                     __FILE__, __LINE__);
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

/// The window of class Form, when it is loaded.
template <typename Form> Form* Loaded() {
    return qobject_cast<Form*>(Windows().loaded(Form::kNumber));
}

/// The windows loaded now, whether shown or hidden, in the order of their numbers.
inline QList<QPointer<QWidget>> LoadedWindows() {
    QList<QPointer<QWidget>> windows;
    for (int form = 1; form <= 7; ++form)
        if (QWidget* window = Windows().loaded(form))
            windows << window;
    return windows;
}

/// Clicks the control named `name` in `window` with the mouse: a button in its middle, any other
/// control (a label, a picture) near its top left corner, inside what it shows.
inline void Click(QWidget* window, const QString& name) {
    QWidget* control = Control(window, name);
    if (qobject_cast<QAbstractButton*>(control))
        QTest::mouseClick(control, Qt::LeftButton);
    else
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
}

/// Clicks the control named `name` in the loaded window of class Form.
template <typename Form> void Click(const QString& name) {
    Form* window = Loaded<Form>();
    if (!window)
        qFatal("window Form%d is not loaded", Form::kNumber);
    Click(window, name);
}

/// The text of the field named `name` in `window`.
inline QString FieldText(QWidget* window, const QString& name) {
    return Control<QLineEdit>(window, name)->text();
}

/// The texts of the main window's fields Text1 to Text11.
inline QStringList FieldTexts(QWidget* mainWindow) {
    QStringList texts;
    for (int field = 1; field <= 11; ++field)
        texts << FieldText(mainWindow, QStringLiteral("Text%1").arg(field));
    return texts;
}

/// What a message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    bool modal = false;
    QStringList visibleProgramWindows; ///< the program's windows on screen beside the box
};

/// Watches for message boxes from the moment it is made until destroyed; each box that appears
/// is read and closed with its OK button, as a user closes it.
class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher() {
        connect(&poll_, &QTimer::timeout, this, &MessageBoxWatcher::look);
        poll_.start(20);
    }
    const QList<SeenBox>& boxes() const { return boxes_; }

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == handled_)
            return;
        handled_ = box;
        SeenBox seen{box->windowTitle(),    box->text(),    box->icon(),
                     box->buttons().size(), box->isModal(), {}};
        for (const auto& window : LoadedWindows())
            if (window->isVisible())
                seen.visibleProgramWindows << window->objectName();
        boxes_ << seen;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    QTimer poll_;
    QPointer<QMessageBox> handled_;
    QList<SeenBox> boxes_;
};

/// Runs the application's event loop until it quits by itself (0) or `limitMs` passes (-1),
/// with `step` run once the loop is going.
inline int RunEventLoop(const std::function<void()>& step, int limitMs = 3000) {
    QTimer limit; // destroyed with this call, so it never ends a later loop
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    limit.start(limitMs);
    QTimer::singleShot(0, step);
    return QApplication::exec();
}

/// A rectangle given in twips, in pixels at 96 dots per inch.
inline QRect FromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace zorimex::ui::test
