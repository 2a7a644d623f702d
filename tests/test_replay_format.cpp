// The recording file: what the game writes it reads back, the layout other
// programs read is pinned byte for byte, and hostile bytes are refused in a
// sentence a player can act on.
#include "replay/RecordingFile.h"

#include <QTest>

using replay::Input;
using replay::Recording;
using replay::Step;

Q_DECLARE_METATYPE(replay::Recording)
Q_DECLARE_METATYPE(replay::Input)

namespace {

Step click(std::int64_t atMs, int cell, Input input = Input::PictureClick) { return {atMs, input, std::int16_t(cell)}; }
Step at(std::int64_t atMs, Input input) { return {atMs, input, -1}; }

// A file up to its steps: the mark, a format and the generator state
// 0x0102030405060708; then `stepsHex`, from the step count on.
QByteArray file(const char* stepsHex, char version = 1)
{
    return QByteArray("QBRC") + version + QByteArray::fromHex("0807060504030201") + QByteArray::fromHex(stepsHex);
}

// Steps a second or so apart, mostly clicks all over the board, with a level
// change every sixty of them; the last is the end.
Recording playedGame(int stepCount)
{
    Recording recording{0x9E3779B97F4A7C15, {}};
    std::int64_t atMs = 0;
    for (int i = 0; i < stepCount - 1; ++i) {
        atMs += 150 + (i * 37) % 700;
        const auto kind = Input(int(Input::PictureClick) + i % 3);
        recording.steps.push_back(i % 60 == 59 ? at(atMs, Input::NextLevel) : click(atMs, (i * 97) % 308, kind));
    }
    recording.steps.push_back(at(atMs + 500, Input::End));
    return recording;
}

}  // namespace

class ReplayFormatTest : public QObject {
    Q_OBJECT

private slots:
    void readsBackWhatItWrites_data()
    {
        QTest::addColumn<Recording>("recording");
        QTest::newRow("the end alone") << Recording{0, {at(0, Input::End)}};
        QTest::newRow("every input") << Recording{42,
                                                  {click(10, 0), click(20, 5, Input::FirstNumberClick),
                                                   click(30, 6, Input::SecondNumberClick), at(40, Input::Pause),
                                                   at(50, Input::Resume), at(60, Input::Quit), at(61, Input::AnswerNo),
                                                   at(70, Input::NextLevel), at(80, Input::Quit),
                                                   at(90, Input::AnswerYes), at(90, Input::End)}};
        QTest::newRow("the first and last cells") << Recording{7, {click(0, 0), click(0, 307), at(0, Input::End)}};
        QTest::newRow("a day to the millisecond")
            << Recording{1, {click(1, 17), at(replay::kLongestGameMs, Input::End)}};
        QTest::newRow("a generator state with its high bits set") << Recording{0xFEDCBA9876543210, {at(5, Input::End)}};
        QTest::newRow("a played game") << playedGame(600);
    }
    void readsBackWhatItWrites()
    {
        QFETCH(Recording, recording);
        const replay::Decoded decoded = replay::decode(replay::encode(recording));
        QCOMPARE(decoded.error, QString());
        QVERIFY(decoded.recording == recording);
    }

    void layoutOfTheFile_data()
    {
        QTest::addColumn<Recording>("recording");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("the end alone") << Recording{0x0102030405060708, {at(0, Input::End)}}
                                       << QByteArray::fromHex("5142524301 0807060504030201 01 000a");
        QTest::newRow("a click at 300 ms on the last cell, the end 20 s on")
            << Recording{0xFF, {click(300, 307), at(20300, Input::End)}}
            << QByteArray::fromHex("5142524301 ff00000000000000 02 ac0201b302 a09c010a");
    }
    void layoutOfTheFile()
    {
        QFETCH(Recording, recording);
        QFETCH(QByteArray, bytes);
        QCOMPARE(replay::encode(recording).toHex(' '), bytes.toHex(' '));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QString truncated = "the file is truncated";
        QTest::newRow("empty") << QByteArray() << truncated;
        QTest::newRow("half the mark") << QByteArray("QB") << truncated;
        QTest::newRow("cut in the generator state") << QByteArray("QBRC\x01\x08\x07") << truncated;
        QTest::newRow("a click cut before its cell") << file("01 00 01") << truncated;
        QTest::newRow("another mark") << file("01 00 0a").replace("QBRC", "QBRX") << "it is not a Quorbit recording";
        QTest::newRow("text") << QByteArray("hello, world") << "it is not a Quorbit recording";
        QTest::newRow("a newer format") << file("01 00 0a", 2) << "it was written by a newer Quorbit (format 2)";
        QTest::newRow("no steps") << file("00") << "it holds no steps";
        QTest::newRow("a huge step count") << file("ffffffff0f 000a") << truncated + ": it counts 4294967295 steps";
        QTest::newRow("a step count of 11 bytes")
            << file("8080808080808080808001 000a") << "the number at offset 13 is longer than ten bytes";
        QTest::newRow("a time of 11 bytes")
            << file("01 8080808080808080808000 0a") << "the number at offset 14 is longer than ten bytes";
        QTest::newRow("a time past 63 bits") << file("01 ffffffffffffffffff01 0a") << "offset 14 is too large";
        QTest::newRow("a day and a millisecond") << file("01 81b89929 0a") << "the game runs past 24 hours at step 1";
        QTest::newRow("two half days and more") << file("03 80dccc14 08 80dccc14 09 01 0a") << "24 hours at step 3";
        QTest::newRow("cell 308") << file("02 00 01 b402 000a") << "step 1 names cell 308, and the board has 308 cells";
        QTest::newRow("cell 999") << file("02 00 02 e707 000a") << "step 1 names cell 999, and the board has 308 cells";
        QTest::newRow("a cell past 16 bits") << file("02 00 03 808080808080808040 000a") << "cell 4611686018427387904";
        QTest::newRow("input 0") << file("01 00 00") << "step 1 is of an unknown kind (0)";
        QTest::newRow("input 11") << file("02 05 0b 00 0a") << "step 1 is of an unknown kind (11)";
        QTest::newRow("the end in the middle") << file("02 00 0a 00 0a") << "the game ends at step 1";
        QTest::newRow("no end") << file("02 00 08 00 09") << "it does not end with the game's end";
        QTest::newRow("a byte after the end") << file("01 00 0a 00") << "trailing bytes after the game's end";
        QTest::newRow("larger than the largest file")
            << file("01 00 0a") + QByteArray(replay::kMaxFileBytes, '\0') << "it is larger than 256 KiB";
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        const replay::Decoded decoded = replay::decode(bytes);
        QVERIFY(!decoded.recording);
        QVERIFY2(decoded.error.contains(why), qPrintable(decoded.error));
        QVERIFY2(!decoded.error.isEmpty() && decoded.error.front().isLower() && !decoded.error.endsWith('.'),
                 qPrintable(decoded.error));
    }

    void everyCutIsRefusedAsTruncated()
    {
        const QByteArray whole = replay::encode(playedGame(40));
        QVERIFY(replay::decode(whole).recording);
        for (qsizetype size = 0; size < whole.size(); ++size) {
            const replay::Decoded decoded = replay::decode(whole.first(size));
            QVERIFY2(!decoded.recording && decoded.error.startsWith("the file is truncated"),
                     qPrintable(QString::number(size) + ": " + decoded.error));
        }
    }

    // encode() writes no file that decode() would refuse.
    void notWritten_data()
    {
        QTest::addColumn<Recording>("recording");
        QTest::addColumn<QString>("why");
        QTest::newRow("no steps") << Recording{} << "it holds no steps";
        QTest::newRow("back in time") << Recording{0,
                                                   {at(100, Input::Pause), at(200, Input::Resume),
                                                    at(300, Input::Pause), at(250, Input::Resume), at(400, Input::End)}}
                                      << "the steps go back in time at step 4";
        QTest::newRow("before the start") << Recording{0, {at(-1, Input::End)}} << "back in time at step 1";
        QTest::newRow("past a day") << Recording{0, {at(replay::kLongestGameMs + 1, Input::End)}} << "24 hours";
        QTest::newRow("off the board") << Recording{0, {click(0, 308), at(0, Input::End)}} << "names cell 308";
        QTest::newRow("a click on no cell") << Recording{0, {click(0, -1), at(0, Input::End)}} << "names cell -1";
        QTest::newRow("a pause on a cell") << Recording{0, {click(0, 5, Input::Pause), at(0, Input::End)}}
                                           << "step 1 names cell 5, and only a click names one";
        QTest::newRow("an unknown input") << Recording{0, {at(0, Input(11)), at(0, Input::End)}} << "unknown kind (11)";
        QTest::newRow("the end twice") << Recording{0, {at(0, Input::End), at(0, Input::End)}}
                                       << "the game ends at step 1, and more steps follow";
        QTest::newRow("no end") << Recording{0, {at(0, Input::Pause)}} << "it does not end with the game's end";
    }
    void notWritten()
    {
        QFETCH(Recording, recording);
        QFETCH(QString, why);
        QVERIFY2(replay::problemWith(recording).contains(why), qPrintable(replay::problemWith(recording)));
        QVERIFY(replay::encode(recording).isEmpty());
    }

    // Tens of thousands of clicks outgrow what the reader accepts, and such a
    // file is better not written than written unreadable.
    void aRecordingTooLargeToReadIsNotWritten()
    {
        Recording recording = playedGame(80000);
        QCOMPARE(replay::problemWith(recording), QString());
        QVERIFY(replay::encode(recording).isEmpty());
        recording.steps.erase(recording.steps.begin() + 20000, recording.steps.end() - 1);
        QVERIFY(!replay::encode(recording).isEmpty());
    }

    void aTenLevelGameTakesAFewKilobytes()
    {
        const Recording game = playedGame(600);
        const QByteArray bytes = replay::encode(game);
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(bytes.size() < 4096, qPrintable(QString::number(bytes.size())));
    }

    void takesCell_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<bool>("takesCell");
        for (int number = int(Input::PictureClick); number <= int(Input::End); ++number) {
            QTest::addRow("input %d", number) << Input(number) << (number <= int(Input::SecondNumberClick));
        }
    }
    void takesCell()
    {
        QFETCH(Input, input);
        QFETCH(bool, takesCell);
        QCOMPARE(replay::takesCell(input), takesCell);
    }
};

QTEST_APPLESS_MAIN(ReplayFormatTest)
#include "test_replay_format.moc"
