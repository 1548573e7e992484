// Writes a data folder fifteen times the size of the shipped one (see largefoodtable.h), to run
// the program or the benchmark on it:
//   make_large_food_table <shipped data folder> <new folder> [copies]
#include "largefoodtable.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3 || arguments.size() > 4) {
        std::fputs("usage: make_large_food_table <shipped data folder> <new folder> [copies]\n", stderr);
        return 2;
    }
    const int copies = arguments.size() == 4 ? arguments.at(3).toInt() : 15;
    if (copies < 1 || !QDir().mkpath(arguments.at(2))) {
        std::fputs("make_large_food_table: bad copies or folder\n", stderr);
        return 2;
    }
    const QString failure = WriteLargeFoodTables(arguments.at(1), arguments.at(2), copies);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "make_large_food_table: %s\n", failure.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
