#include "ordinary_user.h"

#include <QDirIterator>
#include <QFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>
#endif

namespace zorimex::test {

#ifdef Q_OS_WIN
AsOrdinaryUser::AsOrdinaryUser(const QString&) {}
AsOrdinaryUser::~AsOrdinaryUser() = default;
#else
namespace {

QString SystemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

AsOrdinaryUser::AsOrdinaryUser(const QString& folder) {
    if (::geteuid() != 0)
        return;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) {
        error_ = QStringLiteral("there is no user nobody");
        return;
    }
    QStringList paths{folder};
    QDirIterator below(folder,
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (below.hasNext())
        paths << below.next();
    for (const QString& path : paths)
        if (::lchown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
            error_ = SystemError("chown");
            return;
        }
    // The real user changes too (access() asks about the real one); the saved one stays root so
    // that the destructor can come back.
    if (::setresgid(nobody->pw_gid, nobody->pw_gid, 0) != 0 ||
        ::setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0) {
        error_ = SystemError("changing the user");
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
            qFatal("could not become the superuser again");
        return;
    }
    switched_ = true;
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (!switched_)
        return;
    if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
        qFatal("could not become the superuser again");
}
#endif

} // namespace zorimex::test
