#include "storage/Recordings.h"

#include "storage/DatabaseError.h"
#include "storage/HiScoreQuery.h"

#include <algorithm>

namespace recordings {

const QString kTable = QStringLiteral("recordings");

namespace {

// The list's own columns, then the recording. A file of an earlier release
// gains the table at its first save; that release reads only its own tables.
const QString kCreate = QStringLiteral(
    R"(CREATE TABLE IF NOT EXISTS "recordings" ("nome" TEXT, "punteggio" INTEGER, "livello" INTEGER, "partita" BLOB))");
const QString kInsert =
    QStringLiteral(R"(INSERT INTO "recordings" ("nome", "punteggio", "livello", "partita") VALUES (?, ?, ?, ?))");
const QString kRemoveOrphans = QStringLiteral(
    R"(DELETE FROM "recordings" WHERE NOT EXISTS (SELECT 1 FROM "hiscores" AS h WHERE h."nome" IS "recordings"."nome")"
    R"( AND h."punteggio" IS "recordings"."punteggio" AND h."livello" IS "recordings"."livello"))");
const QString kDeleteAll = QStringLiteral(R"(DELETE FROM "recordings")");
const QString kReadAll = QStringLiteral(R"(SELECT "nome", "punteggio", "livello", "partita" FROM "recordings")");
const QString kHasTable =
    QStringLiteral(R"(SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = 'recordings')");

// Runs `work` between BEGIN IMMEDIATE and COMMIT; on any failure the file is
// left as it was before.
template <typename Work> void inOneTransaction(Connection& cn, Work work)
{
    cn.execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        work();
        cn.execute(QStringLiteral("COMMIT"));
    } catch (const DatabaseError&) {
        try {
            cn.execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError&) {
            // The engine has rolled back by itself (a full disk, an I/O error).
        }
        throw;
    }
}

bool hasTable(Connection& cn) { return !cn.openRecordSet(kHasTable).eof(); }

}  // namespace

bool RowValues::operator==(const RowValues& other) const
{
    // As the engine compares them: a score read back as a number equals the
    // number saved, whatever type it came in.
    const auto same = [](const QVariant& a, const QVariant& b) {
        return a.isNull() == b.isNull() && a.toString() == b.toString();
    };
    return same(name, other.name) && same(score, other.score) && same(level, other.level);
}

void addRowWithRecording(Connection& cn, const QList<QVariant>& row, const QByteArray& recording)
{
    inOneTransaction(cn, [&] {
        cn.addRow(hiscores::kTable, row);
        cn.execute(kCreate);
        cn.execute(kRemoveOrphans);
        cn.execute(kInsert, {row.value(0), row.value(1), row.value(2), recording});
    });
}

void deleteAllWith(Connection& cn, const QString& resetStatement)
{
    inOneTransaction(cn, [&] {
        cn.execute(resetStatement);
        if (hasTable(cn)) {
            cn.execute(kDeleteAll);
        }
    });
}

QList<Kept> readAll(Connection& cn)
{
    QList<Kept> kept;
    if (!hasTable(cn)) {
        return kept;
    }
    const RecordSet rows = cn.openRecordSet(kReadAll);
    for (int i = 0; i < rows.rowCount(); ++i) {
        kept.append({{rows.value(0, i), rows.value(1, i), rows.value(2, i)}, rows.value(3, i).toByteArray()});
    }
    return kept;
}

QList<Listed> pairedWithRows(const RecordSet& list, QList<Kept> kept)
{
    QList<Listed> listed;
    for (int i = 0; i < list.rowCount(); ++i) {
        const RowValues row{list.value(0, i), list.value(1, i), list.value(2, i)};
        const auto own = std::find_if(kept.cbegin(), kept.cend(), [&row](const Kept& one) { return one.row == row; });
        listed.append({row, own == kept.cend() ? std::nullopt : std::optional(own->recording)});
    }
    // Identical rows share the recordings of their values; only those of no
    // row's values are left for a row that has none.
    kept.removeIf([&listed](const Kept& one) {
        return std::any_of(listed.cbegin(), listed.cend(), [&one](const Listed& row) { return row.row == one.row; });
    });
    for (Listed& row : listed) {
        const auto byName =
            std::find_if(kept.begin(), kept.end(), [&row](const Kept& one) { return one.row.name == row.row.name; });
        if (!row.recording && byName != kept.end()) {
            row.recording = byName->recording;
            kept.erase(byName);
        }
    }
    return listed;
}

}  // namespace recordings
