#pragma once

#include <QPointF>
#include <array>

// The four ways an arrow can point, listed counter-clockwise so that a
// quarter turn to the left is simply the next entry.
enum class Direction { Right, Up, Left, Down };

constexpr int kDirectionCount = 4;

constexpr Direction quarterTurnLeft(Direction direction)
{
    return static_cast<Direction>((static_cast<int>(direction) + 1) % kDirectionCount);
}

constexpr Direction quarterTurnRight(Direction direction)
{
    return static_cast<Direction>((static_cast<int>(direction) + kDirectionCount - 1) % kDirectionCount);
}

// One step on screen, where y grows downwards.
inline QPointF stepOf(Direction direction)
{
    static const std::array<QPointF, kDirectionCount> kSteps{QPointF(1, 0), QPointF(0, -1), QPointF(-1, 0),
                                                             QPointF(0, 1)};
    return kSteps[static_cast<int>(direction)];
}
