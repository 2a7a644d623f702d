#pragma once

#include "replay/Recording.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A recording as the bytes of its file. The layout, in order:
//
//   "QBRC"           4 bytes
//   format version   1 byte, 1
//   generator state  8 bytes, little-endian
//   step count       unsigned LEB128
//   each step        time since the step before (the first: since 0) as
//                    unsigned LEB128, the input as 1 byte, and for the three
//                    clicks the cell as unsigned LEB128
//
// Files come from other players, so the reader trusts nothing in them.
namespace replay {

// The largest recording file accepted; a ten-level game takes a few kilobytes.
constexpr qsizetype kMaxFileBytes = qsizetype{256} * 1024;

// The file of `recording`; an empty array when decode() would refuse it, for
// breaking problemWith()'s rules or for being larger than kMaxFileBytes, so
// that no file is ever written that the game cannot read back.
QByteArray encode(const Recording& recording);

// The recording in `bytes`, or why they are not one: a sentence for a player,
// lower-case, no full stop. Never crashes, allocates at most a small multiple
// of bytes.size() and never loops more than bytes.size() times.
struct Decoded {
    std::optional<Recording> recording;
    QString error;
};
Decoded decode(QByteArrayView bytes);

}  // namespace replay
