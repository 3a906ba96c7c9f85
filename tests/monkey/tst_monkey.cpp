// Thousands of seeded random user events on the running program: every window, every control,
// menus, typing, keys and closes. After each event the windows and the main window's fields must
// be what the rules allow. A failure names the seed and the events that led to it.

#include "monkey.h"

#include "zorimex/ui/application_setup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using zorimex::test::Monkey;

namespace {

constexpr int kDefaultEvents = 2500;

QtMessageHandler g_testLogHandler = nullptr;

// The offscreen platform cannot raise windows or pass on size hints and says so at every window
// shown; those lines would bury everything else the run logs.
void DropOffscreenPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_testLogHandler(type, context, message);
}

int EventsPerSeed() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ZORIMEX_MONKEY_EVENTS", &ok);
    return ok && events > 0 ? events : kDefaultEvents;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        zorimex::ui::PrepareApplication();
        g_testLogHandler = qInstallMessageHandler(DropOffscreenPlatformNotes);
    }
    void cleanupTestCase() { qInstallMessageHandler(g_testLogHandler); }
    // The monkey's windows go with it.
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void randomEventsKeepTheRules_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("events");
        bool fromEnvironment = false;
        const auto seed = static_cast<quint32>(
            qEnvironmentVariable("ZORIMEX_MONKEY_SEED").toULong(&fromEnvironment));
        if (fromEnvironment) {
            QTest::addRow("seed %u", seed) << seed << EventsPerSeed();
            return;
        }
        for (const quint32 fixed : {1u, 2u, 3u})
            QTest::addRow("seed %u", fixed) << fixed << EventsPerSeed();
    }
    void randomEventsKeepTheRules() {
        QFETCH(quint32, seed);
        QFETCH(int, events);
        qInfo("seed %u, %d events (ZORIMEX_MONKEY_SEED=%u replays this row)", seed, events, seed);
        QTemporaryDir driveRoot;
        QVERIFY(driveRoot.isValid());

        QElapsedTimer clock;
        clock.start();
        Monkey monkey(seed, driveRoot.path());
        const QString failure = monkey.run(events);
        const Monkey::Statistics& done = monkey.statistics();

        QStringList kinds;
        for (const auto& [kind, count] : done.eventsByKind)
            kinds << QStringLiteral("%1 %2").arg(kind).arg(count);
        qInfo("%d events in %lld ms over %d program runs (%d ended by an end command, %d by their "
              "last window); %d currency choices, %d exact-amount boxes, %d browser failure "
              "reports, %d texts of 100 000 characters; %s",
              done.events, clock.elapsed(), done.programRuns, done.endedByEndCommand,
              done.endedByLastWindow, done.currencyChoices, done.exactAmountMessages,
              done.browserFailureReports, done.hugeTexts,
              qPrintable(kinds.join(QStringLiteral(", "))));
        if (!failure.isEmpty()) // in full: the test log cuts long messages short
            std::fprintf(stderr, "seed %u, %s\n", seed, qPrintable(failure));
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1, ").arg(seed) + failure));
        QCOMPARE(done.events, events);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
