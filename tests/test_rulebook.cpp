// The how-to-play panel quotes the figures the game plays by: each quoted
// figure is read out of the panel's text and compared with the rulebook's.
#include "common/GameWords.h"
#include "scoring/Rulebook.h"

#include <QRegularExpression>
#include <QTest>

using namespace rulebook;

namespace {

// How the panel writes a figure it spells out.
QString inWords(int figure) { return figure == 10 ? QStringLiteral("ten") : QString::number(figure); }

// Milliseconds as the panel writes seconds: "2,5".
QString inSeconds(int ms) { return QStringLiteral("%1,%2").arg(ms / 1000).arg(ms % 1000 / 100); }

}  // namespace

class RulebookTest : public QObject {
    Q_OBJECT

private slots:
    void theHelpTextQuotesTheRulebook_data()
    {
        // A phrase of the panel whose one group is the figure, and the figure
        // as the rulebook has it.
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("figure");
        QTest::newRow("time bonus at the start")
            << R"(TIME BONUS - LEVEL START=(\d+) POINTS)" << QString::number(kTimeBonusAtStart);
        QTest::newRow("time bonus step") << R"(START=\d+ POINTS\. -(\d+) POINTS)" << QString::number(kTimeBonusStep);
        QTest::newRow("time bonus tick") << R"(EVERY (\S+) SECONDS)" << inSeconds(kTimeBonusTickMs);
        // Told as 300, played from 200: intended, see the rulebook.
        QTest::newRow("fast click at the start, as told")
            << R"(FAST CLICK - click start= (\d+) points)" << QString::number(kFastClickAtStartAsTold);
        QTest::newRow("fast click step") << R"(start= \d+ points\. -(\d+) points)" << QString::number(kFastClickStep);
        QTest::newRow("fast click tick") << R"(every (\d+) tenths of a second)"
                                         << QString::number(kFastClickTickMs / 100);
        QTest::newRow("clicks at the start")
            << R"(clicks - level start (\d+) points)" << QString::number(kClicksAtStart);
        QTest::newRow("click cost") << R"(-(\d+) points every click)" << QString::number(kClickCost);
        QTest::newRow("points per cell moved") << R"(shifts multiplied for (\w+))" << inWords(kMovePointsPerCell);
        QTest::newRow("door points") << R"(door -(\d+) points for each level)" << QString::number(kDoorPoints);
        QTest::newRow("square points") << R"(base to height for (\w+) points)" << inWords(kSquarePointsPerCell);
    }
    void theHelpTextQuotesTheRulebook()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, figure);
        const QRegularExpressionMatch match =
            QRegularExpression(phrase).match(QString::fromLatin1(words::kHowToPlayPoints));
        QVERIFY2(match.hasMatch(), qPrintable(phrase));
        QCOMPARE(match.captured(1), figure);
    }
};

QTEST_MAIN(RulebookTest)
#include "test_rulebook.moc"
