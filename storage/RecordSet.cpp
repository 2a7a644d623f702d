#include "storage/RecordSet.h"

#include "storage/DatabaseError.h"

#include <algorithm>
#include <stdexcept>

RecordSet::RecordSet(QString file, QStringList columnNames, QList<QVariantList> rows)
    : file_(std::move(file)), columnNames_(std::move(columnNames)), rows_(std::move(rows))
{
}

QVariant RecordSet::field(const QString& name) const
{
    // Column names in the file are matched the way the engine matches them:
    // case aside.
    const auto match = std::find_if(columnNames_.cbegin(), columnNames_.cend(), [&](const QString& column) {
        return column.compare(name, Qt::CaseInsensitive) == 0;
    });
    const qsizetype column = match - columnNames_.cbegin();
    if (match == columnNames_.cend()) {
        throw DatabaseError(file_, QStringLiteral("the query has no column %1").arg(name));
    }
    if (eof()) {
        throw DatabaseError(file_, QStringLiteral("the query found no row to read %1 from").arg(name));
    }
    return rows_.first().at(column);
}

QVariant RecordSet::value(int column, int row) const
{
    // Reading past the array is a fault in the calling code, not in the file.
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount()) {
        throw std::out_of_range("RecordSet::value: no such column or row");
    }
    return rows_.at(row).at(column);
}
