#include "Application.h"
#include "QueryDataset.h"
#include "TestProgram.h"
#include "UnitDM.h"
#include "UnitRepList.h"
#include "UnitReport.h"
#include "UnitrepGroup.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

// The three printed layouts: pages, the place of their texts in
// millimetres, what fits a box, and the dataset's row after a build.
class ReportsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;

    void startWith(int contactsInGroupOne, const QString& longName = {})
    {
        m_program = std::make_unique<TestProgram>([&](TestDatabase& store) {
            store.addGroup(1, QStringLiteral("خانواده"));
            store.addGroup(2, QStringLiteral("خالی"));
            for (int i = 1; i <= contactsInGroupOne; ++i)
                store.addContact(1, QStringLiteral("مخاطب %1").arg(i, 3, 10, QLatin1Char('0')),
                                 {QStringLiteral("021-%1").arg(i), QStringLiteral("88%1").arg(i), QString(),
                                  QStringLiteral("0912%1").arg(i), QStringLiteral("تهران"), QString(),
                                  QStringLiteral("021"), QStringLiteral("1234567890"),
                                  QStringLiteral("خیابان %1").arg(i), QStringLiteral("کوچه دوم"),
                                  QStringLiteral("پلاک ۷")});
            if (!longName.isEmpty())
                store.addContact(1, longName);
        });
        DM->QuerySearch->setActive(true);
        DM->QueryMaster->setActive(true);
        DM->QueryDetail->setActive(false);
        DM->QueryDetail->setActive(true);
    }

    static const PlacedText* find(const ReportPage& page, const QString& name, int nth = 0)
    {
        for (const PlacedText& text : page.texts) {
            if (text.name == name && nth-- == 0)
                return &text;
        }
        return nullptr;
    }

    static bool near(const QRectF& actual, const QRectF& expected)
    {
        auto close = [](double a, double b) { return std::abs(a - b) <= 0.1; };
        return close(actual.x(), expected.x()) && close(actual.y(), expected.y()) &&
               close(actual.width(), expected.width()) && close(actual.height(), expected.height());
    }

private slots:
    void cleanup() { m_program.reset(); }

    void contactListPagesHold46Rows_data()
    {
        QTest::addColumn<int>("contacts");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("rowsOnLastPage");
        QTest::newRow("46") << 46 << 1 << 46;
        QTest::newRow("47") << 47 << 2 << 1;
        QTest::newRow("92") << 92 << 2 << 46;
    }

    void contactListPagesHold46Rows()
    {
        QFETCH(int, contacts);
        QFETCH(int, pages);
        QFETCH(int, rowsOnLastPage);
        startWith(contacts);
        const QList<ReportPage> built = RepList->build();
        QCOMPARE(built.size(), pages);
        auto count = [](const ReportPage& page, const QString& name) {
            return int(std::count_if(page.texts.begin(), page.texts.end(),
                                     [&](const PlacedText& t) { return t.name == name; }));
        };
        QCOMPARE(count(built.last(), QStringLiteral("QRDBText1")), rowsOnLastPage);
        for (const ReportPage& page : built)
            QCOMPARE(count(page, QStringLiteral("QRLabel1")), 1); // headings on every page
        // The last row is current afterwards.
        QCOMPARE(DM->QuerySearchName->AsString(),
                 QStringLiteral("مخاطب %1").arg(contacts, 3, 10, QLatin1Char('0')));
    }

    void contactListPlacesHeadingsAndCells()
    {
        startWith(47);
        const QList<ReportPage> built = RepList->build();
        const ReportPage& second = built[1];
        QVERIFY(near(find(second, "QRLabel1")->box, QRectF(148.17, 4.23, 61.65, 6.61)));
        QCOMPARE(find(second, "QRLabel3")->lines, QStringList({"محل کار"}));
        const PlacedText* name = find(second, "QRDBText1");
        QVERIFY(near(name->box, QRectF(148.70, 10.58, 59.27, 6.09)));
        QCOMPARE(name->lines, QStringList({"مخاطب 047"}));
        QVERIFY(name->frame.left && name->frame.right && name->frame.top && name->frame.bottom);
        const PlacedText* city = find(built[0], "QRDBText8", 45);
        QVERIFY(near(city->box, QRectF(2.12, 10.58 + 45 * 6.09, 13.23, 6.09)));
        QVERIFY(city->frame.left && !city->frame.right);
        QCOMPARE(city->lines, QStringList({"تهران"}));
    }

    void emptyListPrintsOneRuledRowWithoutHeadings()
    {
        startWith(0);
        const QList<ReportPage> built = RepList->build();
        QCOMPARE(built.size(), 1);
        QVERIFY(!find(built[0], "QRLabel1"));
        const PlacedText* name = find(built[0], "QRDBText1");
        QVERIFY(name && name->lines.isEmpty());
        QVERIFY(near(name->box, QRectF(148.70, 0, 59.27, 6.09)));
    }

    void longTextPrintsItsFirstLineOnly()
    {
        const QString longName =
            QStringLiteral("محمدحسین ابوالفضل میرزاعبدالله زاده اصفهانی طباطبایی نژاد دهکردی");
        startWith(1, longName);
        // By name, the long one comes first (ح before خ).
        const PlacedText* name = find(RepList->build()[0], "QRDBText1", 0);
        QCOMPARE(name->lines.size(), 1);
        QVERIFY2(longName.startsWith(name->lines[0]), qPrintable(name->lines[0]));
        QVERIFY(name->lines[0].size() < longName.size());
        const PlacedText* blockName = find(RepGroup->build()[0], "QRDBText4", 1); // in row order
        QCOMPARE(blockName->lines.size(), 1);
    }

    void groupSheetHoldsFiveBlocksAPage_data()
    {
        QTest::addColumn<int>("contacts");
        QTest::addColumn<int>("pages");
        QTest::newRow("5") << 5 << 1;
        QTest::newRow("6") << 6 << 2;
    }

    void groupSheetHoldsFiveBlocksAPage()
    {
        QFETCH(int, contacts);
        QFETCH(int, pages);
        startWith(contacts);
        const QList<ReportPage> built = RepGroup->build();
        QCOMPARE(built.size(), pages);
        const double tops[] = {10, 63.71, 117.42, 171.13, 224.84};
        for (int block = 0; block < std::min(contacts, 5); ++block)
            QVERIFY(near(find(built[0], "Ladd", block)->box,
                         QRectF(10 + 173.57, tops[block] + 2.12, 15.08, 7.14)));
        const PlacedText* company = find(built[0], "QRDBText5");
        QCOMPARE(company->lines, QStringList({"881"}));
        QVERIFY(company->rightToLeft);
        QVERIFY(!find(built[0], "QRDBText3")->rightToLeft);
        QCOMPARE(DM->QueryDetailName->AsString(),
                 QStringLiteral("مخاطب %1").arg(contacts, 3, 10, QLatin1Char('0')));
        if (pages == 2)
            QVERIFY(near(find(built[1], "LTel")->box, QRectF(10 + 175.68, 10 + 34.66, 15.08, 7.14)));
    }

    void emptyGroupPrintsTheCaptionsOnly()
    {
        startWith(3);
        DM->QueryMaster->Next(); // the group without contacts
        QCOMPARE(DM->QueryDetail->RecordCount(), 0);
        const QList<ReportPage> built = RepGroup->build();
        QCOMPARE(built.size(), 1);
        QCOMPARE(find(built[0], "Ladd")->lines, QStringList({"آدرس  :"}));
        QCOMPARE(find(built[0], "LPC")->lines, QStringList({"کد پستي :"}));
        QVERIFY(find(built[0], "QRDBText6")->lines.isEmpty());
    }

    void envelopePrintsItsSlotsOnOnePage()
    {
        startWith(0);
        Report->QR1->setCaption(QStringLiteral("تهران-خیابان آزادی"));
        Report->QR3->setCaption(QStringLiteral("-"));
        Report->QRLabel4->setCaption(QString());
        Report->QR4->setCaption(QStringLiteral("--"));
        Report->QR5->setCaption(QStringLiteral("1234567890"));
        const QList<ReportPage> built = Report->build();
        QCOMPARE(built.size(), 1);
        QCOMPARE(find(built[0], "QR1")->lines, QStringList({"تهران-خیابان آزادی"}));
        QVERIFY(near(find(built[0], "QR4")->box, QRectF(64.03, 271.46, 116.68, 7.67)));
        QVERIFY(near(find(built[0], "LPC")->box, QRectF(182.03, 279.14, 15.08, 6.88)));
        QCOMPARE(find(built[0], "QRLabel1")->lines, QStringList({"فرستنده : شركت نیلاسپ"}));
        QVERIFY(find(built[0], "QRLabel4")->lines.isEmpty());
        QCOMPARE(Report->build()[0].texts.size(), built[0].texts.size()); // the same again
    }

    void previewReturnsWhenClosedOnTheLastRow()
    {
        startWith(3);
        DM->QuerySearch->First();
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            shown = preview ? QString::fromLatin1(preview->metaObject()->className()) : QString();
            if (preview)
                preview->close();
        });
        RepList->Preview();
        QCOMPARE(shown, QStringLiteral("QPrintPreviewDialog"));
        QCOMPARE(DM->QuerySearchName->AsString(), QStringLiteral("مخاطب 003"));
    }

    void pagesWriteToPdf()
    {
        startWith(47);
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath("list.pdf"));
        BandReport::print(RepList->build(), pdf);
        QVERIFY(QFileInfo(dir.filePath("list.pdf")).size() > 1000);
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    ReportsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_reports.moc"
