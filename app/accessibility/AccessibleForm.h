#pragma once

#include "app/accessibility/SpokenControls.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class Form1;

// The game window as the screen reader sees it: its children are the
// controls the player can see and use, never the widgets that draw them.
//
// The reader is told what changed once the game has handled a click, a key
// or a tick: which controls left the view and came into it, every name that
// changed, and where the reader's focus now stands. That focus is the
// reader's own: the keys keep going to the window.
//
// Readers speak a focus that lands on an object new to them, and little else
// (Orca drops a name change it cannot read and any news of objects it is not
// focused on). So news is told as a focus move: whenever the focus lands, or
// its control reads anew (a turned tile, the countdown's next step), the
// control gets a fresh object, labelled by the news heard with it (a move's
// warning, the level that starts, a panel's texts). A control that leaves the
// view loses its object too, so it comes back as new, never as one a reader
// remembers hidden.
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

    // Says the score column's numbers now, the total first, as news with the
    // reader's focus.
    void tellScore();

private:
    static constexpr std::size_t kNone = std::size_t(-1);

    const std::vector<std::size_t>& inView() const;
    QWidget* qtWidgetOf(std::size_t index) const;
    QAccessibleInterface* interfaceOf(std::size_t index) const;
    std::vector<std::size_t> scoreColumn() const;
    // The control the reader's focus belongs on, kNone where there is none.
    std::size_t focusIndex() const;
    // Gives the control a fresh object, labelled by `news` where that is not
    // empty, and lets its old one go.
    void renew(std::size_t index, const QString& news = {});
    void catchUpLater();
    void catchUp();
    void tellRenamed(std::size_t index);
    // The names heard with the focus, in reading order.
    QStringList tellNews(const std::vector<std::size_t>& now, Screen shown);
    void tellFocus(const QStringList& news);
    // Lands the reader's focus on a fresh object of the control, labelled by
    // `news`.
    void landFocus(std::size_t index, const QString& news);
    // Keeps the objects the focus was told on for one more move, then lets
    // the older one go unless a control still uses it.
    void retireFocusObject(QAccessible::Id now);

    Form1& form_;
    std::vector<SpokenControl> spoken_;
    QHash<const Control*, std::size_t> indexOf_;
    // Made on first use and registered with Qt, which hands out their ids.
    mutable std::vector<QAccessible::Id> ids_;
    // What the reader was last told: the children, the names, the focus.
    std::vector<std::size_t> toldView_;
    std::vector<QString> toldNames_;
    std::size_t toldFocus_ = kNone;
    QString toldFocusName_;
    // The control the reader's focus last landed on: the focus's own, or the
    // counter that carried the numbers S asked for.
    std::size_t readerOn_ = kNone;
    Screen toldScreen_ = Screen::Menu;
    // The objects the focus was told on last and the time before.
    std::array<QAccessible::Id, 2> focusObjects_{};
    bool catchUpPosted_ = false;
    // Whether the player played since the board's names were last read.
    bool boardMayHaveChanged_ = true;
    // The spoken controls in view, as found at the window's arrangement.
    mutable std::vector<std::size_t> inView_;
    mutable std::optional<std::uint64_t> inViewArrangement_;
};

// Lets Qt build an AccessibleForm for every game window once it is built;
// called before the window sets anything a reader might ask about.
void installAccessibleForm();
// The reader of `form`, if one has asked for it.
AccessibleForm* accessibleFormOf(Form1& form);
// Told when the window is built: whatever a reader was given for it before
// knows none of its controls, and the next question gets the game's own.
void readerMayAsk(Form1& form);
