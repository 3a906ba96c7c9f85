#include "zorimex/preferences/drive_root.h"

#include <QDir>
#include <QStandardPaths>

namespace zorimex::preferences {

DriveRoot::DriveRoot(const QString& folder) {
    if (!folder.isEmpty())
        folder_ = QDir::cleanPath(QDir(folder).absolutePath());
}

DriveRoot DriveRoot::current() {
    // Not the drive of the current folder, even on Windows: "\Program Files" there is not
    // writable for a normal user, and a run started from another drive would look elsewhere. The
    // user's own data folder (on Windows %LOCALAPPDATA%) is writable and the same from anywhere.
    // The generic location rather than AppLocalDataLocation: the latter inserts the organisation
    // name when one is set, and needs the application name before it is known.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return DriveRoot(QString());
    return DriveRoot(base + QStringLiteral("/Zorimex"));
}

QString DriveRoot::rootOfPath(const QString& absolutePath) {
    QString p = absolutePath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.size() >= 2 && p.at(0).isLetter() && p.at(1) == QLatin1Char(':'))
        return p.left(2).toUpper() + QLatin1Char('/');
    if (p.startsWith(QLatin1String("//"))) {
        const qsizetype serverEnd = p.indexOf(QLatin1Char('/'), 2);
        if (serverEnd > 2) {
            const qsizetype shareEnd = p.indexOf(QLatin1Char('/'), serverEnd + 1);
            const QString share = shareEnd < 0 ? p : p.left(shareEnd);
            if (share.size() > serverEnd + 1)
                return share + QLatin1Char('/');
        }
    }
    return QStringLiteral("/");
}

QString DriveRoot::resolve(const QString& rootRelative) const {
    if (!isValid())
        return QString();
    // Written the Windows way whatever the platform.
    QString relative = rootRelative;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    if (relative.isEmpty())
        return folder_;
    return folder_.endsWith(QLatin1Char('/')) ? folder_ + relative
                                              : folder_ + QLatin1Char('/') + relative;
}

} // namespace zorimex::preferences
