#include "app/Form1.h"

#include "app/ControlTable.h"
#include "app/Form1Layout.h"
#include "app/accessibility/AccessibleForm.h"
#include "app/controls/ControlTree.h"
#include "app/hiscores/HiScoreFailure.h"
#include "app/replay/RecordedInputs.h"
#include "common/GameWords.h"
#include "replay/RecordingFile.h"
#include "storage/DatabaseError.h"
#include "storage/HiScoreQuery.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>
#include <utility>

namespace {

using F = Form1Controls;

struct TimerTick {
    Timer F::*timer;
    void (Game::*handler)();
};

const TimerTick kTimerTicks[] = {
    {&F::Timer1, &Game::Timer1_Timer}, {&F::Timer2, &Game::Timer2_Timer}, {&F::Timer3, &Game::Timer3_Timer},
    {&F::Timer4, &Game::Timer4_Timer}, {&F::Timer5, &Game::Timer5_Timer}, {&F::Timer7, &Game::Timer7_Timer},
};

QIcon gameIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"}) {
        icon.addFile(QStringLiteral(":/icon%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace

Form1::Form1(const GameFiles& files, RandomSource& random, MessageBoxes& boxes, PreparedDatabaseKey* preparedKey,
             Ticks ticks)
    // Resizable and maximisable, unlike the fixed window the layout was
    // drawn for: a window that does not fit the screen cuts the game off.
    : QWidget(nullptr, Qt::Window),
      realTime_(ticks == Ticks::FromClock ? std::make_unique<RealTimeClock>(clock_) : nullptr), answers_(boxes),
      game_(ui_, files, random, answers_, preparedKey)
{
    game_.recorder.attach(clock_);
    answers_.recorder = &game_.recorder;
    installAccessibleForm();
    setWindowTitle(words::kTitle);
    // The icon follows as soon as the window is up: nothing in the window
    // waits for it, and reading its six files held the window back a
    // millisecond and more.
    QTimer::singleShot(0, this, [this] { setWindowIcon(gameIcon()); });

    // The pictures are decoded on a thread of their own while the controls
    // are made; the design's are set last, the tiles read by Form_Load.
    game_.pictures().prefetch(designPictureFiles() + game_.TilePictureFiles());
    buildForm1(ui_, this, game_.pictures(), clock_);
    connectHandlers();
    built_ = true;
    readerMayAsk(*this);
}

void Form1::connectHandlers()
{
    for (const ControlRow& row : controlTable()) {
        if (row.click) {
            row.control(ui_, game_)->onClick = [this, click = row.click] { perform(click); };
        }
    }
    for (const TimerTick& tick : kTimerTicks) {
        (ui_.*tick.timer).onTick = [this, tick = tick.handler] {
            (game_.*tick)();
            changed(Mover::Clock);
        };
    }
    for (std::int16_t i = 0; i < board::kCells; ++i) {
        ui_.Picture1[i].onClick = [this, i] { performOnCell(&Game::Picture1_Click, i); };
        ui_.Label1[i].onClick = [this, i] { performOnCell(&Game::Label1_Click, i); };
        ui_.Label2[i].onClick = [this, i] { performOnCell(&Game::Label2_Click, i); };
    }
    keyboard_.perform = [this](GameAction action) { perform(action); };
    listHighlight_.onChosen = [this](int row) { watchListedRow(row); };
    ui_.Form1.onShownOrHidden = [this](const Control&) {
        keyboard_.viewChanged();
        listHighlight_.viewChanged();
        changed(Mover::Clock);
    };
    keyboard_.viewChanged();  // the menu the window opens on
}

// After each input, whoever watches the window hears that the game may have
// changed.
void Form1::perform(GameAction action)
{
    if (watched_) {
        return;  // a watched game is played by its recording alone
    }
    catchUpClock();
    if (const auto input = recordedAs(action)) {
        game_.recorder.note(*input);
    }
    (game_.*action)();
    changed(Mover::Player);
}

void Form1::performOnCell(CellAction action, std::int16_t cell)
{
    if (watched_) {
        return;
    }
    catchUpClock();
    if (const auto input = recordedAs(action)) {
        game_.recorder.note(*input, cell);
    }
    (game_.*action)(cell);
    changed(Mover::Player);
}

bool Form1::playBack(const replay::Step& step)
{
    if (const CellAction action = cellActionOf(step.input)) {
        if (!controltree::clickWouldReach(cellControlOf(ui_, step.input, step.cell))) {
            return false;
        }
        (game_.*action)(step.cell);
        changed(Mover::Player);
        return true;
    }
    const GameAction action = gameActionOf(step.input);
    if (!action || !keyboard_.wouldTake(action)) {
        return false;
    }
    playBack(action);
    return true;
}

void Form1::playBack(GameAction action)
{
    (game_.*action)();
    changed(Mover::Player);
}

void Form1::changed(Mover mover) const
{
    if (onChanged) {
        onChanged(mover);
    }
}

QRect Form1::windowRectOf(const Control& control) const { return ui_.Form1.windowRectOf(control).toRect(); }

void Form1::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    ui_.Form1.paintControls(painter, event->rect());
    if (const std::optional<int> row = listHighlight_.highlighted()) {
        const double width = 2 * ui_.Form1.viewport().scale();
        painter.setPen(QPen(toQColor(ui_.Label32.foreColor()), width));
        painter.drawRect(listRowRect(*row).adjusted(-width, 0, width, 0));
    }
    if (const Label* item = keyboard_.highlighted()) {
        // A frame in the items' own colour, a pixel of the design outside
        // the caption's label, scaled with the rest.
        constexpr int kFramePixels = 2;
        const double width = kFramePixels * ui_.Form1.viewport().scale();
        painter.setPen(QPen(toQColor(item->foreColor()), width));
        painter.drawRect(QRectF(windowRectOf(*item)).adjusted(-width, -width, width, width));
    }
}

bool Form1::watch(replay::Recording recording, std::function<void()> left)
{
    ui_.Picture5.setVisible(false);
    watched_ = std::make_unique<WatchedGame>(*this, std::move(recording), [this, left = std::move(left)] {
        if (watched_) {
            stopWatching();
            left();
        }
    });
    if (!watched_->start()) {
        stopWatching();
        return false;
    }
    return true;
}

void Form1::watchListedRow(int row)
{
    std::optional<QByteArray> recording;
    try {
        recording = recordings::pairedWithRows(game_.rs, recordings::readAll(game_.cn)).value(row).recording;
    } catch (const DatabaseError& error) {
        reportHiScoreFailure(answers_, QStringLiteral("The recorded game could not be read"), error);
        return;
    }
    const replay::Decoded decoded = replay::decode(recording.value_or(QByteArray()));
    if (!recording || !decoded.recording) {
        answers_.show(
            recording
                ? QStringLiteral("This game's recording is damaged (%1), so it cannot be played.").arg(decoded.error)
                : QStringLiteral("This game was saved by an earlier release of the game and has no "
                                 "recording to play."),
            MessageBoxes::Buttons::Ok, words::kTitle);
        return;
    }
    // Back on the list when the game is over or left, the highlight on its row.
    watch(*decoded.recording, [this] { perform(&Game::Label23_Click); });
}

QRectF Form1::listRowRect(int row) const
{
    // The rows follow each other at the names' line pitch, each on a whole
    // pixel of the design, as the list draws them.
    const double pitch = QFontMetricsF(ui_.Label32.qfont()).lineSpacing();
    double top = 0;
    for (int above = 0; above < row; ++above) {
        top = std::ceil(top + pitch);
    }
    const double scale = ui_.Form1.viewport().scale();
    const QRectF names = ui_.Form1.windowRectOf(ui_.Label32);
    const QRectF levels = ui_.Form1.windowRectOf(ui_.Label34);
    return {names.left(), names.top() + top * scale, levels.right() - names.left(), pitch * scale};
}

// Whatever the watched game had on the window goes, as at a game's end, and
// the menu shows again.
void Form1::stopWatching()
{
    watched_.reset();
    for (Timer* timer : ui_.timers()) {
        timer->setEnabled(false);
        timer->resume();
    }
    for (Control* shown :
         std::initializer_list<Control*>{&ui_.PauseCover, &ui_.Picture3, &ui_.Command2, &ui_.Label27}) {
        shown->setVisible(false);
    }
    game_.HideAllCells();
    ui_.Picture4.setVisible(true);
    changed(Mover::Clock);
}

void Form1::catchUpClock()
{
    // Whatever fell due before the player acted comes first, as it would
    // have had the window been quicker.
    if (realTime_) {
        realTime_->catchUp();
    }
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (watched_) {
        if (!watched_->keyPressed(Qt::Key(event->key()))) {
            QWidget::keyPressEvent(event);
        }
        return;
    }
    if (listHighlight_.keyPressed(Qt::Key(event->key()))) {
        update();
        return;
    }
    catchUpClock();
    if (event->key() == kScoreKey.key && kScoreKey.screens.contains(::screen(ui_))) {
        if (AccessibleForm* reader = accessibleFormOf(*this); reader && QAccessible::isActive()) {
            reader->tellScore();
        }
        return;
    }
    if (!keyboard_.keyPressed(Qt::Key(event->key()), event->modifiers())) {
        QWidget::keyPressEvent(event);
    }
    // The highlight may have moved, appeared or gone with the click.
    update();
    changed(Mover::Player);
}

void Form1::changeEvent(QEvent* event)
{
    // A question box holds the game until it is answered, pause or not.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !QApplication::activeModalWidget() &&
        !watched_) {
        catchUpClock();
        keyboard_.windowMinimised();
        changed(Mover::Clock);
    }
    QWidget::changeEvent(event);
}

void Form1::resizeEvent(QResizeEvent*) { ui_.Form1.placeNativeWidgets(); }

void Form1::mousePressEvent(QMouseEvent* event)
{
    // A watched game takes no clicks: it is played by its recording.
    if (watched_) {
        return;
    }
    pressed_ = event->button() == Qt::LeftButton ? ui_.Form1.controlAt(event->position()) : nullptr;
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    Control* pressed = std::exchange(pressed_, nullptr);
    // A click on a row's name watches its game.
    if (!pressed && event->button() == Qt::LeftButton && ::screen(ui_) == Screen::HiScores &&
        ui_.Form1.windowRectOf(ui_.Label32).contains(event->position())) {
        for (int row = 0; row < hiscores::kShownRows; ++row) {
            if (listRowRect(row).contains(event->position())) {
                listHighlight_.choose(row);
                return;
            }
        }
    }
    if (pressed && event->button() == Qt::LeftButton && ui_.Form1.controlAt(event->position()) == pressed) {
        pressed->deliverClick();
    }
}
