#pragma once
// Durable writers whose file calls fail on purpose: one call of a replacement fails with a chosen
// system error code, to see what a write that fails part-way leaves behind and reports.

#include "zorimex/preferences/durable_write.h"

#include <QMetaType>

namespace zorimex::test {

/// The call that fails. WriteNothing takes no byte and reports no error. Sync stands for fsync on
/// POSIX and FlushFileBuffers on Windows, Rename for the replacement; opening the temporary file
/// can be made to fail on POSIX only.
enum class FailingCall { Open, Write, ShortWrite, WriteNothing, Sync, Close, Rename };

/// The real calls, with `call` failing with `code` (an errno value, or a Windows error code)
/// until HealFileCalls().
preferences::DurableWriter WriterFailingAt(FailingCall call, int code);

/// Makes the failing calls of every writer from WriterFailingAt() do their real work again, as
/// when the cause of a failure is gone.
void HealFileCalls();

} // namespace zorimex::test

Q_DECLARE_METATYPE(zorimex::test::FailingCall)
