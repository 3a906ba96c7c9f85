#include "window_wiring.h"

#include "zorimex/catalogue.h"
#include "zorimex/ui/error_box.h"
#include "zorimex/ui/form1.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/form3.h"
#include "zorimex/ui/form4.h"
#include "zorimex/ui/form5.h"
#include "zorimex/ui/form6.h"
#include "zorimex/ui/web_links.h"
#include "zorimex/ui/window_registry.h"

namespace zorimex::app {
namespace {

using ui::WindowRegistry;

void ConnectStartupWindow(WindowRegistry& windows, ui::Form1* startup) {
    QObject::connect(startup, &ui::Form1::okChosen, startup, [&windows, startup] {
        // The main window is on screen before this one goes, so the program never runs out of
        // visible windows in between.
        windows.show(windows.window<ui::Form2>());
        windows.unload(startup);
    });
    QObject::connect(startup, &ui::Form1::endChosen, startup, [&windows] { windows.endProgram(); });
}

template <typename Form>
void ShowOnRequest(WindowRegistry& windows, ui::Form2* mainWindow, void (ui::Form2::*request)()) {
    QObject::connect(mainWindow, request, mainWindow,
                     [&windows] { windows.show(windows.window<Form>()); });
}

void ConnectMainWindow(WindowRegistry& windows, ui::Form2* mainWindow) {
    ShowOnRequest<ui::Form4>(windows, mainWindow, &ui::Form2::selectCountryChosen);
    ShowOnRequest<ui::Form5>(windows, mainWindow, &ui::Form2::adviceChosen);
    ShowOnRequest<ui::Form6>(windows, mainWindow, &ui::Form2::hotelRatesChosen);
    ShowOnRequest<ui::Form3>(windows, mainWindow, &ui::Form2::aboutChosen);
    QObject::connect(mainWindow, &ui::Form2::endChosen, mainWindow,
                     [&windows] { windows.endProgram(); });
    // A browser that cannot be started is reported and the program goes on: the user loses one
    // page, not the conversion they have on screen.
    QObject::connect(mainWindow, &ui::Form2::bulletinBoardChosen, mainWindow,
                     [] { ui::OpenBulletinBoard(&ui::ReportFailure); });
    QObject::connect(mainWindow, &ui::Form2::makerSiteChosen, mainWindow,
                     [] { ui::OpenMakerSite(&ui::ReportFailure); });
}

void ConnectSelectionWindow(WindowRegistry& windows, ui::Form4* selection) {
    QObject::connect(selection, &ui::Form4::controlChosen, selection,
                     [&windows](const QString& controlName) {
                         const auto choice = ChoiceForControl(controlName.toStdString());
                         if (!choice)
                             return; // Option1 stands for no currency
                         auto* mainWindow = windows.window<ui::Form2>();
                         windows.show(mainWindow);
                         mainWindow->choose(*choice);
                     });
}

} // namespace

void ConnectWindows(WindowRegistry& windows) {
    QObject::connect(&windows, &WindowRegistry::created, &windows,
                     [&windows](QWidget* window, int formNumber) {
                         switch (formNumber) {
                         case ui::Form1::kNumber:
                             ConnectStartupWindow(windows, static_cast<ui::Form1*>(window));
                             break;
                         case ui::Form2::kNumber:
                             ConnectMainWindow(windows, static_cast<ui::Form2*>(window));
                             break;
                         case ui::Form4::kNumber:
                             ConnectSelectionWindow(windows, static_cast<ui::Form4*>(window));
                             break;
                         default:
                             break;
                         }
                     });
    // Closing the start-up window through its frame unloads it like any window; the program then
    // ends with its last visible window. Where a main window is loaded hidden for its pane, it
    // ends at once, as the window's own × does, so nothing is left running off the screen.
    QObject::connect(&windows, &WindowRegistry::closedByUser, &windows, [&windows](int formNumber) {
        const QWidget* mainWindow = windows.loaded(ui::Form2::kNumber);
        if (formNumber == ui::Form1::kNumber && mainWindow && !mainWindow->isVisible())
            windows.endProgram();
    });
}

} // namespace zorimex::app
