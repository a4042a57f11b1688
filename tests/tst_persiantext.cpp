#include "Connection.h"
#include "PersianText.h"
#include "TestDatabase.h"

// Persian text in the store: LIKE finds a name typed with either keyboard,
// and NOCASE columns sort in Persian alphabetical order.
class PersianTextTest : public QObject
{
    Q_OBJECT

private slots:
    void likeMatchesFoldedText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("persian yeh finds arabic yeh") << "%علی%"
                                                      << "علي رضايي" << true;
        QTest::newRow("arabic yeh finds persian yeh") << "%علي%"
                                                      << "علی" << true;
        QTest::newRow("alef maksura is yeh") << "%موسی%"
                                             << "موسى" << true;
        QTest::newRow("arabic kaf is persian kaf") << "%کاوه%"
                                                   << "كاوه" << true;
        QTest::newRow("persian kaf finds arabic kaf") << "%ك%"
                                                      << "کریم" << true;
        QTest::newRow("latin case ignored") << "%sara%"
                                            << "SARA Ahmadi" << true;
        QTest::newRow("non-ascii case ignored") << "%émile%"
                                                << "ÉMILE" << true;
        QTest::newRow("other letters differ") << "%ب%"
                                              << "پری" << false;
        QTest::newRow("underscore is one character") << "ع_ی"
                                                     << "علی" << true;
        QTest::newRow("underscore needs a character") << "ع_ی"
                                                      << "عی" << false;
        QTest::newRow("anchored start") << "ع%"
                                        << "رعنا" << false;
        QTest::newRow("percent alone") << "%"
                                       << "" << true;
        QTest::newRow("empty pattern") << ""
                                       << "x" << false;
        QTest::newRow("backtracking") << "%ab%ab%c"
                                      << "abxabyabababc" << true;
        QTest::newRow("trailing run") << "%ab%"
                                      << "xxa" << false;
        QTest::newRow("emoji") << "%📞%"
                               << "تلفن 📞 همراه" << true;
    }

    void likeMatchesFoldedText()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        const QByteArray p = pattern.toUtf8();
        const QByteArray t = text.toUtf8();
        QCOMPARE(PersianText::like({p.constData(), size_t(p.size())}, {t.constData(), size_t(t.size())}),
                 matches);
    }

    void likeInStatementsFollowsSqlRules()
    {
        TestDatabase store;
        Connection connection;
        connection.open(store.path());
        store.addContact(1, QStringLiteral("علي"));
        store.addContact(1, QStringLiteral("100% x"));
        store.addContact(1, QStringLiteral("100 x"));
        store.exec(QStringLiteral("INSERT INTO Phone (Code, Name) VALUES (1, NULL)"));
        auto count = [&](const QString& where) {
            sqlite3_stmt* statement = nullptr;
            const QByteArray sql = ("SELECT count(*) FROM Phone WHERE " + where).toUtf8();
            if (sqlite3_prepare_v2(connection.handle(), sql.constData(), -1, &statement, nullptr) !=
                SQLITE_OK)
                return -1;
            const int n = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
            sqlite3_finalize(statement);
            return n;
        };
        QCOMPARE(count(QStringLiteral("name like '%علی%'")), 1);
        QCOMPARE(count(QStringLiteral("name like '%'")), 3); // NULL never matches
        QCOMPARE(count(QStringLiteral("name not like '%علی%'")), 2);
        QCOMPARE(count(QStringLiteral("name like '%!%%' escape '!'")), 1);
        QCOMPARE(count(QStringLiteral("name like '%' escape 'ab'")), -1);
    }

    void orderByNameIsPersianAlphabetical()
    {
        TestDatabase store;
        Connection connection;
        connection.open(store.path());
        // Stored in an order that code points would keep.
        const QStringList shuffled = {
            QStringLiteral("گلناز"), QStringLiteral("ژاله"), QStringLiteral("چنگیز"), QStringLiteral("پریسا"),
            QStringLiteral("کاوه"),  QStringLiteral("زهرا"), QStringLiteral("جواد"),  QStringLiteral("بهرام"),
            QStringLiteral("آرش"),   QStringLiteral("یاسمن")};
        for (const QString& name : shuffled)
            store.addContact(1, name);
        const QStringList persianOrder = {
            QStringLiteral("آرش"),   QStringLiteral("بهرام"), QStringLiteral("پریسا"), QStringLiteral("جواد"),
            QStringLiteral("چنگیز"), QStringLiteral("زهرا"),  QStringLiteral("ژاله"),  QStringLiteral("کاوه"),
            QStringLiteral("گلناز"), QStringLiteral("یاسمن")};
        for (const char* sql : {"select name from phone\r\norder by name",
                                "select phone.name from grp inner join phone on 1=1 order by phone.name",
                                "SELECT Name FROM Phone ORDER BY Name"}) {
            store.exec(QStringLiteral("DELETE FROM Grp"));
            store.addGroup(1, QStringLiteral("g"));
            QStringList names;
            sqlite3_stmt* statement = nullptr;
            QCOMPARE(sqlite3_prepare_v2(connection.handle(), sql, -1, &statement, nullptr), SQLITE_OK);
            while (sqlite3_step(statement) == SQLITE_ROW)
                names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            sqlite3_finalize(statement);
            QCOMPARE(names, persianOrder);
        }
        // Another SQLite program still reads and sorts the file with its own rules.
        QCOMPARE(store.rows(QStringLiteral("SELECT count(*) FROM Phone ORDER BY Name")), QStringList({"10"}));
    }
};

QTEST_MAIN(PersianTextTest)
#include "tst_persiantext.moc"
