// Builds the delivered database from the schema and seed: kxrdbtool OUT
#include "data/db.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kxrdbtool OUT\n");
        return 2;
    }
    QString why;
    if (!Db::createDatabase(QString::fromLocal8Bit(argv[1]), QStringLiteral("888"), &why)) {
        std::fprintf(stderr, "kxrdbtool: %s\n", qPrintable(why));
        return 1;
    }
    return 0;
}
