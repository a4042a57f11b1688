#include "UnitRepList.h"

#include "QueryDataset.h"
#include "UnitDM.h"

namespace {

const QString QRLabel1Caption = QStringLiteral("نام");
const QString QRLabel2Caption = QStringLiteral("منزل");
const QString QRLabel3Caption = QStringLiteral("محل کار");
const QString QRLabel4Caption = QStringLiteral("فاکس");
const QString QRLabel5Caption = QStringLiteral("موبايل");
const QString QRLabel6Caption = QStringLiteral("کارخانه");
const QString QRLabel7Caption = QStringLiteral("کد پستي");
const QString QRLabel8Caption = QStringLiteral("شهر");

QFont mitra(bool bold)
{
    return QFont(QStringLiteral("Mitra"), 12, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

TRepList* RepList = nullptr;

TRepList::TRepList(QObject* parent) : BandReport(QStringLiteral("RepList"), parent)
{
    setMargins(0, 5, 0, 0);
    setDataSet(DM->QuerySearch);
    ColumnHeaderBand1 = addBand(ReportBand::Kind::ColumnHeader, 10.58);
    DetailBand1 = addBand(ReportBand::Kind::Detail, 6.09);
    QRLabel1 = addText(ColumnHeaderBand1, QStringLiteral("QRLabel1"), QRectF(148.17, 4.23, 61.65, 6.61),
                       mitra(true));
    QRLabel1->setCaption(QRLabel1Caption);
    QRLabel1->alignment = Qt::AlignHCenter;
    QRDBText1 =
        addText(DetailBand1, QStringLiteral("QRDBText1"), QRectF(148.70, 0, 59.27, 6.09), mitra(false));
    QRDBText1->dataset = DM->QuerySearch;
    QRDBText1->dataField = QStringLiteral("Name");
    QRDBText1->frame = {true, true, true, true};
    QRLabel2 = addText(ColumnHeaderBand1, QStringLiteral("QRLabel2"), QRectF(129.65, 4.23, 18.52, 6.61),
                       mitra(true));
    QRLabel2->setCaption(QRLabel2Caption);
    QRLabel2->alignment = Qt::AlignHCenter;
    QRDBText2 =
        addText(DetailBand1, QStringLiteral("QRDBText2"), QRectF(129.91, 0, 19.05, 6.09), mitra(false));
    QRDBText2->dataset = DM->QuerySearch;
    QRDBText2->dataField = QStringLiteral("Home");
    QRDBText2->alignment = Qt::AlignHCenter;
    QRDBText2->frame = {true, true, true, false};
    QRLabel3 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel3"), QRectF(95.78, 4.23, 34.40, 6.61), mitra(true));
    QRLabel3->setCaption(QRLabel3Caption);
    QRLabel3->alignment = Qt::AlignHCenter;
    QRDBText3 =
        addText(DetailBand1, QStringLiteral("QRDBText3"), QRectF(95.78, 0, 34.40, 6.09), mitra(false));
    QRDBText3->dataset = DM->QuerySearch;
    QRDBText3->dataField = QStringLiteral("Company");
    QRDBText3->alignment = Qt::AlignHCenter;
    QRDBText3->frame = {true, true, true, false};
    QRLabel4 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel4"), QRectF(76.73, 4.23, 19.05, 6.61), mitra(true));
    QRLabel4->setCaption(QRLabel4Caption);
    QRLabel4->alignment = Qt::AlignHCenter;
    QRDBText4 =
        addText(DetailBand1, QStringLiteral("QRDBText4"), QRectF(76.73, 0, 19.31, 6.09), mitra(false));
    QRDBText4->dataset = DM->QuerySearch;
    QRDBText4->dataField = QStringLiteral("Fax");
    QRDBText4->alignment = Qt::AlignHCenter;
    QRDBText4->frame = {true, true, true, false};
    QRLabel5 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel5"), QRectF(50.27, 4.23, 26.72, 6.61), mitra(true));
    QRLabel5->setCaption(QRLabel5Caption);
    QRLabel5->alignment = Qt::AlignHCenter;
    QRDBText5 =
        addText(DetailBand1, QStringLiteral("QRDBText5"), QRectF(50.54, 0, 26.72, 6.09), mitra(false));
    QRDBText5->dataset = DM->QuerySearch;
    QRDBText5->dataField = QStringLiteral("Mobil");
    QRDBText5->alignment = Qt::AlignHCenter;
    QRDBText5->frame = {true, true, true, false};
    QRLabel6 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel6"), QRectF(33.34, 4.23, 17.20, 6.61), mitra(true));
    QRLabel6->setCaption(QRLabel6Caption);
    QRLabel6->alignment = Qt::AlignHCenter;
    QRDBText6 =
        addText(DetailBand1, QStringLiteral("QRDBText6"), QRectF(33.34, 0, 17.20, 6.09), mitra(false));
    QRDBText6->dataset = DM->QuerySearch;
    QRDBText6->dataField = QStringLiteral("Factory");
    QRDBText6->alignment = Qt::AlignHCenter;
    QRDBText6->frame = {true, true, true, false};
    QRLabel7 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel7"), QRectF(14.82, 4.23, 18.52, 6.61), mitra(true));
    QRLabel7->setCaption(QRLabel7Caption);
    QRLabel7->alignment = Qt::AlignHCenter;
    QRDBText7 =
        addText(DetailBand1, QStringLiteral("QRDBText7"), QRectF(15.08, 0, 18.52, 6.09), mitra(false));
    QRDBText7->dataset = DM->QuerySearch;
    QRDBText7->dataField = QStringLiteral("Postcod");
    QRDBText7->alignment = Qt::AlignHCenter;
    QRDBText7->frame = {true, true, true, false};
    QRLabel8 =
        addText(ColumnHeaderBand1, QStringLiteral("QRLabel8"), QRectF(2.12, 4.23, 13.23, 6.61), mitra(true));
    QRLabel8->setCaption(QRLabel8Caption);
    QRLabel8->alignment = Qt::AlignHCenter;
    QRDBText8 = addText(DetailBand1, QStringLiteral("QRDBText8"), QRectF(2.12, 0, 13.23, 6.09), mitra(false));
    QRDBText8->dataset = DM->QuerySearch;
    QRDBText8->dataField = QStringLiteral("City");
    QRDBText8->alignment = Qt::AlignHCenter;
    QRDBText8->frame = {true, true, true, false};
}
