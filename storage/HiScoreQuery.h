#pragma once

#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/RecordSet.h"

#include <QString>
#include <cstdint>
#include <optional>

// The hi-score list as the file holds it: its statements, the best rows and
// the rank a score earns among them. Needs a connection and nothing of the
// window, so it can be read and tested without one.
namespace hiscores {

// The table rows are added to, and the statement that empties it.
extern const QString kTable;
extern const QString kDeleteAll;

// Only the first rows of the list are shown and compared; the rest stay in
// the table and come back into view when better ones are deleted.
constexpr int kShownRows = 10;
// The columns read by position, in the order the panel shows them: name,
// score, level.
constexpr int kColumnsRead = 3;
constexpr int kScoreColumn = 1;
// The rank of a score that beats none of the shown rows.
constexpr std::int16_t kNoRank = -1;

// Runs `source` into rs, keeping only the rows the list shows: the rest are
// neither shown nor compared, and a list of a million rows would otherwise be
// held whole. The previous record set is let go before the query runs, so a
// query that fails leaves nothing stale behind to be read.
void openInto(RecordSet& rs, Connection& cn, const QString& source);

// The best rows into rs, as many as are shown, or why the file can no longer
// give them. A list that cannot be read counts as no list at all (rs is left
// empty), so the game goes on without one.
std::optional<DatabaseError> readBestFirst(Connection& cn, RecordSet& rs);

// Every row of the list, best first, not only those shown: for proving each
// against its recording.
RecordSet readWholeList(Connection& cn);

// The last row a walk down the rows read reaches.
std::int16_t lastRowOf(const RecordSet& list);

// The lowest shown place whose score `score` beats strictly, in a list read
// best first: 0 for an empty list, kNoRank when it beats none. A row without a
// score (edited by hand) is beaten by no one.
std::int16_t rankAmong(std::int32_t score, const RecordSet& list);

}  // namespace hiscores
