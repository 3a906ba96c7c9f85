// Writes one answer into the preference file and exits: the consent dialog's write, in a process
// of its own so that a test can kill it at any moment.
//
//   preference_writer <drive root folder> <Y|N>
//
// Exit status 0 when the file holds the answer, 1 when the write failed (the failure report on
// stderr), 2 when called wrongly.

#include "zorimex/failure/error_report.h"
#include "zorimex/preferences/preference_file.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 3 || std::strlen(argv[2]) != 1) {
        std::fprintf(stderr, "usage: %s <drive root folder> <Y|N>\n", argv[0]);
        return 2;
    }
    const zorimex::preferences::PreferenceFile file{
        zorimex::preferences::DriveRoot(QString::fromLocal8Bit(argv[1]))};
    if (const auto error = file.write(argv[2][0])) {
        std::fprintf(stderr, "%s\n",
                     zorimex::failure::ErrorReportText(*error).toUtf8().constData());
        return 1;
    }
    return 0;
}
