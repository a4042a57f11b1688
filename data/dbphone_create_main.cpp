#include "CreateDatabase.h"
#include "DatabaseError.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int failWith(const QString& message)
{
    QTextStream(stderr) << "dbphone-create: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dbphone-create"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Creates a new telephone directory database, dbphone.mdb, in FOLDER.\n"
                       "An existing dbphone.mdb is never overwritten.\n"
                       "ساخت پرونده تازه دفترچه تلفن (dbphone.mdb) در پوشه "
                       "داده‌شده."));
    parser.addHelpOption();
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral("Fill the new database with Persian demo groups and contacts."));
    const QCommandLineOption groupsOption(QStringLiteral("groups"),
                                          QStringLiteral("Number of demo groups (default 12)."),
                                          QStringLiteral("N"), QStringLiteral("12"));
    const QCommandLineOption contactsOption(QStringLiteral("contacts"),
                                            QStringLiteral("Number of demo contacts (default 300)."),
                                            QStringLiteral("N"), QStringLiteral("300"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the demo data; equal seeds give equal data "
                                                       "(default 1)."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({demoOption, groupsOption, contactsOption, seedOption});
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Existing folder that receives dbphone.mdb."));

    if (!parser.parse(QCoreApplication::arguments()))
        return failWith(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.positionalArguments().size() != 1)
        return failWith(QStringLiteral("exactly one FOLDER is needed; see --help."));
    const bool demo = parser.isSet(demoOption);
    if (!demo && (parser.isSet(groupsOption) || parser.isSet(contactsOption) || parser.isSet(seedOption)))
        return failWith(QStringLiteral("--groups, --contacts and --seed only apply together with --demo."));

    CreateDatabase::Options options;
    options.demo = demo;
    bool groupsOk = false;
    bool contactsOk = false;
    bool seedOk = false;
    options.groupCount = parser.value(groupsOption).toInt(&groupsOk);
    options.contactCount = parser.value(contactsOption).toInt(&contactsOk);
    options.seed = parser.value(seedOption).toULongLong(&seedOk);
    if (!groupsOk || !contactsOk || !seedOk || options.groupCount < 0 || options.contactCount < 0)
        return failWith(QStringLiteral("--groups, --contacts and --seed take whole numbers of at least 0."));

    try {
        const QString path = CreateDatabase::create(parser.positionalArguments().constFirst(), options);
        QTextStream(stdout) << QDir::toNativeSeparators(path) << Qt::endl;
    } catch (const DatabaseError& error) {
        return failWith(error.text());
    }
    return 0;
}
