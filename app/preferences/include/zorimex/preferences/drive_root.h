#pragma once
// "The current drive": the folder that root-relative paths such as
// "\Program Files\Zorimex 2002\or.txt" are resolved against. A normal user can write neither
// under "/" nor under a Windows drive's "\Program Files", so on every platform the program's own
// folder in the user's data folder plays that part.

#include <QString>

namespace zorimex::preferences {

class DriveRoot {
public:
    /// The given folder acts as the drive root (tests hand in a temporary folder). An empty
    /// folder makes an invalid root.
    explicit DriveRoot(const QString& folder);

    /// The program's drive root: "<generic data location>/Zorimex" (on Linux
    /// ~/.local/share/Zorimex, on Windows %LOCALAPPDATA%\Zorimex), which does not depend on the
    /// organisation or application name set on QCoreApplication, so it may be called before the
    /// application object exists. Invalid when the platform has no such folder.
    static DriveRoot current();

    /// The root of the drive or share a Windows-style absolute path lies on: "C:/dir" -> "C:/",
    /// "//server/share/dir" -> "//server/share/"; "/" for anything else.
    static QString rootOfPath(const QString& absolutePath);

    bool isValid() const { return !folder_.isEmpty(); }

    /// Absolute, with '/' separators.
    QString path() const { return folder_; }

    /// rootRelative resolved against the root; leading '/' or '\' are ignored, '\' become '/'.
    /// Empty for an invalid root, so that nothing is ever resolved against the working folder.
    QString resolve(const QString& rootRelative) const;

private:
    QString folder_;
};

} // namespace zorimex::preferences
