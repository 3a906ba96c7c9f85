#include "window_registry.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace zorimex::ui {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

template <typename Form> Form* WindowRegistry::refer() {
    auto& slot = windows_[Form::kNumber - 1];
    if (!slot) {
        auto* window = new Form();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        slot = window;
    }
    return static_cast<Form*>(slot.data());
}

Form1* WindowRegistry::form1() {
    return refer<Form1>();
}
Form2* WindowRegistry::form2() {
    return refer<Form2>();
}
Form3* WindowRegistry::form3() {
    return refer<Form3>();
}
Form4* WindowRegistry::form4() {
    return refer<Form4>();
}
Form5* WindowRegistry::form5() {
    return refer<Form5>();
}
Form6* WindowRegistry::form6() {
    return refer<Form6>();
}
Form7* WindowRegistry::form7() {
    return refer<Form7>();
}

QWidget* WindowRegistry::form(int formNumber) {
    switch (formNumber) {
    case Form1::kNumber:
        return form1();
    case Form2::kNumber:
        return form2();
    case Form3::kNumber:
        return form3();
    case Form4::kNumber:
        return form4();
    case Form5::kNumber:
        return form5();
    case Form6::kNumber:
        return form6();
    case Form7::kNumber:
        return form7();
    default:
        return nullptr;
    }
}

QWidget* WindowRegistry::loaded(int formNumber) const {
    if (formNumber < 1 || formNumber > static_cast<int>(windows_.size()))
        return nullptr;
    return windows_[static_cast<std::size_t>(formNumber - 1)].data();
}

int WindowRegistry::slotOf(const QObject* window) const {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (window && windows_[i].data() == window)
            return static_cast<int>(i);
    return -1;
}

void WindowRegistry::show(QWidget* window) {
    if (!window->isVisible()) {
        const QVariant place = window->property("clientPosition");
        if (place.isValid())
            window->setGeometry(QRect(place.toPoint(), window->size()));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::unload(QWidget* window) {
    // Forget it first: the close below is then ours, not the user's through the frame.
    const int slot = slotOf(window);
    if (slot >= 0)
        windows_[static_cast<std::size_t>(slot)] = nullptr;
    window->close();
}

void WindowRegistry::endProgram() {
    for (auto& slot : windows_) {
        if (QWidget* window = slot.data()) {
            slot = nullptr;
            window->removeEventFilter(this);
            window->hide();
            // Later, not now: the handler that ended the program may still be on the stack
            // inside one of these windows.
            window->deleteLater();
        }
    }
    emit programEnded();
    QCoreApplication::exit(0);
}

void WindowRegistry::destroyAll() {
    for (auto& slot : windows_) {
        QWidget* window = slot.data();
        slot = nullptr;
        delete window;
    }
}

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        const int slot = slotOf(watched);
        if (slot >= 0) {
            // Closed through its frame: the window unloads like any other; the start-up window
            // instead ends the program, as its × does, so a main window loaded hidden for its
            // pane is never left running with nothing on the screen.
            windows_[static_cast<std::size_t>(slot)] = nullptr;
            if (slot + 1 == Form1::kNumber)
                endProgram();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zorimex::ui
