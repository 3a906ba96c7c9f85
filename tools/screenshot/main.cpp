// Renders every window at its designed size to PNG files, for looking at the artwork and layout
// without a desktop: zorimex-screenshot <folder>. Runs on the offscreen platform as well.

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
#include <QDir>
#include <QLineEdit>
#include <QTextStream>

#include <cstdio>

namespace {

using zorimex::ui::WindowRegistry;

template <typename T> T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    zorimex::ui::PrepareApplication();
    WindowRegistry windows;
    zorimex::app::ConnectWindows(windows);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const auto save = [&windows, &folder](QWidget* window, const QString& name) {
        windows.show(window);
        QApplication::processEvents();
        const QString path = folder.filePath(name + QStringLiteral(".png"));
        const bool saved = window->grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
        return saved;
    };

    bool ok = true;
    ok &= save(windows.window<zorimex::ui::Form1>(), QStringLiteral("form1_startup"));
    ok &= save(windows.window<zorimex::ui::Form2>(), QStringLiteral("form2_main"));
    ok &= save(windows.window<zorimex::ui::Form3>(), QStringLiteral("form3_about"));
    ok &= save(windows.window<zorimex::ui::Form4>(), QStringLiteral("form4_selection"));
    ok &= save(windows.window<zorimex::ui::Form5>(), QStringLiteral("form5_advice"));
    ok &= save(windows.window<zorimex::ui::Form6>(), QStringLiteral("form6_hotel_rates"));
    ok &= save(windows.window<zorimex::ui::Form7>(), QStringLiteral("form7_consent"));

    // A conversion as a user makes it: an amount, a currency from the list, the three buttons.
    auto* mainWindow = windows.window<zorimex::ui::Form2>();
    Child<QLineEdit>(mainWindow, "Text1")->setText(QStringLiteral("1234.56"));
    QMetaObject::invokeMethod(Child<QWidget>(windows.window<zorimex::ui::Form4>(), "Label14"),
                              "clicked");
    Child<QAbstractButton>(windows.window<zorimex::ui::Form4>(), "Option12")->click();
    for (const char* button : {"Command1", "Command2", "Command3"})
        Child<QAbstractButton>(mainWindow, button)->click();
    ok &= save(windows.window<zorimex::ui::Form4>(), QStringLiteral("form4_after_choice"));
    ok &= save(mainWindow, QStringLiteral("form2_after_conversion"));

    windows.destroyAll();
    return ok ? 0 : 1;
}
