#include "app/ControlTable.h"

#include "app/Form1Controls.h"
#include "app/Game.h"

#include <QKeySequence>
#include <QStringList>
#include <cstring>

namespace {

using F = Form1Controls;
using enum Speech;
using enum Screen;
using QAccessible::Button;
using QAccessible::EditableText;
using QAccessible::StaticText;
template <auto member> Control* at(F& ui, const GameState&) { return &(ui.*member); }

// The cell a field of the record points at; none while it points nowhere.
template <std::int16_t GameState::*field> Control* cellAt(F& ui, const GameState& state)
{
    const int cell = state.*field;
    return cell >= 0 && cell < board::kCells ? &ui.Picture1[std::size_t(cell)] : nullptr;
}
constexpr auto kPlayerCell = cellAt<&GameState::playerCell>;
constexpr auto kTargetCell = cellAt<&GameState::targetCell>;

constexpr Qt::Key kNoKey = Qt::Key_unknown;
constexpr Qt::Key kEscape = Qt::Key_Escape;
constexpr Qt::Key kReturn = Qt::Key_Return;
constexpr Qt::Key kSpace = Qt::Key_Space;
constexpr Qt::Key kF1 = Qt::Key_F1;
constexpr Qt::Key kR = Qt::Key_R;

// The board and the score column are in view from a level's countdown until
// the pause after a lost game ends, but for a paused level's cover over them;
// the quit's X too, from the second level's countdown on (a level won leaves
// it shown), and above the cover. The cells answer in play alone.
constexpr Screens kGameOn{Countdown, Playing, LevelWon, GameOverPause};
// The result panel shows the countdown, a won level's total and a lost one's.
constexpr Screens kResultShown{Countdown, LevelWon, GameOverPause};
// The reader's focus follows the countdown's steps, then a lost game's result.
constexpr Screens kResultRead{Countdown, GameOverPause};
// A level may be paused while it counts down or is played.
constexpr Screens kInPlay{Countdown, Playing};
constexpr Screens kLevelShown{Countdown, Playing, Paused, LevelWon, GameOverPause};
constexpr Screens kNone{};

// Columns: the control, its words, its role, how a reader reads it out, its
// key, the screens it may be seen on, those where the reader's focus rests on
// it, those where its news is heard with the focus, the handler of its click.
// clang-format off
const ControlRow kControls[] = {
    {at<&F::Label22>,   "new game",           Button,       Caption,     kNoKey,  {Menu},       kNone,       kNone,       &Game::Label22_Click},
    {at<&F::Label23>,   "hi-scores",          Button,       Caption,     kNoKey,  {Menu},       kNone,       kNone,       &Game::Label23_Click},
    {at<&F::Label24>,   "how to play",        Button,       Caption,     kF1,     {Menu},       kNone,       kNone,       &Game::Label24_Click},
    {at<&F::Label25>,   "credits",            Button,       Caption,     kNoKey,  {Menu},       kNone,       kNone,       &Game::Label25_Click},
    {at<&F::Label26>,   "exit",               Button,       Caption,     kNoKey,  {Menu},       kNone,       kNone,       &Game::Label26_Click},
    {at<&F::Label48>,   "reset",              Button,       Caption,     kR,      {HiScores},   kNone,       kNone,       &Game::Label48_Click},
    {at<&F::Label35>,   "close",              Button,       Words,       kEscape, {HiScores},   kNone,       kNone,       &Game::Label35_Click},
    {at<&F::Label38>,   "close",              Button,       Words,       kEscape, {Credits},    {Credits},   kNone,       &Game::Label38_Click},
    {at<&F::Label45>,   "close",              Button,       Words,       kEscape, {HowToPlay},  {HowToPlay}, kNone,       &Game::Label45_Click},
    {at<&F::Label37>,   "save name",          Button,       Words,       kReturn, {NameEntry},  kNone,       kNone,       &Game::Label37_Click},
    {at<&F::Label41>,   "the door",           StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label42>,   "black hole",         StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label43>,   "green box",          StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label44>,   "moving and turning", StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label46>,   "points heading",     StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label47>,   "scoring rules",      StaticText,   Caption,     kNoKey,  {HowToPlay},  kNone,       {HowToPlay}, nullptr},
    {at<&F::Label39>,   "credits line",       StaticText,   Caption,     kNoKey,  {Credits},    kNone,       {Credits},   nullptr},
    {at<&F::Label40>,   "authors",            StaticText,   Caption,     kNoKey,  {Credits},    kNone,       {Credits},   nullptr},
    {at<&F::Label32>,   "hi-scores",          StaticText,   HiScoreList, kNoKey,  {HiScores},   {HiScores},  kNone,       nullptr},
    {at<&F::Text1>,     "your name",          EditableText, Entry,       kNoKey,  {NameEntry},  {NameEntry}, kNone,       nullptr},
    {at<&F::Label19>,   "level",              StaticText,   Caption,     kNoKey,  kLevelShown,  kNone,       {Countdown}, nullptr},
    {at<&F::Label21>,   "prev level",         StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label7>,    "time bonus",         StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label8>,    "fast click",         StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label11>,   "clicks",             StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label13>,   "points",             StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Labeldoor>, "door",               StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label29>,   "squares",            StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label16>,   "total",              StaticText,   Counter,     kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label27>,   "quit game",          Button,       Words,       kEscape, kLevelShown,  kNone,       kNone,       &Game::Label27_Click},
    {nullptr,           "board",              Button,       Board,       kNoKey,  kGameOn,      kNone,       kNone,       nullptr},
    {kPlayerCell,       "player",             Button,       OnTheBoard,  kSpace,  kGameOn,      {Playing},   kNone,       nullptr},
    {kTargetCell,       "target",             Button,       OnTheBoard,  kReturn, kGameOn,      kNone,       kNone,       nullptr},
    {at<&F::Label4>,    "move message",       StaticText,   Caption,     kNoKey,  kGameOn,      kNone,       {Playing},   nullptr},
    {at<&F::Picture3>,  "result",             StaticText,   Result,      kNoKey,  kResultShown, kResultRead, {LevelWon},  nullptr},
    {at<&F::Command2>,  "NEXT LEVEL",         Button,       Caption,     kReturn, {LevelWon},   {LevelWon},  kNone,       &Game::Command2_Click},
    {at<&F::PauseHint>, "paused",             StaticText,   Caption,     kNoKey,  {Paused},     {Paused},    kNone,       nullptr},
};

const KeyAction kKeyActions[] = {
    {Qt::Key_P,     kInPlay,  &Game::PauseLevel},
    {Qt::Key_Pause, kInPlay,  &Game::PauseLevel},
    {Qt::Key_P,     {Paused}, &Game::ResumeLevel},
    {Qt::Key_Pause, {Paused}, &Game::ResumeLevel},
};
// clang-format on

}  // namespace

const ReaderKey kScoreKey{Qt::Key_S, kInPlay};

std::span<const ControlRow> controlTable() { return kControls; }

std::span<const KeyAction> keyActions() { return kKeyActions; }

QString keyNames(void (Game::*action)())
{
    QStringList names;
    for (const KeyAction& row : kKeyActions) {
        const QString name = QKeySequence(row.key).toString(QKeySequence::NativeText);
        if (row.action == action && !names.contains(name)) {
            names << name;
        }
    }
    return names.join(QStringLiteral(" or "));
}

const ControlRow* controlRow(const char* words, Screen shown)
{
    for (const ControlRow& row : kControls) {
        if (std::strcmp(row.words, words) == 0 && row.screens.contains(shown)) {
            return &row;
        }
    }
    return nullptr;
}
