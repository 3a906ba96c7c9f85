#pragma once
// A test that skips itself where the suite runs is a check nobody sees missing: every skip inside
// a test program is noted, and the suite prints the notes on one line when it ends (see
// CMakeLists.txt). Use ZORIMEX_SKIP(reason) instead of QSKIP.

#include <QString>
#include <QTest>

namespace zorimex::test {

/// Adds "program function(row): reason" to the suite's list of skipped checks.
void NoteSkip(const QString& reason);

} // namespace zorimex::test

#define ZORIMEX_SKIP(reason)                                                                       \
    do {                                                                                           \
        const QString zorimexSkipReason = (reason);                                                \
        zorimex::test::NoteSkip(zorimexSkipReason);                                                \
        QSKIP(qPrintable(zorimexSkipReason));                                                      \
    } while (false)
