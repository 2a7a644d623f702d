#include "app/accessibility/AccessibleNews.h"

#include "app/Form1.h"

QWindow* AccessibleNews::window() const { return form_.windowHandle(); }

QAccessibleInterface* AccessibleNews::parent() const { return QAccessible::queryAccessibleInterface(&form_); }
