#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

class Connection;
class RandomSource;
class RecordSet;

// The counter in table temp says how far into the fixed random sequence this
// run starts, so that successive runs deal different boards. Start-up reads it,
// skips that many draws plus one, moves it on by a random step of 0..1000 and
// stores it again, wrapped at 27000.

// dato1 as a 16-bit counter: text or number, rounded halves to even.
std::int16_t counterFromField(const QVariant& dato1, const QString& file);

// Consumes counter + 1 draws (none when negative) and one step draw; returns
// the new counter.
std::int32_t advanceCounter(std::int16_t counter, RandomSource& rnd);

// The statement that stores the new counter.
QString counterUpdateSql(std::int32_t newCounter);

// The whole start-up step on an open connection; rs and sqlText keep the query
// and the statement it used. Returns the stored counter.
std::int32_t advanceRandomSequence(Connection& cn, RecordSet& rs, QString& sqlText, RandomSource& rnd,
                                   const QString& file);
