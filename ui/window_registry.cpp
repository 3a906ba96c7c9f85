#include "zorimex/ui/window_registry.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace zorimex::ui {

WindowRegistry::WindowRegistry(QObject* parent) : QObject(parent) {}

WindowRegistry::~WindowRegistry() {
    destroyAll();
}

void WindowRegistry::adopt(QWidget* window, int formNumber) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    windows_[static_cast<std::size_t>(formNumber - 1)] = window;
    emit created(window, formNumber);
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
            // Closed through its frame: the window unloads like any other.
            windows_[static_cast<std::size_t>(slot)] = nullptr;
            emit closedByUser(slot + 1);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zorimex::ui
