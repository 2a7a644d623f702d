#pragma once

#include <QString>
#include <cstdint>

// Several counters live in the captions of their labels, so numbers go into
// captions as plain decimal text (a minus sign, no blank, no grouping) and
// come back out as 32-bit numbers.
namespace captions {

inline QString fromNumber(std::int64_t value) { return QString::number(value); }

// A caption read as a number, rounded half to even when it holds a fraction;
// text that is no number at all reads as 0.
std::int32_t toNumber(const QString& caption);

}  // namespace captions
