#pragma once
// The few lines the program prints and then exits (help, version, a wrong argument, no display)
// come before the QApplication exists, and may not have one at all: there is no display to
// open. Qt translates only through an application object, so these runs get a plain
// QCoreApplication of their own, which needs no display, with the program's and Qt's Japanese
// translations installed when the user reads Japanese. Runs that start the program never make one.

#include <QByteArray>
#include <QCoreApplication>
#include <QTranslator>

namespace zorimex::app {

/// Whether the user's language is Japanese: on Unix the first entry of LANGUAGE, or the first set
/// one of LC_ALL, LC_MESSAGES and LANG; on Windows the user's display language.
bool UserReadsJapanese();

class MessageTranslation {
public:
    /// Makes the application object (there must be none yet) and installs the translators.
    explicit MessageTranslation(const char* program);
    MessageTranslation(const MessageTranslation&) = delete;
    MessageTranslation& operator=(const MessageTranslation&) = delete;

private:
    QByteArray program_;
    char* argv_[2];
    int argc_ = 1;
    QCoreApplication application_;
    QTranslator programTranslator_;
    QTranslator qtTranslator_;
};

} // namespace zorimex::app
