#pragma once

#include <QAccessibleInterface>
#include <QString>

class Form1;

// The news heard with the reader's focus as it lands (a move's warning, the
// level that starts, a panel's texts), as one label of the focused control:
// readers read a control's first label only. It is no child of the window,
// so flat review meets each text once, where it is shown.
class AccessibleNews : public QAccessibleInterface {
public:
    AccessibleNews(Form1& form, QString words) : form_(form), words_(std::move(words)) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? words_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    Form1& form_;
    QString words_;
};
