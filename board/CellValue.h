#pragma once

#include <QString>
#include <variant>

// One value of the per-cell record: a text or a whole number. A number is
// equal to the text that spells it, so a tile dealt as the number 2 matches
// the code "2" and a used mark set to 1 matches "1".
class CellValue {
public:
    CellValue() = default;
    CellValue(int number) : value_(number) {}
    CellValue(const char* text) : value_(QString::fromLatin1(text)) {}
    CellValue(QString text) : value_(std::move(text)) {}

    bool isNumber() const { return std::holds_alternative<int>(value_); }
    QString text() const { return isNumber() ? QString::number(std::get<int>(value_)) : std::get<QString>(value_); }
    // The value read as a whole number; 0 when it does not spell one.
    int toInt() const { return isNumber() ? std::get<int>(value_) : std::get<QString>(value_).toInt(); }

    friend bool operator==(const CellValue& a, const CellValue& b)
    {
        if (a.isNumber() && b.isNumber()) {
            return std::get<int>(a.value_) == std::get<int>(b.value_);
        }
        return a.text() == b.text();
    }

private:
    std::variant<int, QString> value_ = 0;
};
