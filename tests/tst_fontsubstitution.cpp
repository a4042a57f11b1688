#include "FontSubstitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestFontSubstitution : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutFontsResolveToPersianFonts_data();
    void layoutFontsResolveToPersianFonts();
};

void TestFontSubstitution::initTestCase()
{
    FontSubstitution::install();
}

void TestFontSubstitution::layoutFontsResolveToPersianFonts_data()
{
    QTest::addColumn<QString>("layoutFamily");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("expectedFamily");

    const QList<std::pair<const char*, const char*>> families{
        {"Titr", "Titr"},
        {"Homa", "Homa"},
        {"Nazanin", "Nazli"},
        {"Mitra", "Nazli"},
        {"Lotus", "Nazli"},
        {"Zar", "FreeFarsi"},
        {"zar", "FreeFarsi"},
        {"Jadid", "FreeFarsi"},
        {"jadid", "FreeFarsi"},
        {"Traffic", "FreeFarsi"},
        {"Tahoma", "DejaVu Sans"},
        {"Arial", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},
    };
    for (const auto& [layoutFamily, expected] : families) {
        for (const bool bold : {false, true}) {
            QTest::addRow("%s%s", layoutFamily, bold ? ", bold" : "")
                << QString(layoutFamily) << bold << QString(expected);
        }
    }
}

void TestFontSubstitution::layoutFontsResolveToPersianFonts()
{
    QFETCH(QString, layoutFamily);
    QFETCH(bool, bold);
    QFETCH(QString, expectedFamily);

    QFont font(layoutFamily, 12);
    font.setBold(bold);
    const QString resolved = QFontInfo(font).family();
    QCOMPARE(resolved, expectedFamily);
    QVERIFY(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::Arabic));
    // Letters and digits particular to Persian, not only the Arabic ones.
    const QFontMetrics metrics(font);
    for (const char16_t persianOnly : {u'پ', u'چ', u'ژ', u'گ', u'ک', u'ی', u'۴', u'۵', u'۶'})
        QVERIFY2(metrics.inFont(QChar(persianOnly)), qPrintable(QString(QChar(persianOnly))));
}

QTEST_MAIN(TestFontSubstitution)
#include "tst_fontsubstitution.moc"
