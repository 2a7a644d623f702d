#include "app/accessibility/AccessibleLeaf.h"

#include "app/Form1.h"

QWindow* AccessibleLeaf::window() const { return form_.windowHandle(); }

QAccessibleInterface* AccessibleLeaf::parent() const { return QAccessible::queryAccessibleInterface(&form_); }
