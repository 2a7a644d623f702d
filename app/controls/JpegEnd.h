#pragma once

#include <QByteArray>

// Whether `bytes`, when they are a JPEG file, hold the whole picture. The
// decoder draws what it finds of a file cut short and fills the rest with grey,
// with no more than a line in the log; the markers tell. A whole file runs from
// its start marker through every segment and scan to its end marker. Bytes
// that are no JPEG file are the decoder's to judge.
bool jpegIsWhole(const QByteArray& bytes);
