#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

// File names as the system keeps them: bytes, nearly always UTF-8 but not
// always (a folder named on an older system, a memory stick). Qt's own
// conversion turns each byte that is not UTF-8 into U+FFFD, and the file can no
// longer be found. These keep such a byte as a lone surrogate, U+DC80..U+DCFF,
// so a name comes back as the bytes it was. UTF-8 itself never decodes to a
// lone surrogate, so no two names meet.
QString pathFromSystem(std::string_view bytes);
QByteArray systemPath(const QString& path);

// `path` made absolute against the current folder and cleaned, without the
// trip through Qt's conversion that QFileInfo makes.
QString absolutePath(const QString& path);
// The folder that holds `path`, absolute.
QString folderOf(const QString& path);
// Whether anything is there, a link followed to what it points at.
bool pathExists(const QString& path);
