#include "storage/HiScoreQuery.h"

#include <algorithm>

namespace hiscores {

namespace {

// Best first; the trailing blank is part of the game's statement text.
const QString kBestFirst = QStringLiteral("SELECT * FROM hiscores order by punteggio desc ");

bool beats(std::int32_t score, const QVariant& listed) { return !listed.isNull() && double(score) > listed.toDouble(); }

}  // namespace

const QString kTable = QStringLiteral("hiscores");
const QString kDeleteAll = QStringLiteral("delete * from hiscores");

void openInto(RecordSet& rs, Connection& cn, const QString& source)
{
    rs = RecordSet();
    rs = cn.openRecordSet(source, kShownRows);
}

std::optional<DatabaseError> readBestFirst(Connection& cn, RecordSet& rs)
{
    try {
        openInto(rs, cn, kBestFirst);
        // A table rebuilt by hand with fewer columns cannot be shown.
        if (rs.columnCount() < kColumnsRead) {
            throw DatabaseError(cn.file(), QStringLiteral("the table hiscores has lost some of its columns"));
        }
        return std::nullopt;
    } catch (const DatabaseError& error) {
        rs = RecordSet();
        return error;
    }
}

RecordSet readWholeList(Connection& cn) { return cn.openRecordSet(kBestFirst); }

std::int16_t lastRowOf(const RecordSet& list) { return std::int16_t(std::min(list.rowCount(), kShownRows) - 1); }

std::int16_t rankAmong(std::int32_t score, const RecordSet& list)
{
    if (list.eof()) {
        return 0;
    }
    std::int16_t rank = kNoRank;
    const std::int16_t last = std::min(lastRowOf(list), std::int16_t(kShownRows - 1));
    for (std::int16_t row = 0; row <= last; ++row) {
        if (beats(score, list.value(kScoreColumn, row))) {
            rank = row;
        }
    }
    return rank;
}

}  // namespace hiscores
