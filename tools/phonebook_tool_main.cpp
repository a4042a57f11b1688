#include "ContactExchange.h"
#include "CreateDatabase.h"
#include "DatabaseBackup.h"
#include "DatabaseCheck.h"
#include "DatabaseError.h"
#include "MdbImport.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <functional>

namespace {

struct Subcommand
{
    QString name;
    QString arguments;
    QString persian;
    QString english;
    std::function<int(const QStringList&)> run; // gets the positional arguments
};

int failWith(const QString& message)
{
    QTextStream(stderr) << "phonebook-tool: " << message << Qt::endl;
    return 1;
}

void print(const QString& text)
{
    QTextStream(stdout) << text << Qt::endl;
}

int create(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption demoOption(QStringLiteral("demo"));
    const QCommandLineOption groupsOption(QStringLiteral("groups"), QString(), QStringLiteral("N"),
                                          QStringLiteral("12"));
    const QCommandLineOption contactsOption(QStringLiteral("contacts"), QString(), QStringLiteral("N"),
                                            QStringLiteral("300"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("N"),
                                        QStringLiteral("1"));
    parser.addOptions({demoOption, groupsOption, contactsOption, seedOption});
    if (!parser.parse(QStringList{QStringLiteral("create")} + arguments))
        return failWith(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return failWith(QStringLiteral("create needs exactly one FOLDER; see --help."));
    CreateDatabase::Options options;
    options.demo = parser.isSet(demoOption);
    if (!options.demo &&
        (parser.isSet(groupsOption) || parser.isSet(contactsOption) || parser.isSet(seedOption)))
        return failWith(QStringLiteral("--groups, --contacts and --seed only apply together with --demo."));
    bool groupsOk = false;
    bool contactsOk = false;
    bool seedOk = false;
    options.groupCount = parser.value(groupsOption).toInt(&groupsOk);
    options.contactCount = parser.value(contactsOption).toInt(&contactsOk);
    options.seed = parser.value(seedOption).toULongLong(&seedOk);
    if (!groupsOk || !contactsOk || !seedOk || options.groupCount < 0 || options.contactCount < 0)
        return failWith(QStringLiteral("--groups, --contacts and --seed take whole numbers of at least 0."));
    print(
        QDir::toNativeSeparators(CreateDatabase::create(parser.positionalArguments().constFirst(), options)));
    return 0;
}

int exportTo(ContactExchange::Format format, const QStringList& arguments)
{
    const int count = ContactExchange::exportFile(arguments[0], arguments[1], format);
    print(
        QStringLiteral("%1 contacts written to %2.").arg(count).arg(QDir::toNativeSeparators(arguments[1])));
    return 0;
}

int importFrom(ContactExchange::Format format, const QStringList& arguments)
{
    const ContactExchange::Summary summary = ContactExchange::importFile(arguments[0], arguments[1], format);
    print(QStringLiteral("%1 contacts added, %2 groups created.")
              .arg(summary.contactsAdded)
              .arg(summary.groupsCreated));
    return 0;
}

int importMdb(const QStringList& arguments)
{
    try {
        const MdbImport::Summary summary = MdbImport::run(arguments[0], arguments[1]);
        print(QStringLiteral("%1: %2 groups and %3 contacts imported.")
                  .arg(QDir::toNativeSeparators(summary.database))
                  .arg(summary.groups)
                  .arg(summary.contacts));
    } catch (const DatabaseError& error) {
        return failWith(
            QStringLiteral("Cannot import %1: %2").arg(QDir::toNativeSeparators(arguments[0]), error.text()));
    }
    return 0;
}

int check(const QStringList& arguments)
{
    const DatabaseCheck::Report report = DatabaseCheck::run(arguments[0]);
    QTextStream(report.healthy ? stdout : stderr) << report.lines.join(u'\n') << Qt::endl;
    return report.healthy ? 0 : 1;
}

int backup(const QStringList& arguments)
{
    DatabaseBackup::run(arguments[0], arguments[1]);
    print(QStringLiteral("Backed up to %1.").arg(QDir::toNativeSeparators(arguments[1])));
    return 0;
}

const QList<Subcommand>& subcommands()
{
    using Format = ContactExchange::Format;
    static const QList<Subcommand> all{
        {QStringLiteral("create"), QStringLiteral("[--demo [--groups N] [--contacts N] [--seed N]] FOLDER"),
         QStringLiteral("ساخت پرونده تازه dbphone.mdb در پوشه، خالی یا با داده نمونه"),
         QStringLiteral(
             "Creates FOLDER/dbphone.mdb, empty or with demo data (default 12 groups, 300 contacts, "
             "seed 1); never overwrites."),
         create},
        {QStringLiteral("export-vcard"), QStringLiteral("DB OUT.vcf"),
         QStringLiteral("بیرون بردن همه نشانی‌ها به پرونده vCard"),
         QStringLiteral("Writes every contact to a new vCard 3.0 file."),
         [](const QStringList& a) { return exportTo(Format::VCard, a); }},
        {QStringLiteral("export-csv"), QStringLiteral("DB OUT.csv"),
         QStringLiteral("بیرون بردن همه نشانی‌ها به پرونده CSV برای "
                        "صفحه‌گسترده"),
         QStringLiteral("Writes every contact to a new CSV file for spreadsheets."),
         [](const QStringList& a) { return exportTo(Format::Csv, a); }},
        {QStringLiteral("import-vcard"), QStringLiteral("DB IN.vcf"),
         QStringLiteral("آوردن نشانی‌های پرونده vCard؛ همه یا هیچ"),
         QStringLiteral("Adds the contacts of a vCard file; all of them, or none when any is rejected."),
         [](const QStringList& a) { return importFrom(Format::VCard, a); }},
        {QStringLiteral("import-csv"), QStringLiteral("DB IN.csv"),
         QStringLiteral("آوردن نشانی‌های پرونده CSV؛ همه یا هیچ"),
         QStringLiteral("Adds the contacts of a CSV file; all of them, or none when any row is rejected."),
         [](const QStringList& a) { return importFrom(Format::Csv, a); }},
        {QStringLiteral("import-mdb"), QStringLiteral("SOURCE.mdb FOLDER"),
         QStringLiteral("ساخت dbphone.mdb تازه از پرونده برنامه قدیمی"),
         QStringLiteral("Creates FOLDER/dbphone.mdb from an original desktop database file."), importMdb},
        {QStringLiteral("check"), QStringLiteral("DB"),
         QStringLiteral("وارسی درستی پرونده و جدول‌های آن"),
         QStringLiteral("Checks the file's integrity and its tables and columns."), check},
        {QStringLiteral("backup"), QStringLiteral("DB OUT"),
         QStringLiteral(
             "پشتیبان‌گیری در پرونده تازه، حتی هنگام کار برنامه"),
         QStringLiteral("Copies the database to a new file, safely while the program uses it."), backup},
    };
    return all;
}

QString usageOf(const Subcommand& subcommand)
{
    return QStringLiteral("  phonebook-tool %1 %2\n      %3\n      %4\n")
        .arg(subcommand.name, subcommand.arguments, subcommand.persian, subcommand.english);
}

QString generalHelp()
{
    QString text = QStringLiteral("ابزار همراه دفترچه تلفن — Companion tool of the telephone directory\n\n"
                                  "Usage:\n");
    for (const Subcommand& subcommand : subcommands())
        text += usageOf(subcommand);
    return text + QStringLiteral("\nphonebook-tool COMMAND --help shows the help of one command.\n"
                                 "Exit status 0 on success, 1 on any failure (the reason is on stderr).");
}

int runSubcommand(const Subcommand& subcommand, const QStringList& arguments)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        print(QStringLiteral("Usage:\n") + usageOf(subcommand));
        return 0;
    }
    if (subcommand.name == u"create")
        return subcommand.run(arguments);
    const qsizetype wanted = subcommand.arguments.split(u' ').size();
    if (arguments.size() != wanted ||
        std::any_of(arguments.begin(), arguments.end(), [](const QString& a) { return a.startsWith(u'-'); }))
        return failWith(QStringLiteral("%1 takes exactly %2; see phonebook-tool %1 --help.")
                            .arg(subcommand.name, subcommand.arguments));
    return subcommand.run(arguments);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phonebook-tool"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return failWith(QStringLiteral("a command is needed.\n") + generalHelp());
    if (arguments[0] == u"--help" || arguments[0] == u"-h") {
        print(generalHelp());
        return 0;
    }
    const auto found = std::find_if(subcommands().begin(), subcommands().end(),
                                    [&arguments](const Subcommand& s) { return s.name == arguments[0]; });
    if (found == subcommands().end())
        return failWith(QStringLiteral("unknown command '%1'; see phonebook-tool --help.").arg(arguments[0]));
    try {
        return runSubcommand(*found, arguments.mid(1));
    } catch (const DatabaseError& error) {
        return failWith(error.text());
    }
}
