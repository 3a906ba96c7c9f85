#pragma once
// A seeded monkey for the whole program: it starts the program the way main() does and then
// makes random user events on every open window (clicks on every control, menu commands, typing
// and pasting, keys, closing windows through their frames, choices in the selection window, the
// end commands), checking after every event that the windows and the main window's fields are
// what the rules allow. The same seed makes the same events.

#include "zorimex/fields.h"
#include "zorimex/ui/window_registry.h"

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <map>
#include <optional>
#include <vector>

class QMessageBox;
class QUrl;
class QWidget;

namespace zorimex::test {

class Monkey : public QObject {
    Q_OBJECT

public:
    /// What a run did, for the test's log.
    struct Statistics {
        int events = 0;
        int programRuns = 0;
        int endedByEndCommand = 0;
        int endedByLastWindow = 0;
        int exactAmountMessages = 0;
        int browserFailureReports = 0;
        int currencyChoices = 0;
        int hugeTexts = 0;
        std::map<QString, int> eventsByKind;
    };

    /// driveRoot: a scratch folder that stands for the current drive, where the preference file
    /// goes; the monkey gives it a fresh first line at every program start.
    Monkey(quint32 seed, QString driveRoot);
    ~Monkey() override;

    /// Makes `events` events, starting the program again whenever it ended. Returns what went
    /// wrong (with the last events that led there), or an empty text.
    QString run(int events);

    const Statistics& statistics() const { return statistics_; }

public slots:
    /// Stands in for the desktop's browser: pages are logged, never opened.
    void openPage(const QUrl& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One program run, from its start to its end.
    bool startProgram();
    void finishProgram(int exitCode);
    void step();

    // The events.
    void act();
    void clickControl();
    void chooseInSelectionWindow();
    void typeIntoField();
    void pressKey();
    void activateWindow();
    void menuCommand();
    void closeThroughFrame();
    void endCommand();

    // What the program should now look like.
    void checkAfterEvent();
    void checkMainWindowFields();
    void checkSelection();
    void checkWindowCounts();
    void hookNewWindows();
    void followMainWindow();
    void onMessageBoxShown(QMessageBox* box);

    bool isShown(int form) const;
    QList<QWidget*> visibleWindows() const;
    void log(const QString& what);
    void fail(const QString& why);
    int below(int bound) { return static_cast<int>(random_.bounded(static_cast<quint32>(bound))); }

    // The program's windows, as main() owns them; declared first, so they go last.
    ui::WindowRegistry windows_;
    QRandomGenerator random_;
    QTimer nextStep_;
    QString driveRoot_;
    Statistics statistics_;
    int budget_ = 0;
    QString failure_;
    QStringList recentEvents_;

    // The model of the main window's fields, driven by the same events as the window.
    Fields model_;
    QPointer<QWidget> mainWindow_;

    // Per program run.
    // The windows loaded when the last event began, and whether each was closed in it. An end
    // command takes windows away without closing them; the last window's close never does.
    struct LoadedWindow {
        QPointer<QWidget> window;
        bool closed = false;
    };
    std::vector<LoadedWindow> loadedBeforeEvent_;
    int closesInLastEvent_ = 0;
    int waitsForEnd_ = 0;
    int exactAmountClicks_ = 0;
    int exactAmountBoxes_ = 0;
    int bannerClicks_ = 0;
    int browserOpens_ = 0;
    int browserFailuresDue_ = 0;
    std::optional<char> answered_;     // the consent dialog's last answer
    std::optional<QString> selection_; // the checked map button (empty: none) after the last event
    QString choiceMade_;               // the control chosen in the last event
};

} // namespace zorimex::test
