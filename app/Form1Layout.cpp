#include "app/Form1Layout.h"

#include "app/ControlTable.h"
#include "app/Form1Controls.h"
#include "app/Game.h"
#include "app/controls/PictureFiles.h"
#include "common/GameWords.h"
#include "scoring/Rulebook.h"

#include <QFile>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <span>

namespace {

using F = Form1Controls;
using colours::kButtonFace;
using colours::kDarkRed;
using colours::kGreen;
using colours::kLightBlue;
using colours::kMenuBar;
using colours::kMenuText;
using colours::kOlive;
using colours::kRed;

// How a label looks: font, colours, alignment.
struct Look {
    Font font;
    Colour fore;
    Colour back = kMenuText;
    bool transparent = false;
    Alignment align = Alignment::Left;
    bool autoSize = false;
};

constexpr Font bold(double points) { return Font{points, true, false, false, Font::Face::Caption}; }
constexpr Font boldItalic(double points) { return Font{points, true, true, false, Font::Face::Caption}; }
constexpr Font plain(double points) { return Font{points, false, false, false, Font::Face::Caption}; }

const Look kScoreName{bold(15.75), kMenuBar};
const Look kScoreValue{bold(15.75), kMenuBar, kMenuText, false, Alignment::Right};
const Look kTotalName{bold(15.75), kRed};
const Look kTotalValue{bold(15.75), kRed, kMenuText, false, Alignment::Right};
const Look kMarker{bold(15.75), kOlive};
const Look kQuitX{bold(24), kRed, kMenuText, true, Alignment::Left, true};
const Look kCloseX{bold(24), kRed, kMenuText, true};
const Look kMoveMessage{bold(12), kGreen, kMenuText, true};
const Look kMenuItem{boldItalic(72), kLightBlue};
const Look kHelpText{bold(18), kLightBlue, kMenuText, true};
const Look kHelpHeading{Font{18, true, false, true, Font::Face::Caption}, kLightBlue, kMenuText, true};
const Look kCreditsText{bold(60), kLightBlue, kMenuText, true, Alignment::Center};
const Look kReset{bold(18), kRed, kMenuText, true, Alignment::Right, true};
const Look kListHeading{plain(27.75), kLightBlue};
const Look kNames{plain(27.75), kLightBlue};
const Look kScores{plain(27.75), kLightBlue, kMenuText, false, Alignment::Right};
const Look kLevels{plain(27.75), kLightBlue, kMenuText, false, Alignment::Center};
const Look kEntryPrompt{bold(36), kLightBlue, kMenuText, false, Alignment::Center};
const Look kSaveX{bold(72), kGreen, kMenuText, true, Alignment::Left, true};
const Look kResult{bold(36), kDarkRed, kButtonFace, false, Alignment::Center};
const Look kPauseTitle{boldItalic(72), kLightBlue, kMenuText, true, Alignment::Center};
const Look kPauseHint{bold(18), kLightBlue, kMenuText, true, Alignment::Center};
// The numbers on the cells use the plain system face.
const Look kCellNumber{Font{8.25, true, false, false, Font::Face::System}, colours::kButtonText, kMenuText, true};

struct LabelRow {
    Label F::*label;
    int left, top, width, height;
    const char* caption;
    const Look& look;
    bool visible = true;
};

void place(Label& label, Control& container, const LabelRow& row)
{
    label.setFont(row.look.font);
    label.setForeColor(row.look.fore);
    label.setBackColor(row.look.back);
    label.setTransparent(row.look.transparent);
    label.setAlignment(row.look.align);
    label.setCaption(QString::fromUtf8(row.caption));
    label.create(container);
    label.setGeometry(row.left, row.top, row.width, row.height);
    label.setAutoSize(row.look.autoSize);
    label.setVisible(row.visible);
}

void placeAll(F& ui, Control& container, std::span<const LabelRow> rows)
{
    for (const LabelRow& row : rows) {
        place(ui.*row.label, container, row);
    }
}

// clang-format off
const LabelRow kScoreColumn[] = {
    //   label          left   top  width height caption               look
    {&F::Label20,       0, 3000, 1575, 375, "prev level",        kScoreName},
    {&F::Label21,    1560, 3000,  855, 375, "0",                 kScoreValue},
    {&F::Label6,       20, 3480, 1575, 375, "time bonus",        kScoreName},
    {&F::Label7,     1560, 3480,  855, 375, "10000",             kScoreValue},
    {&F::Label9,       20, 3960, 1575, 375, "fast click",        kScoreName},
    {&F::Label8,     1560, 3960,  855, 375, "10000",             kScoreValue},
    {&F::Label10,      20, 4440, 1575, 375, "clicks",            kScoreName},
    {&F::Label11,    1560, 4440,  855, 375, "10000",             kScoreValue},
    {&F::Label12,      20, 4920, 1575, 375, "points",            kScoreName},
    {&F::Label13,    1560, 4920,  855, 375, "10000",             kScoreValue},
    {&F::Label18,      20, 5400, 1575, 375, "door",              kScoreName},
    {&F::Labeldoor,  1560, 5400,  855, 375, "0",                 kScoreValue},
    {&F::Label28,      20, 5880, 1575, 375, "squares",           kScoreName},
    {&F::Label29,    1560, 5880,  855, 375, "0",                 kScoreValue},
    {&F::Label14,      15, 6240, 2415, 135, "----------------",  kScoreName},
    {&F::Label15,       0, 6600, 1575, 375, "total",             kTotalName},
    {&F::Label16,    1560, 6600,  855, 375, "10000",             kTotalValue},
};

const LabelRow kWindowLabels[] = {
    {&F::Label3,     layout::kStartMarkerLeft, layout::kStartMarkerTop, 1335, 300, "START ==", kMarker},
    {&F::Label19,   12960,  2160, 1335, 300, "level 1",          kMarker},
    {&F::Label27,   14640,  2160,  225, 420, "X",                kQuitX,       false},
    {&F::Label4,     1920, 10200, 6495, 495, "Label4",           kMoveMessage},
};

const LabelRow kMenuItems[] = {
    {&F::Label22,    5760,   720, 5535, 1335, "new game",        kMenuItem},
    {&F::Label23,    1200,  2400, 6135, 1335, "hi-scores",       kMenuItem},
    {&F::Label24,    4440,  4200, 7575, 1335, "how to play",     kMenuItem},
    {&F::Label25,    2520,  6000, 4935, 1335, "credits",         kMenuItem},
    {&F::Label26,    8280,  6360, 3015, 1335, "exit",            kMenuItem},
};

const LabelRow kResultLines[] = {
    {&F::Label5,        0,     0, 11480, 600, "game over",       kResult},
    {&F::Label17,       0,   600, 11475, 600, "game over",       kResult},
};

const LabelRow kHiScoreLabels[] = {
    {&F::Label30,    4480,   120,  6135, 1335, "hi-scores",      kMenuItem},
    {&F::Label48,   14115,  1080,   900,  315, "reset",          kReset},
    {&F::Label31,     120,  1560, 14895,  615,
        "player                                          points  level",       kListHeading},
    {&F::Label32,     120,  2400, 10455, 5055, "111111111111111", kNames},
    {&F::Label33,   11400,  2400,  1815, 5055,
        "1111111 222222 333333 44444  5555 6666 7777 8888 9999 100000",         kScores},
    {&F::Label34,   13800,  2400,   855, 5055, "1",              kLevels},
    {&F::Label35,   14640,     0,   255,  375, "X",              kCloseX},
};

const LabelRow kNameEntryLabels[] = {
    {&F::Label36,    2640,   120,  9615,  855, "please insert your name", kEntryPrompt},
    {&F::Label37,   11520,  1155,   645, 1245, "x",              kSaveX},
};

const LabelRow kCreditsLabels[] = {
    {&F::Label39,     240,   600, 14175, 2655, "    designed and created  by", kCreditsText},
    {&F::Label40,     240,  3600, 14175, 3375, "the Quorbit team\nquorbit@example.org", kCreditsText},
    {&F::Label38,   14640,     0,   255,  375, "X",              kCloseX},
};

const LabelRow kHowToPlayLabels[] = {
    {&F::Label41,     960,   465,  6735,  375, "the door - you won - go to next level", kHelpText},
    {&F::Label42,     960,  1180,  5055,  375, "black hole - you lose",                 kHelpText},
    {&F::Label43,     960,  1905,  6375,  375, "green box - you can't use it again",    kHelpText},
    {&F::Label44,     960,  2625,  8415,  615,
        "get moving with the arrows and numbers - click on picture to rotate the arrows and numbers", kHelpText},
    {&F::Label46,     240,  3720,  8415,  615, "POINTS",         kHelpHeading},
    {&F::Label47,     240,  4200, 14535, 2535, words::kHowToPlayPoints, kHelpText},
    {&F::Label45,   14640,     0,   255,  375, "X",              kCloseX},
};

// The hint's keys are filled in from the table of keys.
const LabelRow kPauseLabels[] = {
    {&F::PauseTitle,    0,  2400, 14580, 1335, "PAUSED",         kPauseTitle},
    {&F::PauseHint,     0,  4080, 14580,  615, "",               kPauseHint},
};

struct BoxRow {
    PictureBox F::*box;
    int left, top, width, height;
    PictureBox::Border border;
    Colour back;
    const char* picture;  // an embedded design picture, or none
    bool visible;
};

constexpr auto kNone = PictureBox::Border::None;
constexpr auto kSingle = PictureBox::Border::FixedSingle;

// The four panels that share the menu's place, and the banner.
const BoxRow kBanner     {&F::Picture2,  460,    0, 13890,  2175, kNone,   kMenuText,   ":/banner.jpg", true};
const BoxRow kMenu       {&F::Picture4,    0, 1920, 15135,  9015, kNone,   kMenuText,   nullptr,        true};
const BoxRow kResultPanel{&F::Picture3, 2880, 4500, 11480,  1215, kSingle, kButtonFace, nullptr,        false};
// Over the board, the score column and the move message; the level above it
// and the quit's X right of it stay in view.
const BoxRow kPauseCover {&F::PauseCover,  0, 2475, 14580,  8460, kNone,   kMenuText,   nullptr,        false};
const BoxRow kHiScores   {&F::Picture5,    0, 1920, 15135,  9015, kNone,   kMenuText,   nullptr,        false};
const BoxRow kNameEntry  {&F::Picture6,  120,    0, 14895,  8895, kSingle, kMenuText,   nullptr,        false};
const BoxRow kCredits    {&F::Picture7,    0, 1920, 15135,  9015, kNone,   kMenuText,   nullptr,        false};
const BoxRow kHowToPlay  {&F::Picture8,    0, 1920, 15135,  9015, kNone,   kMenuText,   nullptr,        false};

const BoxRow kHowToPlayIcons[] = {
    {&F::Picture9,   240,  480,   540,  540, kSingle, kMenuText, ":/howto_door.jpg",      true},
    {&F::Picture10,  240, 1200,   540,  540, kSingle, kMenuText, ":/howto_blackhole.jpg", true},
    {&F::Picture11,  240, 1920,   540,  540, kSingle, kMenuText, ":/howto_greenbox.jpg",  true},
    {&F::Picture12,  240, 2640,   555,  555, kSingle, kMenuText, ":/howto_arrow.jpg",     true},
};
// clang-format on

// The boxes that show a picture of the design.
const std::array<const BoxRow*, 5> kPictureRows{
    &kBanner, &kHowToPlayIcons[0], &kHowToPlayIcons[1], &kHowToPlayIcons[2], &kHowToPlayIcons[3],
};

PictureBox& place(F& ui, Control& container, const BoxRow& row)
{
    PictureBox& box = ui.*row.box;
    box.setBorder(row.border);
    box.setBackColor(row.back);
    box.create(container);
    box.setGeometry(row.left, row.top, row.width, row.height);
    box.setVisible(row.visible);
    return box;
}

// Set once every control is made, so that their decoding, started before,
// had all that time on its own thread.
void setDesignPictures(F& ui, PictureFiles& pictures)
{
    for (const BoxRow* row : kPictureRows) {
        try {
            (ui.*row->box).setPicture(pictures.load(QString::fromLatin1(row->picture)));
        } catch (const PictureError&) {
            // The design pictures are built into the program; should one be
            // lost all the same, the box shows its background instead.
        }
    }
}

void buildScoreColumnAndMarkers(F& ui)
{
    placeAll(ui, ui.Form1, kScoreColumn);
    placeAll(ui, ui.Form1, kWindowLabels);

    ui.Shape1.setBorderColor(colours::kYellow);
    ui.Shape1.create(ui.Form1);
    ui.Shape1.setGeometry(3090, 3330, 560, 560);

    for (Shape& frame : ui.Shape2) {
        frame.setKind(Shape::Kind::RoundedSquare);
        frame.setBorderColor(colours::kBrightGreen);
        frame.setBorderWidth(4);
        frame.create(ui.Form1);
        frame.setGeometry(0, 0, 555, 555);
        frame.setVisible(false);
    }
}

void buildMenu(F& ui)
{
    PictureBox& menu = place(ui, ui.Form1, kMenu);
    placeAll(ui, menu, kMenuItems);
}

void buildBoard(F& ui)
{
    constexpr int kCellSize = 495;
    const LabelRow number{nullptr, 0, 0, 135, 255, "5", kCellNumber};
    for (int i = 0; i < board::kCells; ++i) {
        PictureBox& cell = ui.Picture1[i];
        cell.setBorder(kSingle);
        cell.setBackColor(kMenuText);
        cell.setStretchPicture(true);
        cell.create(ui.Form1);
        cell.setGeometry(0, 0, kCellSize, kCellSize);
        place(ui.Label1[i], cell, number);
        place(ui.Label2[i], cell, number);
    }
}

void buildResultPanel(F& ui)
{
    PictureBox& panel = place(ui, ui.Form1, kResultPanel);
    placeAll(ui, panel, kResultLines);
    ui.Command2.create(panel);
    ui.Command2.setCaption(QStringLiteral("NEXT LEVEL"));
    ui.Command2.setFont(bold(14.25));
    ui.Command2.setBackColor(colours::kGrey);
    ui.Command2.setGeometry(8760, 480, 2415, 375);
    ui.Command2.setVisible(false);
}

void buildPauseCover(F& ui)
{
    PictureBox& cover = place(ui, ui.Form1, kPauseCover);
    placeAll(ui, cover, kPauseLabels);
    ui.PauseHint.setCaption(
        QStringLiteral("the level is paused - press %1 to resume").arg(keyNames(&Game::ResumeLevel)));
}

void buildHiScorePanel(F& ui)
{
    PictureBox& panel = place(ui, ui.Form1, kHiScores);
    placeAll(ui, panel, kHiScoreLabels);
    PictureBox& entry = place(ui, panel, kNameEntry);
    placeAll(ui, entry, kNameEntryLabels);
    ui.Text1.create(entry);
    ui.Text1.setFont(bold(36));
    ui.Text1.setColours(kLightBlue, kMenuText);
    ui.Text1.setMaxLength(25);
    ui.Text1.setText(QStringLiteral("1234567890123456789012345"));
    ui.Text1.setGeometry(2640, 1320, 8655, 975);
}

void buildCreditsPanel(F& ui)
{
    PictureBox& panel = place(ui, ui.Form1, kCredits);
    placeAll(ui, panel, kCreditsLabels);
}

void buildHowToPlayPanel(F& ui)
{
    PictureBox& panel = place(ui, ui.Form1, kHowToPlay);
    placeAll(ui, panel, kHowToPlayLabels);
    for (const BoxRow& row : kHowToPlayIcons) {
        place(ui, panel, row);
    }
    // The sample tile carries two numbers, like a cell of the board.
    const LabelRow first{nullptr, 160, 0, 135, 255, "5", kCellNumber};
    const LabelRow second{nullptr, 360, 160, 135, 255, "5", kCellNumber};
    // cppcheck-suppress danglingTemporaryLifetime ; the rows refer to kCellNumber, which lives as long as the program
    place(ui.Label2[board::kCells], ui.Picture12, first);
    // cppcheck-suppress danglingTemporaryLifetime ; as above
    place(ui.Label2[board::kCells + 1], ui.Picture12, second);
}

struct TimerRow {
    Timer F::*timer;
    int intervalMs;
};

const TimerRow kTimers[] = {
    {&F::Timer1, 500},
    {&F::Timer2, rulebook::kTimeBonusTickMs},
    {&F::Timer3, rulebook::kFastClickTickMs},
    {&F::Timer4, 1000},
    {&F::Timer5, 1000},
    {&F::Timer7, 200},
};

}  // namespace

QStringList designPictureFiles()
{
    QStringList files;
    for (const BoxRow* row : kPictureRows) {
        files << QString::fromLatin1(row->picture);
    }
    return files;
}

void buildForm1(Form1Controls& ui, QWidget* window, PictureFiles& pictures, HandClock& clock)
{
    ui.Form1.create(window);
    // Bottom to top: what lies on the window's own surface, then the menu,
    // the banner, the cells, and the panels that open over them (a paused
    // level's cover over the result panel of its countdown).
    buildScoreColumnAndMarkers(ui);
    buildMenu(ui);
    place(ui, ui.Form1, kBanner);
    buildBoard(ui);
    buildResultPanel(ui);
    buildPauseCover(ui);
    buildHiScorePanel(ui);
    buildCreditsPanel(ui);
    buildHowToPlayPanel(ui);
    for (const TimerRow& row : kTimers) {
        (ui.*row.timer).create(row.intervalMs, clock);
    }
    setDesignPictures(ui, pictures);
}
