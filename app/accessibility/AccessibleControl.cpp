#include "app/accessibility/AccessibleControl.h"

#include "app/Form1.h"
#include "app/accessibility/AccessibleNews.h"
#include "app/controls/ControlTree.h"

#include <QKeySequence>
#include <QMetaObject>
#include <limits>

AccessibleControl::AccessibleControl(Form1& form, const SpokenControl& spoken, const QString& news)
    : AccessibleLeaf(form), spoken_(spoken)
{
    if (!news.isEmpty()) {
        news_ = QAccessible::registerAccessibleInterface(new AccessibleNews(form, news));
    }
}

AccessibleControl::~AccessibleControl()
{
    if (news_ != 0) {
        QAccessible::deleteAccessibleInterface(news_);
    }
}

QString AccessibleControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return keptName_ ? *keptName_ : spoken_.name();
    }
    if (t == QAccessible::Value && spoken_.value) {
        return spoken_.value();
    }
    return {};
}

QRect AccessibleControl::rect() const
{
    const QRect inWindow = form().windowRectOf(*spoken_.control);
    return {form().mapToGlobal(inWindow.topLeft()), inWindow.size()};
}

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state;
    // A reader may still hold a control that has since been hidden or covered.
    state.invisible = !controltree::clickWouldLand(*spoken_.control);
    state.disabled = spoken_.pressable() && !spoken_.control->answersClicks();
    state.focusable = true;
    state.focused = parent()->focusChild() == this;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleControl::relations(QAccessible::Relation match) const
{
    if (news_ == 0 || !(match & QAccessible::Label)) {
        return {};
    }
    return {{QAccessible::accessibleInterface(news_), QAccessible::Label}};
}

void* AccessibleControl::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && spoken_.pressable()) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    if (type == QAccessible::ValueInterface && spoken_.value) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return nullptr;
}

QStringList AccessibleControl::actionNames() const { return {pressAction()}; }

// A press is the player's click, with the same rules: a disabled control or
// window ignores it. The reader waits for this call to return, and a click
// may open a question box that waits for the player, so the click runs just
// after; by then a tick may have hidden or disabled the control.
void AccessibleControl::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        return;
    }
    QMetaObject::invokeMethod(
        &form(),
        [&control = *spoken_.control] {
            if (controltree::clickWouldLand(control)) {
                control.deliverClick();
            }
        },
        Qt::QueuedConnection);
}

QStringList AccessibleControl::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() || spoken_.key == Qt::Key_unknown) {
        return {};
    }
    return {QKeySequence(spoken_.key).toString(QKeySequence::NativeText)};
}

QVariant AccessibleControl::currentValue() const { return spoken_.value().toInt(); }

QVariant AccessibleControl::maximumValue() const { return std::numeric_limits<std::int32_t>::max(); }

QVariant AccessibleControl::minimumValue() const { return std::numeric_limits<std::int32_t>::min(); }
