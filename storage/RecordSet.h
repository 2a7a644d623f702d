#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows of one query, fetched at once. The game reads the first row by field
// name and the whole set as a (column, row) array, so both ways in are offered
// and nothing stays tied to the engine after the query has run.
class RecordSet {
public:
    RecordSet() = default;
    RecordSet(QString file, QStringList columnNames, QList<QVariantList> rows);

    bool eof() const { return rows_.isEmpty(); }
    QVariant field(const QString& name) const;
    int rowCount() const { return int(rows_.size()); }
    int columnCount() const { return int(columnNames_.size()); }
    QVariant value(int column, int row) const;
    const QStringList& columnNames() const { return columnNames_; }

private:
    QString file_;
    QStringList columnNames_;
    QList<QVariantList> rows_;
};
