#include "common/SystemPath.h"

#include <QDir>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// A UTF-8 sequence by its first byte: its length and the range its second
// byte must lie in (later bytes are 80..BF). The ranges leave out overlong
// forms, surrogates and code points beyond U+10FFFF.
struct Lead {
    unsigned char first, last;
    std::size_t length;
    unsigned char secondLow, secondHigh;
};

constexpr Lead kLeads[] = {
    {0x00, 0x7F, 1, 0x00, 0x00}, {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The length of the UTF-8 sequence `bytes` starts with; 0 when it is none.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (const Lead& lead : kLeads) {
        if (at(0) < lead.first || at(0) > lead.last) {
            continue;
        }
        if (bytes.size() < lead.length) {
            return 0;
        }
        for (std::size_t i = 1; i < lead.length; ++i) {
            const unsigned char low = i == 1 ? lead.secondLow : 0x80;
            const unsigned char high = i == 1 ? lead.secondHigh : 0xBF;
            if (at(i) < low || at(i) > high) {
                return 0;
            }
        }
        return lead.length;
    }
    return 0;
}

bool isEscape(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    const bool afterHighSurrogate = i > 0 && text.at(i - 1).isHighSurrogate();
    return c >= kFirstEscape && c <= kLastEscape && !afterHighSurrogate;
}

}  // namespace

QString pathFromSystem(std::string_view bytes)
{
    QString text;
    std::size_t run = 0;  // where the UTF-8 not yet taken over begins
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (const std::size_t length = sequenceLength(bytes.substr(i))) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.data() + run, qsizetype(i - run));
        text += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        run = ++i;
    }
    return text + QString::fromUtf8(bytes.data() + run, qsizetype(bytes.size() - run));
}

QByteArray systemPath(const QString& path)
{
    QByteArray bytes;
    qsizetype run = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscape(path, i)) {
            bytes += QStringView(path).sliced(run, i - run).toUtf8();
            bytes += char(path.at(i).unicode() - kEscapeBase);
            run = i + 1;
        }
    }
    return bytes + QStringView(path).sliced(run).toUtf8();
}

QString absolutePath(const QString& path)
{
    if (path.startsWith(QLatin1Char('/'))) {
        return QDir::cleanPath(path);
    }
    std::vector<char> folder(PATH_MAX);
    const QString current = ::getcwd(folder.data(), folder.size()) ? pathFromSystem(folder.data()) : QString();
    return QDir::cleanPath(current + QLatin1Char('/') + path);
}

QString folderOf(const QString& path)
{
    const QString absolute = absolutePath(path);
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    return slash == 0 ? QStringLiteral("/") : absolute.left(slash);
}

bool pathExists(const QString& path)
{
    struct stat status {};
    return ::stat(systemPath(path).constData(), &status) == 0;
}
