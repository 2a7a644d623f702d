#include "app/accessibility/AccessibleForm.h"

#include "app/ControlTable.h"
#include "app/Form1.h"
#include "app/Screen.h"
#include "app/accessibility/AccessibleControl.h"
#include "app/accessibility/HiddenTextFilter.h"
#include "app/controls/ControlTree.h"

#include <QApplication>
#include <QMetaObject>
#include <QSet>
#include <QWindow>
#include <algorithm>
#include <iterator>

namespace {

// The windows a reader asked for while they were being built.
QSet<const QObject*> askedWhileBuilt;

QAccessibleInterface* formFactory(const QString&, QObject* object)
{
    auto* form = dynamic_cast<Form1*>(object);
    if (!form) {
        return nullptr;
    }
    if (form->isBuilt()) {
        return new AccessibleForm(*form);
    }
    // Qt 6.8 asks while the window is being built (its title is news to a
    // reader), before any control exists: it gets Qt's plain interface for
    // now, which goes once the window is built.
    askedWhileBuilt.insert(form);
    return nullptr;
}

// The words a reader hears as the game leaves a screen where no control says
// so: the cover going from a paused level.
struct ScreenLeft {
    Screen from;
    Screens to;
    const char* words;
};
constexpr ScreenLeft kScreensLeft[] = {
    {Screen::Paused, {Screen::Countdown, Screen::Playing}, "resumed"},
};

// On the menu the reader's focus is the keyboard's highlight; elsewhere the
// table of controls says where it rests on each screen.
const Control* focusedControl(Form1& form)
{
    const Screen shown = screen(form.controls());
    if (shown == Screen::Menu) {
        return &form.keyboard().menuItem();
    }
    for (const ControlRow& row : controlTable()) {
        if (row.focus.contains(shown)) {
            return row.control(form.controls(), form.game());
        }
    }
    return nullptr;
}

}  // namespace

// The hooks on the window find its interface anew each time rather than
// holding on to one that Qt may have deleted.
AccessibleForm* accessibleFormOf(Form1& form)
{
    return dynamic_cast<AccessibleForm*>(QAccessible::queryAccessibleInterface(&form));
}

void installAccessibleForm()
{
    static const bool installed = (QAccessible::installFactory(&formFactory), installHiddenTextFilter(), true);
    Q_UNUSED(installed);
}

void readerMayAsk(Form1& form)
{
    if (askedWhileBuilt.remove(&form)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&form)));
    }
}

AccessibleForm::AccessibleForm(Form1& form)
    : QAccessibleWidget(&form, QAccessible::Window), form_(form), spoken_(spokenControls(form)), ids_(spoken_.size(), 0)
{
    for (std::size_t index = 0; index < spoken_.size(); ++index) {
        const SpokenControl& spoken = spoken_[index];
        indexOf_.insert(spoken.control, index);
        toldNames_.push_back(spoken.name());
        if (QWidget* widget = qtWidgetOf(index)) {
            widget->setAccessibleName(toldNames_.back());
        }
    }
    toldView_ = inView();
    // Watched only from the moment a reader first asks for the window:
    // without one, the game's many changes a second cost nothing more.
    // Watched only from the moment a reader first asks for the window, and
    // worked out only while a reader listens: without one, the game's many
    // changes a second cost nothing more.
    form.onChanged = [&form](Form1::Mover mover) {
        if (AccessibleForm* accessible = accessibleFormOf(form)) {
            accessible->boardMayHaveChanged_ |= mover == Form1::Mover::Player;
            if (QAccessible::isActive()) {
                accessible->catchUpLater();
            }
        }
    };
    // Wherever the keyboard goes, a question box or another window, the
    // reader goes with it; once the window is active again, the reader hears
    // where it stands. A reader takes no focus in a window before it is
    // active, as at start-up.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &form, [&form](QWindow* now) {
        AccessibleForm* accessible = accessibleFormOf(form);
        if (accessible && now && now == form.windowHandle()) {
            accessible->toldFocus_ = kNone;
            accessible->catchUpLater();
        }
    });
    // The reader hears where its focus starts.
    catchUpLater();
}

// Runs when the window is gone, with its controls: only Qt's records of the
// children are touched.
AccessibleForm::~AccessibleForm()
{
    for (const QAccessible::Id id : focusObjects_) {
        if (id != 0 && std::find(ids_.begin(), ids_.end(), id) == ids_.end()) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    for (const QAccessible::Id id : ids_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

const std::vector<std::size_t>& AccessibleForm::inView() const
{
    // A reader walks the children one call at a time, and each call asks
    // which are in view: the answer is kept until a control moves, shows or
    // hides.
    const std::uint64_t arrangement = form_.controls().Form1.arrangement();
    if (!inViewArrangement_ || *inViewArrangement_ != arrangement) {
        inView_.clear();
        for (std::size_t index = 0; index < spoken_.size(); ++index) {
            if (controltree::clickWouldLand(*spoken_[index].control)) {
                inView_.push_back(index);
            }
        }
        inViewArrangement_ = arrangement;
    }
    return inView_;
}

// The entry box is Qt's own line edit, which reads and edits its text.
QWidget* AccessibleForm::qtWidgetOf(std::size_t index) const
{
    const SpokenControl& spoken = spoken_[index];
    return spoken.role == QAccessible::EditableText ? spoken.control->nativeWidget() : nullptr;
}

QAccessibleInterface* AccessibleForm::interfaceOf(std::size_t index) const
{
    if (QWidget* widget = qtWidgetOf(index)) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    QAccessible::Id& id = ids_[index];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new AccessibleControl(form_, spoken_[index]));
    }
    return QAccessible::accessibleInterface(id);
}

QString AccessibleForm::text(QAccessible::Text t) const
{
    // The screen the game is on, for a reader that asks where it is.
    if (t == QAccessible::Description) {
        return QString::fromLatin1(screenWords(screen(form_.controls())));
    }
    return QAccessibleWidget::text(t);
}

int AccessibleForm::childCount() const { return int(inView().size()); }

QAccessibleInterface* AccessibleForm::child(int index) const
{
    const std::vector<std::size_t>& shown = inView();
    return index >= 0 && std::size_t(index) < shown.size() ? interfaceOf(shown[std::size_t(index)]) : nullptr;
}

int AccessibleForm::indexOfChild(const QAccessibleInterface* child) const
{
    const std::vector<std::size_t>& shown = inView();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (interfaceOf(shown[i]) == child) {
            return int(i);
        }
    }
    return -1;
}

QAccessibleInterface* AccessibleForm::childAt(int x, int y) const
{
    for (const std::size_t index : inView()) {
        QAccessibleInterface* candidate = interfaceOf(index);
        if (candidate->rect().contains(x, y)) {
            return candidate;
        }
    }
    return nullptr;
}

std::size_t AccessibleForm::focusIndex() const
{
    const Control* focused = focusedControl(form_);
    return focused && controltree::clickWouldLand(*focused) ? indexOf_.value(focused, kNone) : kNone;
}

QAccessibleInterface* AccessibleForm::focusChild() const
{
    const std::size_t index = focusIndex();
    return index == kNone ? nullptr : interfaceOf(index);
}

void AccessibleForm::catchUpLater()
{
    if (catchUpPosted_) {
        return;
    }
    // Looked at once the game's handler is done: a level that starts shows
    // and hides hundreds of controls one by one, and the reader hears the
    // outcome, not the steps.
    catchUpPosted_ = true;
    QMetaObject::invokeMethod(
        &form_,
        [&form = form_] {
            if (AccessibleForm* accessible = accessibleFormOf(form)) {
                accessible->catchUp();
            }
        },
        Qt::QueuedConnection);
}

void AccessibleForm::catchUp()
{
    catchUpPosted_ = false;
    const std::vector<std::size_t>& now = inView();
    const Screen shown = screen(form_.controls());
    QStringList news = tellNews(now, shown);
    // What no control says: the news of leaving one screen for another.
    for (const ScreenLeft& left : kScreensLeft) {
        if (toldScreen_ == left.from && left.to.contains(shown)) {
            news.prepend(QString::fromLatin1(left.words));
        }
    }
    toldScreen_ = shown;
    tellFocus(news);
}

void AccessibleForm::renew(std::size_t index, const QString& news)
{
    const QAccessible::Id old = ids_[index];
    // The new one is made before the old one goes: Qt hands a freed number
    // out again to the very next object, and a reader would take the two for
    // one.
    ids_[index] = QAccessible::registerAccessibleInterface(new AccessibleControl(form_, spoken_[index], news));
    // The object the focus was last told on still gets Qt's word that it lost
    // the focus: it goes once the focus has moved on twice.
    if (old != 0 && old == focusObjects_.back()) {
        static_cast<AccessibleControl*>(QAccessible::accessibleInterface(old))->keepName(toldNames_[index]);
    } else if (old != 0) {
        QAccessible::deleteAccessibleInterface(old);
    }
}

// Whatever left the view or reads anew loses its object, and the next reader
// that asks meets a fresh one: a reader keeps what it learnt of an object
// (its name, whether it is visible), and Qt 6.4 tells a changed name in a way
// readers cannot read. Sending nothing also spares the reader a flood of
// events when a level deals its 308 cells.
QStringList AccessibleForm::tellNews(const std::vector<std::size_t>& now, Screen shown)
{
    std::vector<std::size_t> left;
    std::set_difference(toldView_.begin(), toldView_.end(), now.begin(), now.end(), std::back_inserter(left));
    for (const std::size_t index : left) {
        if (ids_[index] != 0) {
            renew(index);
        }
    }
    const std::size_t focus = focusIndex();
    QStringList news;
    for (const std::size_t index : now) {
        const bool came = !std::binary_search(toldView_.begin(), toldView_.end(), index);
        // A tick changes no cell: the board is read again only after a move.
        if (!came && spoken_[index].onTheBoard && !boardMayHaveChanged_) {
            continue;
        }
        QString name = spoken_[index].name();
        const bool renamed = name != toldNames_[index];
        if (!came && !renamed) {
            continue;
        }
        if (renamed && ids_[index] != 0) {
            tellRenamed(index);
        }
        toldNames_[index] = std::move(name);
        if (spoken_[index].heard.contains(shown) && !toldNames_[index].isEmpty() && index != focus) {
            news << toldNames_[index];
        }
    }
    toldView_ = now;
    boardMayHaveChanged_ = false;
    return news;
}

// A counter keeps its object as it ticks, so that a reader reviewing the
// score column still finds it there: its new number is told as a changed
// name, which readers take in without speaking. Anything else that reads
// anew gets a fresh object.
void AccessibleForm::tellRenamed(std::size_t index)
{
    // A counter that carried the score keeps the number it was told with
    // (see tellScore): its next number comes with a fresh object.
    if (!spoken_[index].value || static_cast<AccessibleControl*>(interfaceOf(index))->keepsName()) {
        renew(index);
        return;
    }
    QAccessibleEvent renamed(interfaceOf(index), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

// The reader's focus moves with the highlight, the player and the screens,
// and is told again when its control reads anew: a turned tile, the
// countdown's next step. Each time it lands on a fresh object, labelled by
// the news heard with it.
void AccessibleForm::tellFocus(const QStringList& news)
{
    // A question box holds the reader's focus until it is answered; then the
    // reader comes back to the game.
    if (QApplication::activeModalWidget()) {
        toldFocus_ = kNone;
        return;
    }
    const std::size_t index = focusIndex();
    if (index == kNone || (index == toldFocus_ && toldNames_[index] == toldFocusName_)) {
        toldFocus_ = index;
        return;
    }
    toldFocus_ = index;
    toldFocusName_ = toldNames_[index];
    landFocus(index, news.join(QStringLiteral(", ")));
}

void AccessibleForm::landFocus(std::size_t index, const QString& news)
{
    if (!qtWidgetOf(index)) {
        renew(index, news);
    }
    QAccessibleInterface* focused = interfaceOf(index);
    QAccessibleEvent focusEvent(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&focusEvent);
    retireFocusObject(QAccessible::uniqueId(focused));
    readerOn_ = index;
}

// The counters in view, the total first, then the rest down the column.
std::vector<std::size_t> AccessibleForm::scoreColumn() const
{
    const ControlRow* totalRow = controlRow("total", screen(form_.controls()));
    const std::size_t total =
        totalRow ? indexOf_.value(totalRow->control(form_.controls(), form_.game()), kNone) : kNone;
    std::vector<std::size_t> column;
    for (const std::size_t index : inView()) {
        if (spoken_[index].value) {
            column.insert(index == total ? column.begin() : column.end(), index);
        }
    }
    return column;
}

// A reader says a label's news, then its name, and keeps quiet about a focus
// that lands on an object with the name, role and place of the one it stands
// on. So the numbers come as the news of the column's last counter, which
// says its own number after them; if S comes again while the reader stands on
// that counter, as the news of the focus's own control. The game's focus
// stays where it was.
void AccessibleForm::tellScore()
{
    const std::size_t focus = focusIndex();
    const std::vector<std::size_t> column = scoreColumn();
    if (focus == kNone || column.empty()) {
        return;
    }
    const std::size_t last = column.back();
    const std::size_t carrier = readerOn_ == last ? focus : last;
    QStringList numbers;
    for (const std::size_t index : column) {
        if (index != carrier) {
            numbers << spoken_[index].name();
        }
    }
    landFocus(carrier, numbers.join(QStringLiteral(", ")));
    // Its number as the reader reads it, though the counter ticks before.
    if (carrier == last) {
        static_cast<AccessibleControl*>(interfaceOf(last))->keepName(spoken_[last].name());
    }
    toldFocus_ = focus;
    toldFocusName_ = toldNames_[focus];
}

void AccessibleForm::retireFocusObject(QAccessible::Id now)
{
    const QAccessible::Id oldest = focusObjects_.front();
    focusObjects_ = {focusObjects_.back(), now};
    if (oldest != 0 && oldest != focusObjects_.front() && oldest != now &&
        std::find(ids_.begin(), ids_.end(), oldest) == ids_.end()) {
        QAccessible::deleteAccessibleInterface(oldest);
    }
}
