#pragma once
// What the start-up tests share: a temporary drive root with the preference file in it, the
// program's start as main() runs it, the failure report read off the screen and closed the way a
// user closes it, and a look at which windows are there.

#include "startup.h"
#include "window_test_support.h"
#include "zorimex/ui/application_setup.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/web_links.h"
#include "zorimex/ui/window_registry.h"

#include <zorimex/preferences/drive_root.h>
#include <zorimex/preferences/preference_file.h>
#include <zorimex/webpane/web_pane.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace zorimex::app::test {

using ui::test::BrowserStandIn;
using ui::test::DestroyAllWindows;
using ui::test::PrepareApplicationOnce;
using ui::test::Windows;

/// A drive root of its own, with "Program Files/Zorimex 2002" below it when asked for.
class TemporaryDrive {
public:
    QString root() const { return dir_.path(); }
    DriveRoot driveRoot() const { return DriveRoot(dir_.path()); }
    PreferenceFile preferences() const { return PreferenceFile(driveRoot()); }
    QString folderPath() const { return preferences().folderPath(); }
    QString filePath() const { return preferences().path(); }

    /// Creates the folder and, unless content is empty, the file with exactly these bytes.
    bool writeFile(const QByteArray& content) const {
        if (!QDir().mkpath(folderPath()))
            return false;
        QFile file(filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return file.write(content) == content.size();
    }
    bool makeFolder() const { return QDir().mkpath(folderPath()); }

    /// The file's bytes, or "<unreadable>" when it cannot be read.
    QByteArray fileBytes() const {
        QFile file(filePath());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<unreadable>");
        return file.readAll();
    }

private:
    QTemporaryDir dir_;
};

/// The program's start as main() does it after the application exists: the first-run
/// installation, then the start-up window.
inline std::optional<int> StartLikeMain(const PreferenceFile& preferences) {
    const auto installFailure = preferences.ensureInstalled();
    return StartProgram(Windows(), preferences, installFailure);
}

/// What a failure report showed.
struct SeenReport {
    QString title;
    QString text;
    QStringList visibleProgramWindows; ///< the program's windows on screen beside the box
};

/// Watches for the failure report box from the moment it is made until destroyed; each box
/// that appears is read and closed with its OK button, as a user closes it.
class ReportWatcher : public QObject {
public:
    ReportWatcher() {
        connect(&poll_, &QTimer::timeout, this, &ReportWatcher::look);
        poll_.start(20);
    }
    const QList<SeenReport>& reports() const { return reports_; }

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == handled_)
            return;
        handled_ = box;
        SeenReport report{box->windowTitle(), box->text(), {}};
        for (int form = 1; form <= 7; ++form)
            if (QWidget* window = Windows().loaded(form))
                if (window->isVisible())
                    report.visibleProgramWindows << window->objectName();
        reports_ << report;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    QTimer poll_;
    QPointer<QMessageBox> handled_;
    QList<SeenReport> reports_;
};

/// The windows of the program loaded now, and which of them are visible, as "Form1 Form2*":
/// loaded in order, with * for the hidden ones.
inline const QUrl kLatest(QString::fromLatin1(ui::kLatestVersionPage));

/// The main window's pane, when the main window is loaded.
inline webpane::WebPane* LoadedPane() {
    auto* mainWindow = qobject_cast<ui::Form2*>(Windows().loaded(2));
    return mainWindow ? mainWindow->browserPane() : nullptr;
}

inline QString WindowState() {
    QStringList state;
    for (int form = 1; form <= 7; ++form)
        if (QWidget* window = Windows().loaded(form))
            state << window->objectName() + (window->isVisible() ? QString() : QStringLiteral("*"));
    return state.join(QLatin1Char(' '));
}

/// Whether the web engine's libraries are mapped into this process.
inline bool WebEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngine");
}

} // namespace zorimex::app::test
