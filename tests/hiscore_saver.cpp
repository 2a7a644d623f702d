// A stand-in for a copy of the game that keeps saving hi-scores, for the tests
// that kill it mid-write or run two of it at once on one qb.mdb.
//
//   hiscore_saver <qb.mdb> <name prefix> [rows]
//
// Saves row n = 1, 2, ... as ("<prefix> <n>", 100 * n, n) and reports "saved n"
// on standard output once the row is in the file; without a row count it saves
// until it is killed. A failure is written to standard error and ends it with
// status 1.

#include "common/FileError.h"
#include "storage/Connection.h"
#include "storage/GameDatabase.h"

#include <cstdio>

namespace {

constexpr int kScorePerRow = 100;
constexpr int kUsageStatus = 2;

QList<QVariant> hiScoreRow(const QString& prefix, int n)
{
    return {QStringLiteral("%1 %2").arg(prefix).arg(n), kScorePerRow * n, n};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: hiscore_saver <qb.mdb> <name prefix> [rows]\n");
        return kUsageStatus;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int rows = argc == 4 ? QByteArray(argv[3]).toInt() : 0;

    try {
        Connection cn;
        openGameDatabase(cn, file);
        // Saves wait for another copy as long as the game does once its window
        // shows.
        cn.setBusyTimeout(Connection::kPlayBusyTimeout);
        for (int n = 1; rows == 0 || n <= rows; ++n) {
            cn.addRow(QStringLiteral("hiscores"), hiScoreRow(prefix, n));
            // Flushed at once: the reader kills this process the moment it sees
            // the line.
            std::printf("saved %d\n", n);
            std::fflush(stdout);
        }
    } catch (const FileError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
