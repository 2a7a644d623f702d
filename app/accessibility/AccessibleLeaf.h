#pragma once

#include <QAccessibleInterface>

class Form1;

// What every object the window offers a screen reader answers alike: it
// stands on no widget of its own, has no children, and lies in the game's
// window, whose child it is.
class AccessibleLeaf : public QAccessibleInterface {
public:
    explicit AccessibleLeaf(Form1& form) : form_(form) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    Form1& form() const { return form_; }

private:
    Form1& form_;
};
