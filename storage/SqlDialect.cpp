#include "storage/SqlDialect.h"

#include <QStringView>
#include <algorithm>

// Both checks are written out by hand: they are all the game asks of
// patterns, and a regular expression would load and compile a pattern
// engine at every start for them.

namespace {

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace()) {
        ++at;
    }
    return at;
}

bool startsName(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }
bool continuesName(QChar c) { return startsName(c) || (c >= u'0' && c <= u'9'); }

}  // namespace

QString toEngineDialect(const QString& statement)
{
    // "delete", "*" and "from" at the start, each followed by blanks.
    const QStringView text(statement);
    qsizetype at = skipBlanks(text, 0);
    for (const QLatin1String word : {QLatin1String("delete"), QLatin1String("*"), QLatin1String("from")}) {
        if (!text.sliced(at).startsWith(word, Qt::CaseInsensitive)) {
            return statement;
        }
        const qsizetype afterWord = at + word.size();
        at = skipBlanks(text, afterWord);
        if (at == afterWord) {
            return statement;
        }
    }
    return QStringLiteral("DELETE FROM ") + text.sliced(at).toString();
}

bool isBareTableName(const QString& text)
{
    return !text.isEmpty() && startsName(text.front()) && std::all_of(text.begin() + 1, text.end(), continuesName);
}

QString recordSetSql(const QString& source)
{
    const QString trimmed = source.trimmed();
    // Rows come back in the order they were added, as a table opened directly
    // shows them.
    if (isBareTableName(trimmed)) {
        return QStringLiteral(R"(SELECT * FROM "%1" ORDER BY rowid)").arg(trimmed);
    }
    return toEngineDialect(source);
}
