#pragma once

#include "app/accessibility/AccessibleLeaf.h"
#include "app/accessibility/SpokenControls.h"

#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <optional>

class Form1;

// A control of the window as the screen reader sees it. It stands on the
// game's control, not on a widget, so it holds however the control is drawn.
class AccessibleControl : public AccessibleLeaf, public QAccessibleActionInterface, public QAccessibleValueInterface {
public:
    // `news`: what is heard with it when the reader's focus lands on it,
    // read before its own name; none where it is empty.
    AccessibleControl(Form1& form, const SpokenControl& spoken, const QString& news = {});
    ~AccessibleControl() override;
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // Once the control has a fresh object, this one keeps the name it was
    // told with, so a reader can tell the two apart.
    void keepName(const QString& told) { keptName_ = told; }
    bool keepsName() const { return keptName_.has_value(); }

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return spoken_.role; }
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    // The key that clicks the control, where it has one.
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // A counter's number; the player reads it, nothing sets it.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

private:
    const SpokenControl& spoken_;
    QAccessible::Id news_ = 0;
    std::optional<QString> keptName_;
};
