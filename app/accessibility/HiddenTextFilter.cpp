#include "app/accessibility/HiddenTextFilter.h"

#include <QAccessible>
#include <QWidget>
#include <array>

namespace {

constexpr std::array kTextEvents{
    QAccessible::TextCaretMoved, QAccessible::TextInserted,         QAccessible::TextRemoved,
    QAccessible::TextUpdated,    QAccessible::TextSelectionChanged, QAccessible::TextAttributeChanged,
};

QAccessible::UpdateHandler passOn = nullptr;

void tellUnlessHidden(QAccessibleEvent* event)
{
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    if (widget && !widget->isVisible() &&
        std::find(kTextEvents.begin(), kTextEvents.end(), event->type()) != kTextEvents.end()) {
        return;
    }
    if (passOn) {
        passOn(event);
        return;
    }
    // Qt delivers an event itself only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&tellUnlessHidden);
}

}  // namespace

void installHiddenTextFilter()
{
    static const bool installed = (passOn = QAccessible::installUpdateHandler(&tellUnlessHidden), true);
    Q_UNUSED(installed);
}
