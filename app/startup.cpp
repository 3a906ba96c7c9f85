#include "startup.h"

#include "zorimex/ui/error_box.h"
#include "zorimex/ui/form1.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/form7.h"
#include "zorimex/ui/web_links.h"
#include "zorimex/ui/window_registry.h"
#include "zorimex/webpane/web_pane.h"

#include <QEvent>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <utility>

namespace zorimex::app {
namespace {

using ui::WindowRegistry;

QUrl LatestVersionPage() {
    return QUrl(QString::fromLatin1(ui::kLatestVersionPage));
}

// Runs `then` once `window` has painted for the first time, from the event loop, so the frame is
// on the screen before anything slow (the web engine) starts.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
    bool fired_ = false;
};

// What one start of the program knows beyond its windows. Each start makes its own, and the
// handlers that start connects share it, so it lives as long as the last of them.
struct StartupRun {
    // Set once the start-up window has painted: from then on a pane told to navigate starts
    // loading at once, whether its window is shown or still hidden.
    bool startupWindowPainted = false;
};

// The one rule for both navigations (a "Y" at start-up and はい): the pane loads the page once
// the start-up window is on the screen, without waiting for the main window to be shown.
void NavigateToLatestPage(webpane::WebPane* pane, const StartupRun& run) {
    pane->navigate(LatestVersionPage());
    if (run.startupWindowPainted)
        QTimer::singleShot(0, pane, &webpane::WebPane::startLoading);
}

// The main window's pane, if the main window is loaded; referring to it would load it.
webpane::WebPane* LoadedPane(WindowRegistry& windows) {
    auto* mainWindow = qobject_cast<ui::Form2*>(windows.loaded(ui::Form2::kNumber));
    return mainWindow ? mainWindow->browserPane() : nullptr;
}

// はい and いいえ: the answer is on disk before the dialog goes. A write that fails is reported
// and the handler stops there: the dialog stays open for another try, and はい starts no page.
void RecordAnswer(const preferences::PreferenceFile& preferences, WindowRegistry& windows,
                  const StartupRun& run, ui::Form7* dialog, char answer) {
    if (const auto failure = preferences.write(answer)) {
        ui::ReportFailure(*failure);
        return;
    }
    windows.unload(dialog);
    if (answer == 'Y')
        NavigateToLatestPage(windows.window<ui::Form2>()->browserPane(), run);
}

void ShowConsentDialog(const preferences::PreferenceFile& preferences, WindowRegistry& windows,
                       const std::shared_ptr<StartupRun>& run) {
    ui::Form7* dialog = windows.window<ui::Form7>();
    // The dialog is the only place these answers come from, and it is shown only here.
    QObject::connect(dialog, &ui::Form7::yesChosen, dialog, [preferences, &windows, run, dialog] {
        RecordAnswer(preferences, windows, *run, dialog, 'Y');
    });
    QObject::connect(dialog, &ui::Form7::noChosen, dialog, [preferences, &windows, run, dialog] {
        RecordAnswer(preferences, windows, *run, dialog, 'N');
    });
    windows.show(dialog);
}

// The start-up window's load step: it runs after the window is created and before it is
// displayed. Only the exact values "U" and "Y" act; anything else, an empty first line included,
// leaves the pane empty.
std::optional<failure::AppError> LoadStartupWindow(const preferences::PreferenceFile& preferences,
                                                   WindowRegistry& windows,
                                                   const std::shared_ptr<StartupRun>& run) {
    const preferences::PreferenceRead firstLine = preferences.read();
    if (!firstLine.ok())
        return firstLine.error;
    if (firstLine.value == QLatin1String("U"))
        ShowConsentDialog(preferences, windows, run);
    else if (firstLine.value == QLatin1String("Y"))
        NavigateToLatestPage(windows.window<ui::Form2>()->browserPane(), *run);
    return std::nullopt;
}

int FailStartup(WindowRegistry& windows, const failure::AppError& failure) {
    // Nothing of the program was shown, and nothing is left to show after the report.
    windows.destroyAll();
    ui::ReportFailure(failure);
    return kStartupFailed;
}

} // namespace

std::optional<int> StartProgram(WindowRegistry& windows,
                                const preferences::PreferenceFile& preferences,
                                const std::optional<failure::AppError>& installFailure) {
    if (installFailure)
        return FailStartup(windows, *installFailure);
    const auto run = std::make_shared<StartupRun>();
    ui::Form1* startupWindow = windows.window<ui::Form1>();
    if (const auto failure = LoadStartupWindow(preferences, windows, run))
        return FailStartup(windows, *failure);
    // A pane told to navigate by the load step, or by はい before the first paint, waits until the
    // start-up window is on the screen (or until the main window is shown, should "OK" come
    // first).
    new AfterFirstPaint(startupWindow, [&windows, run] {
        run->startupWindowPainted = true;
        if (webpane::WebPane* pane = LoadedPane(windows))
            pane->startLoading();
    });
    windows.show(startupWindow);
    // The question comes first: the dialog, shown by the load step, is brought in front of the
    // start-up window so that Enter at once answers いいえ, its focused button.
    if (QWidget* dialog = windows.loaded(ui::Form7::kNumber))
        windows.show(dialog);
    return std::nullopt;
}

} // namespace zorimex::app
