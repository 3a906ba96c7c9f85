#pragma once
// The program's seven windows. Each exists at most once: it is created on the first reference
// (hidden until shown), destroyed when unloaded, and created afresh on the next reference.
// Windows have no owner, so each stands on the desktop by itself. The registry knows how windows
// live and die, not what they mean to one another: app/ makes the one registry of a program run,
// connects what one window asks for to the others, and decides what closing a window means for
// the program. No window knows the registry.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace zorimex::ui {

class WindowRegistry : public QObject {
    Q_OBJECT

public:
    explicit WindowRegistry(QObject* parent = nullptr);
    /// Destroys the windows still loaded.
    ~WindowRegistry() override;

    /// A reference to the window class `Form` (Form1 .. Form7): the window, created and loaded
    /// hidden when it is not loaded.
    template <typename Form> Form* window() {
        auto& slot = windows_[Form::kNumber - 1];
        if (!slot)
            adopt(new Form(), Form::kNumber);
        return static_cast<Form*>(slot.data());
    }

    /// The loaded window with that number (1..7), or null; never creates one.
    QWidget* loaded(int formNumber) const;

    /// Shows `window` modelessly and brings it to the front as the active window. A window with
    /// a fixed place on the screen is put there when it is not yet visible.
    void show(QWidget* window);

    /// Unloads `window`: it closes and is destroyed; the next reference creates a new one.
    void unload(QWidget* window);

    /// Ends the program at once: every window, visible or hidden, is destroyed and no other
    /// handler runs; then the event loop is told to quit.
    void endProgram();

    /// Destroys every loaded window now. For the end of main() and between tests.
    void destroyAll();

signals:
    /// A window was created, before anyone else sees it: the moment to connect its requests.
    void created(QWidget* window, int formNumber);
    /// The user closed a loaded window through its frame (×); it is unloaded.
    void closedByUser(int formNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adopt(QWidget* window, int formNumber);
    int slotOf(const QObject* window) const;

    std::array<QPointer<QWidget>, 7> windows_;
};

} // namespace zorimex::ui
