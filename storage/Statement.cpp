#include "storage/Statement.h"

#include "storage/EngineError.h"

#include <QByteArray>
#include <sqlite3.h>
#include <stdexcept>
#include <utility>

Statement::Statement(sqlite3* db, const QString& sql, QString file) : db_(db), file_(std::move(file))
{
    const QByteArray text = sql.toUtf8();
    const char* rest = nullptr;
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement_, &rest);
    if (rc != SQLITE_OK) {
        throw engineError(db_, rc, file_);
    }
    // A second statement hidden behind a semicolon would run unseen; the game
    // never sends one.
    if (!QByteArray(rest).trimmed().isEmpty()) {
        sqlite3_finalize(statement_);
        throw std::invalid_argument("Statement: one SQL statement at a time");
    }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

void Statement::bind(int position, const QVariant& value)
{
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        rc = sqlite3_bind_null(statement_, position);
        break;
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        rc = sqlite3_bind_int64(statement_, position, value.toLongLong());
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        rc = sqlite3_bind_double(statement_, position, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        rc = sqlite3_bind_blob64(statement_, position, bytes.constData(), sqlite3_uint64(bytes.size()),
                                 SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text64(statement_, position, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
        break;
    }
    }
    if (rc != SQLITE_OK) {
        throw engineError(db_, rc, file_);
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    throw engineError(db_, rc, file_);
}

QStringList Statement::columnNames() const
{
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(statement_); ++i) {
        names << QString::fromUtf8(sqlite3_column_name(statement_, i));
    }
    return names;
}

QVariantList Statement::row() const
{
    QVariantList values;
    for (int i = 0; i < sqlite3_column_count(statement_); ++i) {
        values << column(i);
    }
    return values;
}

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(statement_, index)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement_, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement_, index));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(statement_, index)));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, index));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(statement_, index)));
    }
    default:
        return QVariant();  // NULL: shown as nothing, like an empty cell
    }
}
