#pragma once
// What the start-up tests share: a temporary drive root with the preference file in it, the
// program's start as main() runs it, its failure reports, and a look at which windows are there.

#include "drive_files.h"
#include "startup.h"
#include "window_test_support.h"
#include "zorimex/preferences/drive_root.h"
#include "zorimex/preferences/preference_file.h"
#include "zorimex/ui/application_setup.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/web_links.h"
#include "zorimex/ui/window_registry.h"
#include "zorimex/webpane/web_pane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace zorimex::app::test {

using namespace ui::test;
using namespace zorimex::test;

/// A drive root of its own, with "Program Files/Zorimex 2002" below it when asked for.
class TemporaryDrive {
public:
    QString root() const { return dir_.path(); }
    preferences::DriveRoot driveRoot() const { return preferences::DriveRoot(dir_.path()); }
    preferences::PreferenceFile preferences() const {
        return preferences::PreferenceFile(driveRoot());
    }
    QString folderPath() const { return preferences().folderPath(); }
    QString filePath() const { return preferences().path(); }

    /// Creates the folder and the file with exactly these bytes.
    bool writeFile(const QByteArray& content) const {
        return PrepareDrive(root(), DriveHolds::FileWithContent, content);
    }
    bool makeFolder() const { return PrepareDrive(root(), DriveHolds::FolderWithoutFile); }
    QByteArray fileBytes() const { return FileBytes(filePath()); }

private:
    QTemporaryDir dir_;
};

/// The program's start as main() does it after the application exists: the first-run
/// installation, then the start-up window.
inline std::optional<int> StartLikeMain(const preferences::PreferenceFile& preferences) {
    const auto installFailure = preferences.ensureInstalled();
    return StartProgram(Windows(), preferences, installFailure);
}

/// Writes the preference file with exactly content and starts the program on it; whether it runs.
inline bool StartWith(const TemporaryDrive& drive, const QByteArray& content) {
    return drive.writeFile(content) && !StartLikeMain(drive.preferences());
}

/// The failure report a test saw: the program's title, then the error's number, and naming what
/// failed.
inline void VerifyReport(const SeenBox& report, int number, const QString& named) {
    QCOMPARE(report.title, QStringLiteral("ZRMX Ver.6"));
    QVERIFY2(report.text.startsWith(QStringLiteral("エラー %1: ").arg(number)),
             qPrintable(report.text));
    QVERIFY2(report.text.contains(named), qPrintable(report.text));
}

inline const QUrl kLatest(QString::fromLatin1(ui::kLatestVersionPage));

/// The main window's pane, when the main window is loaded.
inline webpane::WebPane* LoadedPane() {
    auto* mainWindow = Loaded<ui::Form2>();
    return mainWindow ? mainWindow->browserPane() : nullptr;
}

/// The page the pane was told to show; none while the main window is not loaded.
inline QUrl PaneUrl() {
    return LoadedPane() ? LoadedPane()->requestedUrl() : QUrl();
}

/// The start-up window's OK.
inline void ClickOk() {
    Click<ui::Form1>(QStringLiteral("Command1"));
}

/// The windows of the program loaded now, and which of them are visible, as "Form1 Form2*":
/// loaded in order, with * for the hidden ones.
inline QString WindowState() {
    QStringList state;
    for (const auto& window : LoadedWindows())
        state << window->objectName() + (window->isVisible() ? QString() : QStringLiteral("*"));
    return state.join(QLatin1Char(' '));
}

} // namespace zorimex::app::test
