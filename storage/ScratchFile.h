#pragma once

#include <QString>

// A file being built under a fresh name beside its final place. Unless it is
// moved into place, it is removed again, together with any journal the engine
// left next to it.
//
// A copy of the game killed while it builds one cannot remove it; the next
// start does. So that it never takes the file of another copy starting at the
// same moment, a copy holds a lock on its scratch file for as long as it
// builds it, and a start removes only the scratch files nobody holds.
class ScratchFile {
public:
    explicit ScratchFile(const QString& finalPath);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return path_; }
    void moveInto(const QString& finalPath);  // never replaces a file that is already there

    // Removes what copies killed while they built `finalPath` left beside it.
    static void removeAbandoned(const QString& finalPath);

private:
    QString path_;
    int lock_ = -1;  // the scratch file, open and locked while it is built
    bool moved_ = false;
};
