#include "command_line.h"

#include "message_translation.h"

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

// The program's options, their descriptions in the language of whatever translators are installed
// when it is made.
struct ProgramOptions {
    ProgramOptions() {
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Zorimex converts foreign money into yen at fixed rates and shows the result the "
            "way a\nJapanese reader says an amount (so many 万, one digit of 千 and the yen "
            "below one thousand).\nThe program takes no arguments; it remembers one answer in "
            "its preference file (see zorimex(1))."));
        parser.addOption(help);
        parser.addOption(version);
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char* name : kQtOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(),
                                      QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : kQtFlags) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    /// Whether the arguments, once parsed, leave the program to start with nothing to print.
    bool startsQuietly() const {
        return !parser.isSet(help) && !parser.isSet(version) &&
               parser.positionalArguments().isEmpty();
    }

    QCommandLineParser parser;
    // Qt's addHelpOption() and addVersionOption() want the application object as the parser is
    // set up; these two need none until something is printed.
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help.")};
    const QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Displays version information.")};
};

} // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = arguments.value(0, QStringLiteral("zorimex"));

    {
        ProgramOptions untranslated;
        if (untranslated.parser.parse(arguments) && untranslated.startsQuietly())
            return std::nullopt;
    }
    // Something is to be printed: parsed again with the translators in place, because the
    // parser words its errors as it parses.
    const MessageTranslation translation(argc > 0 ? argv[0] : nullptr);
    ProgramOptions options;
    QCommandLineParser& parser = options.parser;
    if (!parser.parse(arguments)) {
        QString error = parser.errorText();
        if (error.endsWith(u'.') || error.endsWith(u'。'))
            error.chop(1);
        PrintLine(stderr, QCoreApplication::translate("CommandLine", "zorimex: %1 (see: %2 --help)")
                              .arg(error, program));
        return kUsageError;
    }
    if (parser.isSet(options.help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), program);
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(options.version)) {
        PrintLine(stdout, QStringLiteral("zorimex %1").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    PrintLine(stderr, QCoreApplication::translate(
                          "CommandLine",
                          "zorimex: unexpected argument '%1': the program takes none (see: %2 "
                          "--help)")
                          .arg(parser.positionalArguments().constFirst(), program));
    return kUsageError;
}

void PrintLine(std::FILE* stream, const QString& line) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stream);
}

} // namespace zorimex::app
