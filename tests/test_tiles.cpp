// The arrow tiles: the table of codes, where their numbers sit and what a
// quarter turn makes of each, pinned once here; and cross-checks that hold
// the table to the shape of the tiles, which a pinned copy cannot.
#include "board/TileCodes.h"

#include <QPointF>
#include <QTest>

using tiles::Leg;

Q_DECLARE_METATYPE(Leg)
Q_DECLARE_METATYPE(CellValue)

namespace {

// A number label, 135 x 255 twips, can lie this far from a 495-twip cell's
// top left corner: 360 across and 240 down.
constexpr QPointF kLabelRoom{495 - 135, 495 - 255};

// The side of the cell a number sits on, or none for one in the middle:
// measured from the middle of the room it has, a quarter of it either way.
Leg sideOf(const tiles::LabelSpot& spot)
{
    const double across = spot.left / kLabelRoom.x() - 0.5;
    const double down = spot.top / kLabelRoom.y() - 0.5;
    if (std::max(std::abs(across), std::abs(down)) < 0.25) {
        return Leg::None;
    }
    if (std::abs(across) > std::abs(down)) {
        return across < 0 ? Leg::Left : Leg::Right;
    }
    return down < 0 ? Leg::Up : Leg::Down;
}

// A direction a quarter turn on: counter-clockwise, or clockwise.
Leg turned(Leg leg, bool clockwise)
{
    constexpr Leg kCounterClockwise[] = {Leg::None, Leg::Left, Leg::Down, Leg::Right, Leg::Up};
    constexpr Leg kClockwise[] = {Leg::None, Leg::Right, Leg::Up, Leg::Left, Leg::Down};
    return (clockwise ? kClockwise : kCounterClockwise)[int(leg)];
}

Leg opposite(Leg leg) { return turned(turned(leg, true), true); }

}  // namespace

class TilesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTileAsDesigned_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Leg>("firstLeg");
        QTest::addColumn<Leg>("secondLeg");
        QTest::addColumn<QPoint>("first");   // (Left, Top) in twips
        QTest::addColumn<QPoint>("second");  // (-1, -1): hidden
        QTest::addColumn<QString>("turnsInto");
        const QPoint hidden(-1, -1);
        const QPoint middle(180, 160);
        const Leg up = Leg::Up, left = Leg::Left, down = Leg::Down, right = Leg::Right, none = Leg::None;
        QTest::newRow("1") << "1" << up << none << middle << hidden << "1a";
        QTest::newRow("1a") << "1a" << left << none << middle << hidden << "1b";
        QTest::newRow("1b") << "1b" << down << none << middle << hidden << "1c";
        QTest::newRow("1c") << "1c" << right << none << middle << hidden << "1";
        QTest::newRow("2") << "2" << right << up << QPoint(30, 140) << QPoint(220, 40) << "2a";
        QTest::newRow("2a") << "2a" << up << left << QPoint(180, 240) << QPoint(0, 180) << "2b";
        QTest::newRow("2b") << "2b" << left << down << QPoint(300, 140) << QPoint(180, 240) << "2c";
        QTest::newRow("2c") << "2c" << down << right << QPoint(140, 0) << QPoint(300, 140) << "2";
        QTest::newRow("3") << "3" << down << left << QPoint(220, 40) << QPoint(30, 140) << "3c";
        QTest::newRow("3a") << "3a" << right << down << QPoint(0, 140) << QPoint(180, 240) << "3";
        QTest::newRow("3b") << "3b" << up << right << QPoint(160, 240) << QPoint(320, 140) << "3a";
        QTest::newRow("3c") << "3c" << left << up << QPoint(300, 140) << QPoint(160, 0) << "3b";
    }
    void everyTileAsDesigned()
    {
        QFETCH(QString, code);
        QFETCH(Leg, firstLeg);
        QFETCH(Leg, secondLeg);
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QString, turnsInto);
        const tiles::ArrowTile* tile = tiles::findArrowTile(code);
        QVERIFY(tile);
        QCOMPARE(tile->firstLeg, firstLeg);
        QCOMPARE(tile->secondLeg, secondLeg);
        QCOMPARE(QPoint(tile->firstNumber.left, tile->firstNumber.top), first);
        QCOMPARE(tile->secondNumber ? QPoint(tile->secondNumber->left, tile->secondNumber->top) : QPoint(-1, -1),
                 second);
        QCOMPARE(tiles::afterQuarterTurn(code)->text(), turnsInto);
    }

    // A number sits where its leg begins and ends: the first on the side its
    // first leg leaves from, the second on the side its second leg leads to,
    // a lone one in the middle. A quarter turn turns both legs the same way,
    // counter-clockwise but for the right-bending family 3, so each number
    // moves round with its leg; four turns bring the tile back.
    void aQuarterTurnTurnsTheLegsAndTheirNumbers()
    {
        for (const tiles::ArrowTile& tile : tiles::kArrowTiles) {
            const QByteArray code(tile.code);
            const Leg firstSide = tile.secondLeg == Leg::None ? Leg::None : opposite(tile.firstLeg);
            QVERIFY2(sideOf(tile.firstNumber) == firstSide, code);
            QVERIFY2(tile.secondNumber.has_value() == (tile.secondLeg != Leg::None), code);
            if (tile.secondNumber) {
                QVERIFY2(sideOf(*tile.secondNumber) == tile.secondLeg, code);
            }

            const tiles::ArrowTile* next = tiles::findArrowTile(CellValue(tile.afterQuarterTurn));
            QVERIFY2(next && next->code[0] == tile.code[0], code);
            const bool clockwise = tile.code[0] == '3';
            QVERIFY2(next->firstLeg == turned(tile.firstLeg, clockwise), code);
            QVERIFY2(next->secondLeg == turned(tile.secondLeg, clockwise), code);

            const tiles::ArrowTile* back = &tile;
            for (int turn = 0; turn < 4; ++turn) {
                back = tiles::findArrowTile(CellValue(back->afterQuarterTurn));
            }
            QCOMPARE(QByteArray(back->code), code);
        }
    }

    void numbersEqualTheirText_data()
    {
        QTest::addColumn<CellValue>("a");
        QTest::addColumn<CellValue>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("1 and \"1\"") << CellValue(1) << CellValue("1") << true;
        QTest::newRow("0 and \"0\"") << CellValue(0) << CellValue("0") << true;
        QTest::newRow("0 and 1") << CellValue(0) << CellValue(1) << false;
        QTest::newRow(R"("0" and "1")") << CellValue("0") << CellValue("1") << false;
        QTest::newRow("3 and \"3c\"") << CellValue(3) << CellValue("3c") << false;
    }
    void numbersEqualTheirText()
    {
        QFETCH(CellValue, a);
        QFETCH(CellValue, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
    }
};

QTEST_MAIN(TilesTest)
#include "test_tiles.moc"
