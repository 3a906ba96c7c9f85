// Writes one answer into the preference file and exits: the consent dialog's write, in a process
// of its own so that a test can kill it at any moment.
//
//   preference_writer <drive root folder> <Y|N> [--linger]
//
// Exit status 0 when the file holds the answer, 1 when the write failed (the failure report on
// stderr), 2 when called wrongly. With --linger it stays after a whole write until its standard
// input ends, as the program goes on after its own write: a kill then lands after the rename as
// readily as before it.

#include "zorimex/failure/error_report.h"
#include "zorimex/preferences/preference_file.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    const bool linger = argc == 4 && std::strcmp(argv[3], "--linger") == 0;
    if ((argc != 3 && !linger) || std::strlen(argv[2]) != 1) {
        std::fprintf(stderr, "usage: %s <drive root folder> <Y|N> [--linger]\n", argv[0]);
        return 2;
    }
    const zorimex::preferences::PreferenceFile file{
        zorimex::preferences::DriveRoot(QString::fromLocal8Bit(argv[1]))};
    if (const auto error = file.write(argv[2][0])) {
        std::fprintf(stderr, "%s\n",
                     zorimex::failure::ErrorReportText(*error).toUtf8().constData());
        return 1;
    }
    if (linger)
        while (std::getchar() != EOF) {
        }
    return 0;
}
