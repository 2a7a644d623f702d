#include "storage/GameSchema.h"

namespace {

// A new file starts the random sequence at its beginning.
constexpr const char* kNewCounterRow = R"(INSERT INTO "temp" ("dato", "dato1") VALUES ('nummag', '0'))";

QString createTableSql(const TableLayout& table)
{
    QStringList columns;
    for (const ColumnLayout& column : table.columns) {
        columns << QStringLiteral(R"("%1" %2)").arg(column.name, column.type);
    }
    // Quoted, because temp is also the engine's name for its scratch schema.
    return QStringLiteral(R"(CREATE TABLE "%1" (%2))").arg(table.name, columns.join(QStringLiteral(", ")));
}

}  // namespace

const QList<TableLayout>& gameTables()
{
    static const QList<TableLayout> tables = {
        {QStringLiteral("temp"),
         {{QStringLiteral("dato"), QStringLiteral("TEXT")}, {QStringLiteral("dato1"), QStringLiteral("TEXT")}}},
        // punteggio is an INTEGER column so that a score written as text is
        // stored as a number and the list orders numerically.
        {QStringLiteral("hiscores"),
         {{QStringLiteral("nome"), QStringLiteral("TEXT")},
          {QStringLiteral("punteggio"), QStringLiteral("INTEGER")},
          {QStringLiteral("livello"), QStringLiteral("INTEGER")}}},
    };
    return tables;
}

QStringList newDatabaseStatements()
{
    QStringList statements{QStringLiteral("BEGIN")};
    for (const TableLayout& table : gameTables()) {
        statements << createTableSql(table);
    }
    statements << QString::fromLatin1(kNewCounterRow) << QStringLiteral("COMMIT");
    return statements;
}
