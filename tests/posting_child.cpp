// Posts contacts one after another into the database given as the first
// argument and reports each one after Post has returned, until killed.
#include "Connection.h"
#include "TableDataset.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    Connection connection;
    connection.open(QString::fromLocal8Bit(argv[1]));
    TableDataset contacts(QStringLiteral("TableSabt"), connection, QStringLiteral("Phone"));
    contacts.Open();
    for (int i = 1;; ++i) {
        contacts.Append();
        contacts.setFieldValues(QStringLiteral("code"), i);
        contacts.setFieldValues(QStringLiteral("name"), QStringLiteral("مخاطب %1").arg(i));
        contacts.Post();
        std::printf("posted %d\n", i);
        std::fflush(stdout);
    }
}
