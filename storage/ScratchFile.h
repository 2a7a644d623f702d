#pragma once

#include <QString>

// A file being built under a fresh name beside its final place. Unless it is
// moved into place, it is removed again, together with any journal the engine
// left next to it.
class ScratchFile {
public:
    explicit ScratchFile(const QString& finalPath);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return path_; }
    void moveInto(const QString& finalPath);  // never replaces a file that is already there

private:
    QString path_;
    bool moved_ = false;
};
