#include "Conversions.h"

#include <QTest>

#include <limits>

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void strToIntAccepts_data();
    void strToIntAccepts();
    void strToIntRejects_data();
    void strToIntRejects();
    void intToStr_data();
    void intToStr();
};

void TestConversions::strToIntAccepts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("ascii digits") << "12345" << 12345;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("many leading zeros before the largest value") << "000000002147483647" << 2147483647;
    QTest::newRow("plus sign") << "+42" << 42;
    QTest::newRow("minus sign") << "-42" << -42;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("persian digits") << QString::fromUtf8("۱۳۸۵") << 1385;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("٢٠٤٨") << 2048;
    QTest::newRow("mixed digit sets") << QString::fromUtf8("1۲٣4") << 1234;
    QTest::newRow("persian digits with sign") << QString::fromUtf8("-۹۰") << -90;
    QTest::newRow("every persian digit") << QString::fromUtf8("۰۱۲۳۴۵۶۷۸۹") << 123456789;
    QTest::newRow("every arabic-indic digit") << QString::fromUtf8("٠١٢٣٤٥٦٧٨٩") << 123456789;
    QTest::newRow("spaces around") << "  17 " << 17;
    QTest::newRow("spaces around a sign") << " -17  " << -17;
}

void TestConversions::strToIntAccepts()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(StrToInt(text), expected);
}

void TestConversions::strToIntRejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("only spaces") << "   ";
    QTest::newRow("lone minus") << "-";
    QTest::newRow("lone plus") << "+";
    QTest::newRow("double sign") << "--5";
    QTest::newRow("sign after digits") << "5-";
    QTest::newRow("space between sign and digits") << "- 5";
    QTest::newRow("space inside") << "1 000";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("hexadecimal") << "0x1F";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("persian decimal separator") << QString::fromUtf8("۱٫۵");
    QTest::newRow("persian letter") << QString::fromUtf8("۱۲ب");
    QTest::newRow("tab around") << "\t12";
    QTest::newRow("no-break space around") << QString::fromUtf8("12\u00A0");
    QTest::newRow("one beyond largest") << "2147483648";
    QTest::newRow("one beyond smallest") << "-2147483649";
    QTest::newRow("far beyond the 64-bit range") << "99999999999999999999999";
    QTest::newRow("persian digits beyond largest") << QString::fromUtf8("۲۱۴۷۴۸۳۶۴۸");
}

void TestConversions::strToIntRejects()
{
    QFETCH(QString, text);
    try {
        StrToInt(text);
        QFAIL("no error for an invalid number");
    } catch (const ConversionError& error) {
        const QString expected = QStringLiteral("'%1' is not a valid integer value").arg(text);
        QCOMPARE(error.text(), expected);
        // Whoever catches it as a std::exception gets the same text.
        QCOMPARE(QString::fromUtf8(error.what()), expected);
    }
}

void TestConversions::intToStr_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("positive") << qint64(1385) << "1385";
    QTest::newRow("negative") << qint64(-42) << "-42";
    QTest::newRow("beyond 32 bits") << qint64(9876543210) << "9876543210";
    QTest::newRow("smallest 64-bit") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TestConversions::intToStr()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(IntToStr(value), expected);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
