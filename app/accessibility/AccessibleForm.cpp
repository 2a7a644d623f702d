#include "app/accessibility/AccessibleForm.h"

#include "app/Form1.h"
#include "app/Screen.h"
#include "app/accessibility/AccessibleControl.h"
#include "app/controls/ControlTree.h"

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

}  // namespace

void installAccessibleForm()
{
    static const bool installed = (QAccessible::installFactory(&formFactory), true);
    Q_UNUSED(installed);
}

AccessibleForm::AccessibleForm(Form1& form)
    : QAccessibleWidget(&form, QAccessible::Window), form_(form), spoken_(spokenControls(form)), ids_(spoken_.size(), 0)
{
    // The captions and the controls that show or hide are watched only from
    // the moment a reader first asks for the window: without one, the
    // counters' several changes a second cost nothing more than before.
    for (std::size_t index = 0; index < spoken_.size(); ++index) {
        for (Label* label : spoken_[index].speaksFrom) {
            label->onCaptionChanged = [&form, index] {
                if (AccessibleForm* accessible = accessibleFormOf(form)) {
                    accessible->announce(index);
                }
            };
        }
    }
    toldView_ = inView();
    form.onShownOrHidden = [&form] {
        if (AccessibleForm* accessible = accessibleFormOf(form)) {
            accessible->viewMayHaveChanged();
        }
    };
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
        if (ids_[shown[i]] != 0 && QAccessible::accessibleInterface(ids_[shown[i]]) == child) {
            return int(i);
        }
    }
    return -1;
}

QAccessibleInterface* AccessibleForm::childAt(int x, int y) const
{
    const std::vector<std::size_t>& shown = inView();
    for (const std::size_t index : shown) {
        QAccessibleInterface* candidate = interfaceOf(index);
        if (candidate->rect().contains(x, y)) {
            return candidate;
        }
    }
    return nullptr;
}

QAccessibleInterface* AccessibleForm::focusChild() const
{
    for (const std::size_t index : inView()) {
        const QWidget* widget = spoken_[index].control->nativeWidget();
        if (widget && widget->hasFocus()) {
            return interfaceOf(index);
        }
    }
    return nullptr;
}

void AccessibleForm::announce(std::size_t index)
{
    const SpokenControl& spoken = spoken_[index];
    if (!controltree::clickWouldLand(*spoken.control)) {
        return;
    }
    QAccessibleInterface* changed = interfaceOf(index);
    QAccessibleEvent nameChanged(changed, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    if (spoken.value) {
        QAccessibleValueChangeEvent valueChanged(changed, spoken.value());
        QAccessible::updateAccessibility(&valueChanged);
    }
}

void AccessibleForm::viewMayHaveChanged()
{
    if (viewCheckPosted_) {
        return;
    }
    // Looked at once the game's handler is done: a level that starts shows
    // and hides hundreds of controls one by one, and the reader hears the
    // outcome, not the steps.
    viewCheckPosted_ = true;
    QMetaObject::invokeMethod(
        &form_,
        [&form = form_] {
            if (AccessibleForm* accessible = accessibleFormOf(form)) {
                accessible->announceView();
            }
        },
        Qt::QueuedConnection);
}

// As Qt tells of widgets that show and hide: each child that left the view,
// each that came into it, then that the window's children changed.
void AccessibleForm::announceView()
{
    viewCheckPosted_ = false;
    std::vector<std::size_t> now = inView();
    if (now == toldView_) {
        return;
    }
    std::vector<std::size_t> left;
    std::set_difference(toldView_.begin(), toldView_.end(), now.begin(), now.end(), std::back_inserter(left));
    std::vector<std::size_t> came;
    std::set_difference(now.begin(), now.end(), toldView_.begin(), toldView_.end(), std::back_inserter(came));
    toldView_ = std::move(now);
    for (const std::size_t index : left) {
        QAccessibleEvent hidden(interfaceOf(index), QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
    }
    for (const std::size_t index : came) {
        QAccessibleEvent shown(interfaceOf(index), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}
