// The squares of used cells and what they are worth, on the record alone:
// no window and no database file.
#include "rules/SquarePoints.h"
#include "support/ReferenceSquares.h"

#include <QTest>

#include <QRandomGenerator>

namespace {

struct Block {
    int row, column, rows, columns;
};

void markUsed(CellCodes& codes, const Block& block)
{
    for (int r = block.row; r < block.row + block.rows; ++r) {
        for (int c = block.column; c < block.column + block.columns; ++c) {
            codes(r * 22 + c, CellCodes::kUsedMark) = 1;
        }
    }
}

}  // namespace

Q_DECLARE_METATYPE(QList<Block>)

class SquaresTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        for (int cell = 0; cell < board::kCells; ++cell) {
            codes(cell, CellCodes::kUsedMark) = 0;
        }
    }

    void blocksOfUsedCells_data()
    {
        QTest::addColumn<QList<Block>>("blocks");
        QTest::addColumn<int>("points");
        QTest::newRow("nothing used") << QList<Block>{} << 0;
        QTest::newRow("one cell") << QList<Block>{{3, 3, 1, 1}} << 0;
        QTest::newRow("2x2 bottom-right corner") << QList<Block>{{12, 20, 2, 2}} << 40;
        QTest::newRow("3x3") << QList<Block>{{4, 5, 3, 3}} << 250;
        QTest::newRow("4x4") << QList<Block>{{0, 0, 4, 4}} << 880;
        QTest::newRow("two rows 14 wide") << QList<Block>{{6, 2, 2, 14}} << 520;
        QTest::newRow("no wrap between rows") << QList<Block>{{2, 21, 2, 1}, {3, 0, 2, 1}} << 0;
        QTest::newRow("a full row") << QList<Block>{{13, 0, 1, 22}} << 0;
        QTest::newRow("two apart") << QList<Block>{{0, 0, 2, 2}, {10, 10, 2, 2}} << 80;
        QTest::newRow("overlapping L") << QList<Block>{{0, 0, 2, 3}, {1, 0, 2, 2}} << 120;
        QTest::newRow("the whole board") << QList<Block>{{0, 0, 14, 22}} << 586040;
    }
    void blocksOfUsedCells()
    {
        QFETCH(QList<Block>, blocks);
        QFETCH(int, points);
        for (const Block& block : blocks) {
            markUsed(codes, block);
        }
        QCOMPARE(int(squarePoints(codes)), points);
        QCOMPARE(int(squarePoints(codes)), points);
    }

    // The door's mark is the text "0": never used, whatever surrounds it.
    void theDoorNeverCounts()
    {
        markUsed(codes, {0, 0, 14, 22});
        codes(7 * 22 + 11, CellCodes::kUsedMark) = "0";
        QVERIFY(squarePoints(codes) < 586040);
        QCOMPARE(int(squarePoints(codes)), referenceSquares(codes));
    }

    // Random boards, sparse to nearly full, against the plain count.
    void agreesWithThePlainCount()
    {
        QRandomGenerator random(20261207);
        for (int board = 0; board < 400; ++board) {
            const int percentUsed = board % 100;
            for (int cell = 0; cell < board::kCells; ++cell) {
                codes(cell, CellCodes::kUsedMark) = int(random.bounded(100)) < percentUsed ? 1 : 0;
            }
            QCOMPARE(int(squarePoints(codes)), referenceSquares(codes));
        }
    }

private:
    CellCodes codes;
};

QTEST_MAIN(SquaresTest)
#include "test_squares.moc"
