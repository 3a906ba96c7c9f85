#include "message_translation.h"

#include <QLibraryInfo>
#include <QLocale>

namespace zorimex::app {

bool UserReadsJapanese() {
    // Qt reads the variables itself, so a locale the system lacks still counts.
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && languages.constFirst().startsWith(QLatin1String("ja"));
}

MessageTranslation::MessageTranslation(const char* program)
    : program_(program != nullptr ? program : "zorimex"), argv_{program_.data(), nullptr},
      application_(argc_, argv_) {
    if (!UserReadsJapanese())
        return;
    // Ours are in the program's resources; Qt's own (QCommandLineParser's) come with Qt, and
    // without them those few stay in English.
    if (programTranslator_.load(QStringLiteral(":/i18n/zorimex_ja.qm")))
        QCoreApplication::installTranslator(&programTranslator_);
    if (qtTranslator_.load(QStringLiteral("qtbase_ja"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator_);
}

} // namespace zorimex::app
