// The window as the player first sees it: every control in its design state,
// the panels stacked so the menu hides the board, and the exit. The slots
// that only look share one window; those that change one start their own.
#include "app/controls/Colour.h"
#include "app/controls/ControlTree.h"
#include "app/controls/PictureFiles.h"
#include "app/controls/RealTimeClock.h"
#include "app/controls/Viewport.h"
#include "support/Player.h"
#include "support/StartedWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

using F = Form1Controls;

// The design's inner size in pixels: 15280 x 11255 twips outside, 1019 x 750
// pixels, less the classic frame and caption.
constexpr QSize kDesign{1013, 729};

// The lines a label's caption breaks into at its width, blanks trimmed, as
// its painter wraps them.
QStringList wrappedLines(const Label& label)
{
    QTextLayout layout(label.caption(), label.qfont());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.pixelRect().width());
        lines << label.caption().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// The control the player sees and clicks at the middle of `control`.
const Control* topmostAtCentreOf(Form1& form, const Control& control)
{
    return form.controls().Form1.controlAt(QRectF(form.windowRectOf(control)).center());
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY2(!window->failure, qPrintable(window->failure.value_or(QString())));
        window->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(window->form.get()));
    }
    void cleanupTestCase() { window.reset(); }

    // The layout stays the design's; the window opens to fit the screen
    // (the headless one is 800 x 600) and the player may resize it.
    void windowFitsTheScreenAndResizes()
    {
        QWidget* form = window->form.get();
        QCOMPARE(form->windowTitle(), QStringLiteral("QUORBIT"));
        QCOMPARE(window->ui().Form1.height(), 11255);
        QCOMPARE(window->ui().Form1.width(), 15280);
        QCOMPARE(window->ui().Form1.designSize(), kDesign);
        QVERIFY(form->minimumSize() != form->maximumSize());
        QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint);
        const QSize screen = form->screen()->availableSize();
        QVERIFY(form->width() < screen.width() && form->height() < screen.height());
        QVERIFY(std::abs(double(form->width()) / form->height() - double(kDesign.width()) / kDesign.height()) < 0.01);
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->windowIcon().availableSizes().size(), 3);
    }

    // Room for the frame is kept on every side; a screen with room to spare
    // gets the design's own size.
    void openingSizeFitsTheFreeArea_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("opened");
        QTest::newRow("full HD") << QSize(1920, 1040) << kDesign;
        QTest::newRow("just room") << QSize(1013 + 16, 729 + 48) << kDesign;
        // 692 / 729 of the design, width rounded down.
        QTest::newRow("1366 x 768 laptop") << QSize(1366, 740) << QSize(961, 692);
        // 1920 x 1080 at 150 %: 1280 x 720 less a panel; 652 / 729.
        QTest::newRow("full HD at 150 %") << QSize(1280, 700) << QSize(906, 652);
        // Narrow: 784 / 1013.
        QTest::newRow("portrait") << QSize(800, 1280) << QSize(784, 564);
    }
    void openingSizeFitsTheFreeArea()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, opened);
        QCOMPARE(fittedClientSize(kDesign, available, QMargins(8, 40, 8, 8)), opened);
    }

    // Every control scales with the window and a click lands where it is
    // drawn: at the middle of a cell it reaches that cell, on the black bars
    // beside the design it reaches nothing.
    void clicksLandOnTheSameControlAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("bar");
        QTest::newRow("1x") << 1.0 << 0;
        QTest::newRow("1.5x, bars beside") << 1.5 << 120;
        QTest::newRow("2x, bars beside") << 2.0 << 90;
        // The 1366 x 768 laptop's window: 692 / 729.
        QTest::newRow("small screen") << 692.0 / 729 << 40;
    }
    void clicksLandOnTheSameControlAtEveryScale()
    {
        QFETCH(double, scale);
        QFETCH(int, bar);
        StartedWindow started;
        Player p(started);
        Form1& form = *started.form;
        form.resize(qRound(kDesign.width() * scale) + 2 * bar, qRound(kDesign.height() * scale));
        p.startNewGame();

        // Cell 27 lies at 2900 + 520 x 5 twips, 2500 + 520 x 1: pixel 367, 201.
        const QRect cell = form.windowRectOf(started.ui().Picture1[27]);
        QVERIFY2(std::abs(cell.x() - (bar + 367 * scale)) <= 1 && std::abs(cell.y() - 201 * scale) <= 1,
                 qPrintable(QStringLiteral("cell at %1, %2").arg(cell.x()).arg(cell.y())));
        QVERIFY(std::abs(cell.width() - 33 * scale) <= 1);
        for (int corner : {0, 21, 286, 307}) {
            const Control* hit = topmostAtCentreOf(form, started.ui().Picture1[corner]);
            while (hit && hit != &started.ui().Picture1[corner]) {
                hit = hit->container();
            }
            QVERIFY2(hit, qPrintable(QStringLiteral("cell %1 missed").arg(corner)));
        }

        // The player's cell answers and turns; the bars and a cell that is
        // neither the player's nor the target's cost nothing.
        const int clicks = p.game().clickScore;
        if (bar > 0) {
            clickAt(form, QPoint(bar / 2, form.height() / 2));
            clickAt(form, QPoint(form.width() - bar / 2, form.height() / 2));
            QCOMPARE(p.game().clickScore, clicks);
        }
        const int idle = p.game().targetCell == 307 ? 306 : 307;
        p.clickCell(idle);
        QCOMPARE(p.game().clickScore, clicks);
        p.clickCell(0);
        QCOMPARE(p.game().clickScore, clicks - 10);

        // The name box, a real widget, lies where its control is drawn.
        QCOMPARE(started.ui().Text1.nativeWidget()->geometry(), form.windowRectOf(started.ui().Text1));
        // A line as wide as its panel leaves the border drawn and answering.
        started.ui().Picture3.setVisible(true);
        const QPointF border =
            started.ui().Form1.windowRectOf(started.ui().Picture3).topRight() + QPointF(-scale / 2, scale);
        QCOMPARE(started.ui().Form1.controlAt(border), &started.ui().Picture3);
        QCOMPARE(form.grab().toImage().pixelColor(qFloor(border.x()), qFloor(border.y())), QColor(140, 140, 140));
    }

    void onlyBannerAndMenuAreInView_data()
    {
        QTest::addColumn<PictureBox F::*>("box");
        QTest::addColumn<bool>("visible");
        QTest::newRow("banner") << &F::Picture2 << true;
        QTest::newRow("menu") << &F::Picture4 << true;
        QTest::newRow("result") << &F::Picture3 << false;
        QTest::newRow("hi-scores") << &F::Picture5 << false;
        QTest::newRow("name entry") << &F::Picture6 << false;
        QTest::newRow("credits") << &F::Picture7 << false;
        QTest::newRow("how to play") << &F::Picture8 << false;
    }
    void onlyBannerAndMenuAreInView()
    {
        QFETCH(PictureBox F::*, box);
        QFETCH(bool, visible);
        QCOMPARE((window->ui().*box).visible(), visible);
    }

    void cellsAreHiddenAndStackedTopLeft()
    {
        for (const PictureBox& cell : window->ui().Picture1) {
            QVERIFY(!cell.visible());
            QCOMPARE(cell.left(), 0);
            QCOMPARE(cell.top(), 0);
        }
        QCOMPARE(window->game().cellIndex, 308);
    }

    // The counters, the markers and the move message lie under the menu.
    void menuCoversWhatLiesOnTheWindow_data()
    {
        QTest::addColumn<Label F::*>("label");
        QTest::newRow("time bonus") << &F::Label7;
        QTest::newRow("total") << &F::Label16;
        QTest::newRow("START ==") << &F::Label3;
        QTest::newRow("move message") << &F::Label4;
    }
    void menuCoversWhatLiesOnTheWindow()
    {
        QFETCH(Label F::*, label);
        Label& covered = window->ui().*label;
        QVERIFY(covered.visible());
        QVERIFY(!Player::inView(covered));
        const Control* seen = topmostAtCentreOf(*window->form, covered);
        QVERIFY(seen == &window->ui().Picture4 || seen->container() == &window->ui().Picture4);
    }

    // The counters are read out by their names in the table of controls:
    // each is the caption the column shows beside it.
    void countersAreNamedAsTheColumnNamesThem()
    {
        const F& ui = window->ui();
        int counters = 0;
        for (const ControlRow& row : controlTable()) {
            if (row.speech != Speech::Counter) {
                continue;
            }
            const Control* value = row.control(window->ui(), window->game());
            const auto beside = std::find_if(ui.Form1.children().begin(), ui.Form1.children().end(), [&](auto* c) {
                return c != value && c->top() == value->top() && c->left() < value->left();
            });
            QVERIFY2(beside != ui.Form1.children().end(), row.words);
            QCOMPARE(dynamic_cast<const Label*>(*beside)->caption(), QString::fromUtf8(row.words));
            ++counters;
        }
        QCOMPARE(counters, 8);
    }

    // The menu's items, as the table of controls names them, are in view
    // and in the menu's look.
    void menuItemsAreSeenAndClickable()
    {
        for (const ControlRow& row : controlTable()) {
            if (!row.screens.contains(Screen::Menu)) {
                continue;
            }
            const auto& label = dynamic_cast<const Label&>(*row.control(window->ui(), window->game()));
            QCOMPARE(label.caption(), QString::fromUtf8(row.words));
            QCOMPARE(topmostAtCentreOf(*window->form, label), &label);
            QCOMPARE(label.foreColor(), colours::kLightBlue);
            QCOMPARE(label.font().points, 72.0);
            QVERIFY(label.font().bold && label.font().italic);
        }
    }

    // Each panel lies exactly over the menu and above it, in the design's
    // order.
    void panelsStackOverTheMenu()
    {
        F& ui = window->ui();
        const std::vector<Control*>& order = ui.Form1.children();
        auto level = [&](const Control& c) { return std::find(order.begin(), order.end(), &c) - order.begin(); };
        QVERIFY(level(ui.Label7) < level(ui.Picture4));
        QVERIFY(level(ui.Shape2[0]) < level(ui.Picture4));
        QVERIFY(level(ui.Picture4) < level(ui.Picture2));
        QVERIFY(level(ui.Picture2) < level(ui.Picture1[0]));
        QVERIFY(level(ui.Picture1[307]) < level(ui.Picture3));
        QVERIFY(level(ui.Picture3) < level(ui.Picture5));
        QVERIFY(level(ui.Picture5) < level(ui.Picture7));
        QVERIFY(level(ui.Picture7) < level(ui.Picture8));
        for (const PictureBox* panel : {&ui.Picture5, &ui.Picture7, &ui.Picture8}) {
            QCOMPARE(panel->pixelRect(), ui.Picture4.pixelRect());
        }
    }

    // The panels open over the banner's bottom strip: its drawing keeps
    // above them and the strip is the window's black, so no panel slices it.
    void panelsLeaveTheBannerWhole()
    {
        F& ui = window->ui();
        const QImage banner = ui.Picture2.picture().pixels().toImage();
        const int covered =
            qRound((ui.Picture5.pixelRect().y() - ui.Picture2.pixelRect().y()) * banner.devicePixelRatio());
        QVERIFY(covered > 0 && covered < banner.height());
        constexpr int kBlackWithJpegNoise = 16;
        for (int y = covered; y < banner.height(); ++y) {
            for (int x = 0; x < banner.width(); ++x) {
                const QRgb pixel = banner.pixel(x, y);
                QVERIFY2(std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) <= kBlackWithJpegNoise,
                         qPrintable(QStringLiteral("drawing at (%1, %2) under the panels").arg(x).arg(y)));
            }
        }
    }

    // The palette the window is drawn in, as red, green and blue.
    void paletteColoursAreTheDesigns_data()
    {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("red") << colours::kRed << QColor(255, 0, 0);
        QTest::newRow("dark red") << colours::kDarkRed << QColor(192, 0, 0);
        QTest::newRow("green") << colours::kGreen << QColor(0, 192, 0);
        QTest::newRow("bright green") << colours::kBrightGreen << QColor(0, 255, 0);
        QTest::newRow("yellow") << colours::kYellow << QColor(255, 255, 0);
        QTest::newRow("olive") << colours::kOlive << QColor(128, 128, 0);
        QTest::newRow("light blue") << colours::kLightBlue << QColor(135, 148, 237);
        QTest::newRow("grey") << colours::kGrey << QColor(128, 128, 128);
        QTest::newRow("menu text") << colours::kMenuText << QColor(0, 0, 0);
        QTest::newRow("menu bar") << colours::kMenuBar << QColor(212, 208, 200);
        QTest::newRow("button text") << colours::kButtonText << QColor(0, 0, 0);
        QTest::newRow("button face") << colours::kButtonFace << QColor(212, 208, 200);
    }
    void paletteColoursAreTheDesigns()
    {
        QFETCH(Colour, colour);
        QFETCH(QColor, drawn);
        QCOMPARE(toQColor(colour), drawn);
    }

    void designCaptionsColoursAndPlaces_data()
    {
        QTest::addColumn<Label F::*>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Colour>("fore");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("visible");
        const Colour grey = colours::kMenuBar;
        QTest::newRow("prev level") << &F::Label20 << "prev level" << grey << QRect(0, 3000, 1575, 375) << true;
        QTest::newRow("prev value") << &F::Label21 << "0" << grey << QRect(1560, 3000, 855, 375) << true;
        QTest::newRow("fast click") << &F::Label8 << "10000" << grey << QRect(1560, 3960, 855, 375) << true;
        QTest::newRow("door") << &F::Labeldoor << "0" << grey << QRect(1560, 5400, 855, 375) << true;
        QTest::newRow("separator") << &F::Label14 << "----------------" << grey << QRect(15, 6240, 2415, 135) << true;
        QTest::newRow("total") << &F::Label16 << "10000" << colours::kRed << QRect(1560, 6600, 855, 375) << true;
        QTest::newRow("start marker") << &F::Label3 << "START ==" << colours::kOlive << QRect(1500, 2560, 1335, 300)
                                      << true;
        QTest::newRow("level") << &F::Label19 << "level 1" << colours::kOlive << QRect(12960, 2160, 1335, 300) << true;
        QTest::newRow("move message") << &F::Label4 << "Label4" << colours::kGreen << QRect(1920, 10200, 6495, 495)
                                      << true;
        QTest::newRow("result line") << &F::Label5 << "game over" << colours::kDarkRed << QRect(0, 0, 11480, 600)
                                     << true;
        QTest::newRow("result total") << &F::Label17 << "game over" << colours::kDarkRed << QRect(0, 600, 11475, 600)
                                      << true;
        QTest::newRow("list heading") << &F::Label31 << "player                                          points  level"
                                      << colours::kLightBlue << QRect(120, 1560, 14895, 615) << true;
        QTest::newRow("entry prompt") << &F::Label36 << "please insert your name" << colours::kLightBlue
                                      << QRect(2640, 120, 9615, 855) << true;
        QTest::newRow("credits") << &F::Label39 << "    designed and created  by" << colours::kLightBlue
                                 << QRect(240, 600, 14175, 2655) << true;
        QTest::newRow("help") << &F::Label42 << "black hole - you lose" << colours::kLightBlue
                              << QRect(960, 1180, 5055, 375) << true;
    }
    void designCaptionsColoursAndPlaces()
    {
        QFETCH(Label F::*, label);
        QFETCH(QString, caption);
        QFETCH(Colour, fore);
        QFETCH(QRect, twips);
        QFETCH(bool, visible);
        const Label& control = window->ui().*label;
        QCOMPARE(control.caption(), caption);
        QCOMPARE(control.foreColor(), fore);
        QCOMPARE(QRect(control.left(), control.top(), control.width(), control.height()), twips);
        QCOMPARE(control.visible(), visible);
    }

    void scoringTextKeepsItsRunsOfBlanks()
    {
        const QString text = window->ui().Label47.caption();
        QVERIFY(text.startsWith("TIME BONUS - LEVEL START=10000 POINTS. -10 POINTS EVERY 2,5 SECONDS            FAST"));
        QVERIFY(text.endsWith("created with then green            boxes"));
    }

    // A caption laid out with blanks puts a word over the column it heads:
    // right-aligned numbers end where their column ends, a centred column
    // has the word on its middle. Half a character cell either way.
    void blankLaidWordsLieOverTheirColumns_data()
    {
        QTest::addColumn<Label F::*>("label");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Label F::*>("column");
        QTest::addColumn<bool>("centred");
        QTest::newRow("points heading") << &F::Label31 << "points" << &F::Label33 << false;
        QTest::newRow("level heading") << &F::Label31 << "level" << &F::Label34 << true;
        QTest::newRow("rule over the values") << &F::Label14 << "----------------" << &F::Label16 << false;
    }
    void blankLaidWordsLieOverTheirColumns()
    {
        QFETCH(Label F::*, label);
        QFETCH(QString, word);
        QFETCH(Label F::*, column);
        QFETCH(bool, centred);
        const Label& caption = window->ui().*label;
        const QRect under = (window->ui().*column).pixelRect();
        const QFontMetricsF metrics(caption.qfont());
        const qsizetype at = caption.caption().indexOf(word);
        const double left = caption.pixelRect().x() + metrics.horizontalAdvance(caption.caption().left(at));
        const double right =
            caption.pixelRect().x() + metrics.horizontalAdvance(caption.caption().left(at + word.size()));
        const double off = centred ? (left + right) / 2 - (under.left() + under.width() / 2.0)
                                   : right - (under.left() + under.width());
        const double cell = metrics.horizontalAdvance(QStringLiteral(" "));
        QVERIFY2(std::abs(off) <= cell / 2, qPrintable(QStringLiteral("%1 px off its column").arg(off)));
    }

    // Runs of blanks push what follows to a line of its own: one scoring rule
    // a line, and the credits' "by" under the line it ends.
    void blankLaidCaptionsBreakWhereTheBlanksAre_data()
    {
        QTest::addColumn<Label F::*>("label");
        QTest::newRow("scoring rules") << &F::Label47;
        QTest::newRow("credits") << &F::Label39;
    }
    void blankLaidCaptionsBreakWhereTheBlanksAre()
    {
        QFETCH(Label F::*, label);
        const Label& caption = window->ui().*label;
        const QStringList pieces =
            caption.caption().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
        QCOMPARE(wrappedLines(caption), pieces);
    }

    // A wrapped caption's last line stands inside its label: its descenders
    // may touch the edge, as the digital face's did, its letters may not.
    void wrappedCaptionsKeepTheirLastLineInside_data()
    {
        QTest::addColumn<Label F::*>("label");
        QTest::newRow("moving and turning") << &F::Label44;
        QTest::newRow("scoring rules") << &F::Label47;
        QTest::newRow("credits") << &F::Label39;
    }
    void wrappedCaptionsKeepTheirLastLineInside()
    {
        QFETCH(Label F::*, label);
        const Label& caption = window->ui().*label;
        const QFontMetricsF metrics(caption.qfont());
        const QRectF area(QPointF(0, 0), caption.pixelRect().size());
        const QRectF text =
            metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption.caption());
        QVERIFY(wrappedLines(caption).size() > 1);
        QVERIFY2(text.bottom() - metrics.descent() <= area.bottom(),
                 qPrintable(
                     QStringLiteral("baseline at %1 of %2").arg(text.bottom() - metrics.descent()).arg(area.bottom())));
    }

    // A name whose characters fall back to a taller face sits on its row's
    // baseline as its neighbours do, and pushes no row below it down: each
    // row's ink lies where the same text drawn on the row's baseline lies.
    void listRowsStayLevelWhateverFaceTheyTake()
    {
        Label& names = window->ui().Label32;
        const QString before = names.caption();
        const QString tall = QStringLiteral("山田");
        const QFontMetricsF metrics(names.qfont());
        QTextLayout probe(tall, names.qfont());
        probe.beginLayout();
        QTextLine line = probe.createLine();
        line.setLineWidth(metrics.horizontalAdvance(tall) * 2);
        const qreal tallAscent = line.ascent();
        probe.endLayout();
        if (tallAscent < metrics.ascent() + 2) {
            QSKIP("no installed face taller than the list's holds 山田 (fonts-droid-fallback has one)");
        }
        const QStringList rows{QString(), tall, QStringLiteral("Bob")};
        names.setCaption(rows.join(QLatin1Char('\n')));
        QImage drawn(names.pixelRect().size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            names.paint(painter);
        }
        names.setCaption(before);

        QImage expected(drawn.size(), QImage::Format_RGB32);
        expected.fill(drawn.pixel(0, 0));
        std::vector<int> tops{0};
        {
            QPainter painter(&expected);
            painter.setFont(names.qfont());
            painter.setPen(toQColor(names.foreColor()));
            for (const QString& row : rows) {
                painter.drawText(QPointF(0, tops.back() + metrics.ascent()), row);
                tops.push_back(int(std::ceil(tops.back() + metrics.lineSpacing())));
            }
        }
        // The first and last lines holding ink between two rows' tops.
        const auto inkBetween = [](const QImage& image, int from, int to) {
            std::pair<int, int> lines{-1, -1};
            for (int y = from; y < std::min(to, image.height()); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) != image.pixel(0, 0)) {
                        lines = {lines.first < 0 ? y : lines.first, y};
                        break;
                    }
                }
            }
            return lines;
        };
        for (std::size_t row = 1; row < std::size_t(rows.size()); ++row) {
            const auto [drawnTop, drawnBottom] = inkBetween(drawn, tops[row], tops[row + 1]);
            const auto [expectedTop, expectedBottom] = inkBetween(expected, tops[row], tops[row + 1]);
            QVERIFY2(std::abs(drawnTop - expectedTop) <= 1 && std::abs(drawnBottom - expectedBottom) <= 1,
                     qPrintable(QStringLiteral("row %1: ink on lines %2-%3, not %4-%5")
                                    .arg(row)
                                    .arg(drawnTop)
                                    .arg(drawnBottom)
                                    .arg(expectedTop)
                                    .arg(expectedBottom)));
        }
    }

    void quitLabelAndFramesWaitHidden()
    {
        F& ui = window->ui();
        QVERIFY(!ui.Label27.visible());
        QCOMPARE(ui.Label27.caption(), QStringLiteral("X"));
        QVERIFY(!ui.Command2.visible());
        QCOMPARE(ui.Command2.caption(), QStringLiteral("NEXT LEVEL"));
        QVERIFY(ui.Shape1.visible());
        QCOMPARE(QRect(ui.Shape1.left(), ui.Shape1.top(), ui.Shape1.width(), ui.Shape1.height()),
                 QRect(3090, 3330, 560, 560));
        for (const Shape& frame : ui.Shape2) {
            QVERIFY(!frame.visible());
            QCOMPARE(frame.width(), 555);
        }
        QCOMPARE(ui.Text1.maxLength(), 25);
        QCOMPARE(ui.Text1.text(), QStringLiteral("1234567890123456789012345"));
    }

    // Every picture comes out at the size its box shows, with as many pixels
    // as the density asks for, whether it was decoded from the full file or
    // from a smaller rendition of it. Sizes are worked out from the full file.
    void picturesAreSharpAtEveryDensity_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("density");
        const QStringList files{QStringLiteral(":/banner.jpg"), QStringLiteral(":/howto_arrow.jpg"),
                                GameFiles::besideProgram(window->folder.path()).picturesFolder +
                                    QStringLiteral("/door.jpg")};
        for (const QString& file : files) {
            for (const double density : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0}) {
                QTest::addRow("%s at %.2f", qPrintable(QFileInfo(file).fileName()), density) << file << density;
            }
        }
    }
    void picturesAreSharpAtEveryDensity()
    {
        QFETCH(QString, file);
        QFETCH(double, density);
        const QSize full = QImageReader(file).size();
        QVERIFY(full.isValid());
        const QSizeF shown = QSizeF(full) / 3.0;
        const double drawnAt = std::min(std::ceil(density * 2) / 2, 3.0);

        const Picture picture = decodePicture(file);
        const QPixmap& pixels = sharpPixels(picture, density);
        QCOMPARE(pixels.devicePixelRatio(), drawnAt);
        QVERIFY2(std::abs(pixels.width() - shown.width() * drawnAt) <= 1.0,
                 qPrintable(QString::number(pixels.width())));
        QVERIFY2(std::abs(pixels.height() - shown.height() * drawnAt) <= 1.0,
                 qPrintable(QString::number(pixels.height())));
    }

    // Pictures decoded ahead on their own thread come out as a plain read
    // would, and what happens to a file after the prefetch began is what
    // counts: one written since is read, one removed since is missing.
    void prefetchedPicturesAreThePicturesOfNow_data()
    {
        QTest::addColumn<bool>("thereAtPrefetch");
        QTest::addColumn<bool>("thereAtLoad");
        QTest::newRow("there all along") << true << true;
        QTest::newRow("written after the prefetch") << false << true;
        QTest::newRow("removed after the prefetch") << true << false;
    }
    void prefetchedPicturesAreThePicturesOfNow()
    {
        QFETCH(bool, thereAtPrefetch);
        QFETCH(bool, thereAtLoad);
        const QString source = GameFiles::besideProgram(window->folder.path()).picturesFolder + "/door.jpg";
        const QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("door.jpg"));
        if (thereAtPrefetch) {
            QVERIFY(QFile::copy(source, file));
        }
        PictureFiles pictures;
        pictures.prefetch({file, source});
        // The decoder takes the files in order: once it is done with the
        // second, it has tried the first as it was then.
        const QImage expected = pictures.load(source).pixels().toImage();
        if (thereAtLoad && !thereAtPrefetch) {
            QVERIFY(QFile::copy(source, file));
        }
        if (!thereAtLoad && thereAtPrefetch) {
            QVERIFY(QFile::remove(file));
        }
        if (!thereAtLoad) {
            QVERIFY_THROWS_EXCEPTION(PictureError, pictures.load(file));
            return;
        }
        QCOMPARE(pictures.load(file).pixels().toImage(), expected);
    }

    // Only an opaque control hides what lies under it: a transparent label
    // laid over "new game" leaves its caption drawn.
    void transparentLabelHidesNothing()
    {
        StartedWindow shown;
        shown.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.form.get()));
        F& ui = shown.ui();
        Label& under = ui.Label22;
        Label& over = ui.Label23;  // made after it, so stacked above it
        over.setCaption(QString());
        over.setTransparent(true);
        over.setGeometry(under.left() - 60, under.top() - 60, under.width() + 120, under.height() + 120);

        const QImage shot = shown.form->grab().toImage();
        const QRect area = shown.form->windowRectOf(under);
        const QRgb caption = toQColor(under.foreColor()).rgb();
        int captionPixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                captionPixels += shot.pixel(x, y) == caption ? 1 : 0;
            }
        }
        QVERIFY2(captionPixels > 100, qPrintable(QString::number(captionPixels)));
    }

    // Direction marks in a name turn none of the rows drawn below it.
    void aNameTurnsNoOtherRow()
    {
        Label& names = window->ui().Label32;
        const auto drawnFrom = [&names](const QString& caption, int top) {
            names.setCaption(caption);
            QImage drawn(names.pixelRect().size(), QImage::Format_RGB32);
            names.paint(*std::make_unique<QPainter>(&drawn));
            return drawn.copy(0, top, drawn.width(), drawn.height());
        };
        QCOMPARE(drawnFrom(QStringLiteral("\u202EAnn 1\nBob 2\n"), QFontMetrics(names.qfont()).lineSpacing()),
                 drawnFrom(QStringLiteral("Bob 2\n"), 0));
    }

    // A disabled box must look like an enabled one: it only stops answering.
    void disabledBoxLooksTheSame()
    {
        StartedWindow shown;
        shown.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.form.get()));
        F& ui = shown.ui();
        QVERIFY(controltree::clickWouldReach(ui.Label22));
        const QImage before = shown.form->grab().toImage();
        ui.Picture4.setEnabled(false);
        QCOMPARE(shown.form->grab().toImage(), before);
        QVERIFY(!ui.Label22.answersClicks());
        QVERIFY(!controltree::clickWouldReach(ui.Label22));
    }

    void timersWaitWithTheirIntervals_data()
    {
        QTest::addColumn<Timer F::*>("timer");
        QTest::addColumn<int>("interval");
        QTest::newRow("Timer1") << &F::Timer1 << 500;
        QTest::newRow("Timer2") << &F::Timer2 << 2500;
        QTest::newRow("Timer3") << &F::Timer3 << 300;
        QTest::newRow("Timer4") << &F::Timer4 << 1000;
        QTest::newRow("Timer5") << &F::Timer5 << 1000;
        QTest::newRow("Timer7") << &F::Timer7 << 200;
    }
    void timersWaitWithTheirIntervals()
    {
        QFETCH(Timer F::*, timer);
        QFETCH(int, interval);
        QCOMPARE((window->ui().*timer).interval(), interval);
        QVERIFY(!(window->ui().*timer).enabled());
    }

    // Whatever a pause lasts, to the millisecond, it is taken off: no tick
    // during it, the first after it when the rest of the interval has run (a
    // whole one for a timer switched off and on meanwhile), then one every
    // interval. By hand, and by the real clock.
    void aPausedTimerKeepsWhatWasLeft_data()
    {
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<bool>("realTime");
        for (const bool realTime : {false, true}) {
            for (const int pauseMs : {1, 7, 3'600'000}) {
                QTest::addRow("%d ms, %s", pauseMs, realTime ? "real clock" : "by hand") << pauseMs << realTime;
            }
        }
    }
    void aPausedTimerKeepsWhatWasLeft()
    {
        QFETCH(int, pauseMs);
        QFETCH(bool, realTime);
        constexpr int kInterval = 2500;
        HandClock clock;
        std::int64_t realNow = 0;
        std::optional<RealTimeClock> driver;
        if (realTime) {
            driver.emplace(clock, [&realNow] { return realNow; });
        }
        // Lets `ms` of real time pass, caught up as the window's clock is.
        const auto pass = [&](std::int64_t ms) {
            realNow += ms;
            if (driver) {
                driver->catchUp();
            } else {
                clock.advance(ms);
            }
        };
        Timer timer;
        timer.create(kInterval, clock);
        int ticks = 0;
        timer.onTick = [&ticks] { ++ticks; };
        timer.setEnabled(true);
        for (const int rest : {kInterval - 100, kInterval}) {
            pass(2 * kInterval + kInterval - rest);
            const int before = ticks;
            timer.pause();
            timer.setEnabled(rest != kInterval);
            timer.setEnabled(true);
            pass(pauseMs);
            timer.resume();
            pass(rest - 1);
            QCOMPARE(ticks, before);
            pass(1);
            QCOMPARE(ticks, before + 1);
            pass(kInterval - 1);
            QCOMPARE(ticks, before + 1);
            pass(1);
            QCOMPARE(ticks, before + 2);
        }
    }

    void exitClosesTheDatabaseAndTheWindow()
    {
        StartedWindow shown;
        shown.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.form.get()));
        QVERIFY(shown.game().cn.isOpen());
        Player(shown).click("exit");
        QVERIFY(!shown.game().cn.isOpen());
        QVERIFY(!shown.form->isVisible());
    }

private:
    std::unique_ptr<StartedWindow> window;
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
