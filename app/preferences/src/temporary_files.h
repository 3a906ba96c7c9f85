#pragma once
// The temporary files a durable write makes beside its target, named alike on every platform.

#include <QString>

namespace zorimex::preferences {

/// A new name, random each time, for a temporary file beside `fileName` in `folder`.
QString TemporaryPathBeside(const QString& folder, const QString& fileName);

/// A writer killed between creating its temporary file and the replacement leaves that file
/// behind. Such leftovers never affect reading, but would pile up; one older than any write could
/// take is removed before the next write. A younger one may belong to another instance still
/// writing.
void RemoveStaleTemporaries(const QString& folder, const QString& fileName);

} // namespace zorimex::preferences
