#include "storage/SqlDialect.h"

#include <QRegularExpression>

QString toEngineDialect(const QString& statement)
{
    static const QRegularExpression deleteStar(QStringLiteral(R"(^\s*delete\s+\*\s+from\s+)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString translated = statement;
    return translated.replace(deleteStar, QStringLiteral("DELETE FROM "));
}

bool isBareTableName(const QString& text)
{
    static const QRegularExpression identifier(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*$)"));
    return identifier.match(text).hasMatch();
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
