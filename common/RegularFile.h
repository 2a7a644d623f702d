#pragma once

#include <QString>

// A file opened for reading only when it is a regular file (or a link to
// one). Opening a named pipe waits for somebody to write into it, and reading a
// device may never end: either would hang the game for good. So the open never
// waits, and anything but a regular file is closed again at once and refused,
// saying what it is.
class RegularFile {
public:
    // `path` as the system spells it.
    explicit RegularFile(const char* path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    // Why it is not open, in the player's words; empty when it is.
    const QString& refusal() const { return refusal_; }
    // Not open because something other than a file has the name: a folder, a
    // pipe, a socket or a device.
    bool isSomethingElse() const { return somethingElse_; }

private:
    int descriptor_ = -1;
    QString refusal_;
    bool somethingElse_ = false;
};
