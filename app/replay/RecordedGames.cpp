#include "app/replay/RecordedGames.h"

#include "app/Form1.h"
#include "app/replay/Playback.h"
#include "common/FileError.h"
#include "common/SystemPath.h"
#include "replay/RecordingFile.h"
#include "storage/Connection.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameDatabase.h"
#include "storage/GameFiles.h"
#include "storage/HiScoreQuery.h"
#include "storage/Recordings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void say(std::FILE* stream, const QString& line) { std::fprintf(stream, "%s\n", systemPath(line).constData()); }

// Nobody answers questions in these runs: a box would only report a file.
class NoBoxes final : public MessageBoxes {
public:
    Answer show(const QString&, Buttons, const QString&, Icon) override { return Answer::Ok; }
};

// The list with its recordings, from a hi-score file that is there already;
// none, with the reason said, when it cannot be read.
std::optional<QList<recordings::Listed>> readListedGames(const GameFiles& files, std::FILE* err)
{
    if (!QFileInfo::exists(files.databaseFile)) {
        say(err, QStringLiteral("quorbit: %1: there is no hi-score file here yet; play a game first")
                     .arg(files.databaseFile));
        return std::nullopt;
    }
    try {
        Connection cn;
        openGameDatabase(cn, files.databaseFile);
        return recordings::pairedWithRows(hiscores::readWholeList(cn), recordings::readAll(cn));
    } catch (const FileError& error) {
        say(err, QStringLiteral("quorbit: ") + error.message());
        return std::nullopt;
    }
}

QString shown(const QVariant& value) { return value.isNull() ? QStringLiteral("-") : value.toString(); }

}  // namespace

int verifyRecordedGames(const GameFiles& files, std::FILE* out, std::FILE* err)
{
    const std::optional<QList<recordings::Listed>> listed = readListedGames(files, err);
    if (!listed) {
        return 1;
    }
    FixedSequenceRandom random;
    NoBoxes boxes;
    QStringList differing;
    int place = 0;
    for (const recordings::Listed& game : *listed) {
        ++place;
        QString line = QStringLiteral("%1. %2: listed %3, level %4; ")
                           .arg(place)
                           .arg(shown(game.row.name), shown(game.row.score), shown(game.row.level));
        if (!game.recording) {
            say(out, line + QStringLiteral("no recording"));
            continue;
        }
        std::optional<GameResult> replayed;
        if (const replay::Decoded decoded = replay::decode(*game.recording); decoded.recording) {
            // A window of its own for each game, as each was played from the
            // menu of a window; it is never shown.
            Form1 form(files, random, boxes, nullptr, Ticks::ByHand);
            try {
                form.game().LoadToWatch();
                replayed = Playback::playThrough(form, *decoded.recording);
            } catch (const FileError& error) {
                say(err, QStringLiteral("quorbit: ") + error.message());
                return 1;
            }
        }
        const bool ok = replayed && game.row == recordings::RowValues{game.row.name, replayed->total, replayed->level};
        line += replayed ? QStringLiteral("replayed %1, level %2: ").arg(replayed->total).arg(replayed->level)
                         : QStringLiteral("the recording does not play to its end: ");
        say(out, line + (ok ? QStringLiteral("ok") : QStringLiteral("differs")));
        if (!ok) {
            differing << QStringLiteral("%1 (%2)").arg(place).arg(shown(game.row.name));
        }
    }
    if (!differing.isEmpty()) {
        say(err, QStringLiteral("quorbit: the score of row %1 is not the one its recorded game makes")
                     .arg(differing.join(QStringLiteral(", "))));
        return 1;
    }
    return 0;
}

int exportRecordedGame(const GameFiles& files, int row, const QString& file, std::FILE* err)
{
    const std::optional<QList<recordings::Listed>> listed = readListedGames(files, err);
    if (!listed) {
        return 1;
    }
    if (row > listed->size()) {
        say(err, QStringLiteral("quorbit: the hi-score list has %1 rows, and no row %2").arg(listed->size()).arg(row));
        return 1;
    }
    const recordings::Listed& game = listed->at(row - 1);
    if (!game.recording) {
        say(err, QStringLiteral("quorbit: row %1 (%2) has no recording: it was saved by an earlier release")
                     .arg(row)
                     .arg(shown(game.row.name)));
        return 1;
    }
    // Written whole or not at all: a file that was there stays until the new
    // one is complete.
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly) || saved.write(*game.recording) != game.recording->size() ||
        !saved.commit()) {
        say(err, QStringLiteral("quorbit: %1: cannot be written: %2").arg(file, saved.errorString()));
        return 1;
    }
    return 0;
}

std::optional<replay::Recording> readRecordingFile(const QString& file, std::FILE* err)
{
    // A pipe or a device would be read for ever, or block: only a file is
    // opened.
    const QFileInfo info(file);
    QFile opened(file);
    if (!info.exists() || !info.isFile() || !opened.open(QIODevice::ReadOnly)) {
        say(err, QStringLiteral("quorbit: %1: cannot be read: %2")
                     .arg(file, !info.exists()   ? QStringLiteral("there is no such file")
                                : !info.isFile() ? QStringLiteral("it is not a file (a folder, a device or a pipe)")
                                                 : opened.errorString()));
        return std::nullopt;
    }
    // Read no further than the largest recording and a byte: a file larger
    // than that (or endless, as a device) is refused without reading it whole.
    const QByteArray bytes = opened.read(replay::kMaxFileBytes + 1);
    const replay::Decoded decoded = replay::decode(bytes);
    if (!decoded.recording) {
        say(err, QStringLiteral("quorbit: %1: %2").arg(file, decoded.error));
    }
    return decoded.recording;
}
