#pragma once

#include <QString>

// The game's statements are kept as the game writes them; these two functions
// turn them into what the SQLCipher engine understands.

// "delete * from X" (the old engine's form) becomes "DELETE FROM X"; anything
// else is unchanged.
QString toEngineDialect(const QString& statement);

// A record set may be opened on a bare table name, meaning all its rows in
// table order.
QString recordSetSql(const QString& source);

// True for a plain identifier, the only kind of table name the game uses.
bool isBareTableName(const QString& text);
