#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The two tables of qb.mdb. A new file is built from this table and an existing
// one is checked against it, so the two can never drift apart.
struct ColumnLayout {
    QString name;
    QString type;
};

struct TableLayout {
    QString name;
    QList<ColumnLayout> columns;  // in table order: the hi-score list reads its columns by position
};

const QList<TableLayout>& gameTables();

// Everything that makes an empty file into a fresh qb.mdb, in the order to run
// it.
QStringList newDatabaseStatements();
