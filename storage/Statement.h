#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement of the engine, finalised when it goes out of scope.
// Every failure leaves as a DatabaseError naming the game's file.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql, QString file);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int position, const QVariant& value);  // position counts from 1, as in SQL
    bool step();                                     // true while a row is ready to read
    QStringList columnNames() const;
    QVariantList row() const;

private:
    QVariant column(int index) const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    QString file_;
};
