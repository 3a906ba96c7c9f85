#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace zorimex::app {

namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication and QApplication take out of the arguments themselves; they are
// known here only so that they pass.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = arguments.value(0, QStringLiteral("zorimex"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Zorimex converts foreign money into yen at fixed rates and shows the result the way a\n"
        "Japanese reader says an amount (so many 万, one digit of 千 and the yen below one "
        "thousand).\nThe program takes no arguments; it remembers one answer in its preference "
        "file (see zorimex(1))."));
    // Qt's -h/-v options print through a QCoreApplication; these two need none.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        QString error = parser.errorText();
        if (error.endsWith(u'.'))
            error.chop(1);
        Print(stderr, QStringLiteral("zorimex: %1 (see: %2 --help)\n").arg(error, program));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), program);
        Print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("zorimex %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("zorimex: unexpected argument '%1': the program takes none "
                                     "(see: %2 --help)\n")
                          .arg(parser.positionalArguments().constFirst(), program));
        return kUsageError;
    }
    return std::nullopt;
}

} // namespace zorimex::app
