#include "app/accessibility/AccessibleControl.h"

#include "app/Form1.h"
#include "app/controls/ControlTree.h"

#include <QKeySequence>

QWindow* AccessibleControl::window() const { return form_.windowHandle(); }

QAccessibleInterface* AccessibleControl::parent() const { return QAccessible::queryAccessibleInterface(&form_); }

QString AccessibleControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return spoken_.name();
    }
    if (t == QAccessible::Value && spoken_.value) {
        return spoken_.value();
    }
    return {};
}

QRect AccessibleControl::rect() const
{
    const QRect inWindow = form_.windowRectOf(*spoken_.control);
    return {form_.mapToGlobal(inWindow.topLeft()), inWindow.size()};
}

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state;
    // A reader may still hold a control that has since been hidden or covered.
    state.invisible = !controltree::clickWouldLand(*spoken_.control);
    state.disabled = spoken_.pressable() && !spoken_.control->answersClicks();
    const bool editable = spoken_.role == QAccessible::EditableText;
    state.editable = editable;
    state.focusable = editable;
    state.focused = editable && spoken_.control->nativeWidget() && spoken_.control->nativeWidget()->hasFocus();
    return state;
}

void* AccessibleControl::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && spoken_.pressable()) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList AccessibleControl::actionNames() const { return {pressAction()}; }

// A press is the player's click, with the same rules: a disabled control or
// window ignores it.
void AccessibleControl::doAction(const QString& actionName)
{
    if (actionName == pressAction() && controltree::clickWouldLand(*spoken_.control)) {
        spoken_.control->deliverClick();
    }
}

QStringList AccessibleControl::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() || spoken_.key == Qt::Key_unknown) {
        return {};
    }
    return {QKeySequence(spoken_.key).toString(QKeySequence::NativeText)};
}
