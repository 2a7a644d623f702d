#pragma once

#include "app/accessibility/SpokenControls.h"

#include <QAccessibleWidget>
#include <cstdint>
#include <optional>
#include <vector>

class Form1;

// The game window as the screen reader sees it: its children are the
// controls the player can see and use, never the widgets that draw them.
class AccessibleForm : public QAccessibleWidget {
public:
    explicit AccessibleForm(Form1& form);
    ~AccessibleForm() override;
    AccessibleForm(const AccessibleForm&) = delete;
    AccessibleForm& operator=(const AccessibleForm&) = delete;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tells the reader that what spoken control `index` says has changed.
    void announce(std::size_t index);

private:
    const std::vector<std::size_t>& inView() const;
    QAccessibleInterface* interfaceOf(std::size_t index) const;
    // Controls showed or hid: the reader hears which children left the view
    // and which came into it, once the change is complete.
    void viewMayHaveChanged();
    void announceView();

    Form1& form_;
    std::vector<SpokenControl> spoken_;
    // Made on first use and registered with Qt, which hands out their ids.
    mutable std::vector<QAccessible::Id> ids_;
    // The children as the reader was last told of them.
    std::vector<std::size_t> toldView_;
    bool viewCheckPosted_ = false;
    // The spoken controls in view, as found at the window's arrangement.
    mutable std::vector<std::size_t> inView_;
    mutable std::optional<std::uint64_t> inViewArrangement_;
};

// Lets Qt build an AccessibleForm for every game window.
void installAccessibleForm();
