#pragma once

#include "storage/Connection.h"

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <optional>

// The recordings of the games on the hi-score list, in a table of their own
// beside it. A recording belongs to the row with its name, score and level:
// the list has no key, and its row numbers change as rows come and go.
namespace recordings {

extern const QString kTable;

// A row of the list, or of the recordings, by its values.
struct RowValues {
    QVariant name;
    QVariant score;
    QVariant level;
    bool operator==(const RowValues& other) const;
};

struct Kept {
    RowValues row;
    QByteArray recording;
};

// Adds the hi-score row, with the statement the list always used, and its
// game's recording, in one transaction: a crash, a full disk or another copy
// never leaves a recording without its row. The recordings whose rows are
// gone (a reset by an earlier release) go at the same time.
void addRowWithRecording(Connection& cn, const QList<QVariant>& row, const QByteArray& recording);

// Runs the list's own reset statement and empties the recordings with it, in
// one transaction.
void deleteAllWith(Connection& cn, const QString& resetStatement);

// Every recording the file keeps; none in a file without the table.
QList<Kept> readAll(Connection& cn);

// The rows of `list` in its order, each with the recording that belongs to
// it: the one with its values, or else, for a row whose values no recording
// has, one with its name that no row has (a score raised by hand keeps its
// name, and its game then shows what it really made). Each recording goes
// to one row at most.
struct Listed {
    RowValues row;
    std::optional<QByteArray> recording;
};
QList<Listed> pairedWithRows(const RecordSet& list, QList<Kept> kept);

}  // namespace recordings
