#pragma once
// The program's seven windows. Each exists at most once: it is created on the first reference
// (hidden until shown), destroyed when unloaded, and created afresh on the next reference.
// Windows have no owner, so each stands on the desktop by itself.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace zorimex::ui {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;

class WindowRegistry : public QObject {
    Q_OBJECT

public:
    /// The one registry of the running program.
    static WindowRegistry& instance();

    /// References: the window, created and loaded hidden when it is not loaded.
    Form1* form1();
    Form2* form2();
    Form3* form3();
    Form4* form4();
    Form5* form5();
    Form6* form6();
    Form7* form7();

    /// A reference by number (1..7), as form1() .. form7(); null for any other number.
    QWidget* form(int formNumber);

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
    /// Emitted by endProgram() once every window is gone from the screen.
    void programEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowRegistry() = default;
    template <typename Form> Form* refer();
    int slotOf(const QObject* window) const;

    std::array<QPointer<QWidget>, 7> windows_;
};

} // namespace zorimex::ui
