#include "scoring/Captions.h"

#include "common/Rounding.h"

namespace captions {

std::int32_t toNumber(const QString& caption)
{
    bool whole = false;
    const int value = caption.toInt(&whole);
    if (whole) {
        return value;
    }
    return static_cast<std::int32_t>(roundHalfEven(caption.toDouble()));
}

}  // namespace captions
