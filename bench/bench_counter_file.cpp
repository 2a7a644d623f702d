// Makes or rewrites a game database whose random-sequence counter holds a
// given value, so start-up can be timed at the most draws it ever makes.
//
//     bench_counter_file <qb.mdb> <counter>
#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/GameDatabase.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_counter_file <qb.mdb> <counter>\n");
        return 2;
    }
    try {
        Connection cn;
        openGameDatabase(cn, QString::fromLocal8Bit(argv[1]));
        cn.execute(QStringLiteral("UPDATE temp SET dato1='%1' WHERE dato= 'nummag'").arg(QString::fromLatin1(argv[2])));
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
