#pragma once

#include "app/accessibility/AccessibleLeaf.h"

#include <QString>

// The news heard with the reader's focus as it lands (a move's warning, the
// level that starts, a panel's texts), as one label of the focused control:
// readers read a control's first label only. It is no child of the window,
// so flat review meets each text once, where it is shown.
class AccessibleNews : public AccessibleLeaf {
public:
    AccessibleNews(Form1& form, QString words) : AccessibleLeaf(form), words_(std::move(words)) {}

    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? words_ : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    QString words_;
};
