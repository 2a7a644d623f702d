#include "app/accessibility/AccessibleForm.h"

#include "app/ControlTable.h"
#include "app/Form1.h"
#include "app/Screen.h"
#include "app/accessibility/AccessibleControl.h"
#include "app/controls/ControlTree.h"

#include <QApplication>
#include <QMetaObject>
#include <algorithm>
#include <iterator>

namespace {

QAccessibleInterface* formFactory(const QString&, QObject* object)
{
    auto* form = dynamic_cast<Form1*>(object);
    return form ? new AccessibleForm(*form) : nullptr;
}

// The hooks on the window find its interface anew each time rather than
// holding on to one that Qt may have deleted.
AccessibleForm* accessibleFormOf(Form1& form)
{
    return dynamic_cast<AccessibleForm*>(QAccessible::queryAccessibleInterface(&form));
}

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

void installAccessibleForm()
{
    static const bool installed = (QAccessible::installFactory(&formFactory), true);
    Q_UNUSED(installed);
}

AccessibleForm::AccessibleForm(Form1& form)
    : QAccessibleWidget(&form, QAccessible::Window), form_(form), spoken_(spokenControls(form)), ids_(spoken_.size(), 0)
{
    for (std::size_t index = 0; index < spoken_.size(); ++index) {
        const SpokenControl& spoken = spoken_[index];
        indexOf_.insert(spoken.control, index);
        toldNames_.push_back(spoken.name());
        // The entry box is Qt's own line edit, which reads and edits its text.
        if (QWidget* widget = spoken.control->nativeWidget(); widget && spoken.role == QAccessible::EditableText) {
            widget->setAccessibleName(toldNames_.back());
        }
    }
    toldView_ = inView();
    // Watched only from the moment a reader first asks for the window:
    // without one, the game's many changes a second cost nothing more.
    form.onChanged = [&form] {
        if (AccessibleForm* accessible = accessibleFormOf(form)) {
            accessible->catchUpLater();
        }
    };
    // Wherever the keyboard goes, a question box or another window, the
    // reader goes with it; once it is back, the reader hears where it stands.
    QObject::connect(qApp, &QApplication::focusChanged, &form, [&form](QWidget*, QWidget* now) {
        AccessibleForm* accessible = accessibleFormOf(form);
        if (accessible && now) {
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

QAccessibleInterface* AccessibleForm::interfaceOf(std::size_t index) const
{
    const SpokenControl& spoken = spoken_[index];
    if (QWidget* widget = spoken.control->nativeWidget(); widget && spoken.role == QAccessible::EditableText) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    QAccessible::Id& id = ids_[index];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new AccessibleControl(form_, spoken));
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
    const std::vector<std::size_t> now = inView();
    tellNames(now);
    tellView(now);
    tellFocus();
}

// Every name in view that is not what the reader was last told, so that a
// reader that keeps names never reads an old one, and a message or a result
// is heard with the text it shows as it comes into view. A counter's name is
// its words alone: its ticks are never told.
void AccessibleForm::tellNames(const std::vector<std::size_t>& now)
{
    for (const std::size_t index : now) {
        QString name = spoken_[index].name();
        if (name != toldNames_[index]) {
            toldNames_[index] = std::move(name);
            QAccessibleEvent nameChanged(interfaceOf(index), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&nameChanged);
        }
    }
}

// As Qt tells of widgets that show and hide: each child that left the view,
// then each that came into it. Qt's event for a changed list of children
// reaches the bus malformed, once for every child, and readers drop it.
void AccessibleForm::tellView(const std::vector<std::size_t>& now)
{
    if (now == toldView_) {
        return;
    }
    std::vector<std::size_t> left;
    std::set_difference(toldView_.begin(), toldView_.end(), now.begin(), now.end(), std::back_inserter(left));
    std::vector<std::size_t> came;
    std::set_difference(now.begin(), now.end(), toldView_.begin(), toldView_.end(), std::back_inserter(came));
    toldView_ = now;
    // Qt tells of its own widgets itself.
    const auto tell = [this](std::size_t index, QAccessible::Event event) {
        if (!interfaceOf(index)->object()) {
            QAccessibleEvent told(interfaceOf(index), event);
            QAccessible::updateAccessibility(&told);
        }
    };
    for (const std::size_t index : left) {
        tell(index, QAccessible::ObjectHide);
    }
    for (const std::size_t index : came) {
        tell(index, QAccessible::ObjectShow);
    }
}

// The reader's focus moves with the highlight, the player and the screens,
// and is told again when its control starts answering: the player's cell
// when the countdown ends.
void AccessibleForm::tellFocus()
{
    // A question box holds the reader's focus until it is answered; then the
    // reader comes back to the game.
    if (QApplication::activeModalWidget()) {
        toldFocus_ = kNone;
        return;
    }
    const std::size_t index = focusIndex();
    const bool answers = index != kNone && spoken_[index].control->answersClicks();
    if (index == toldFocus_ && (answers == toldFocusAnswers_ || !answers)) {
        toldFocusAnswers_ = answers;
        return;
    }
    toldFocus_ = index;
    toldFocusAnswers_ = answers;
    if (index != kNone) {
        QAccessibleEvent focused(interfaceOf(index), QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}
