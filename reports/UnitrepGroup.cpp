#include "UnitrepGroup.h"

#include "QueryDataset.h"
#include "UnitDM.h"

namespace {
const QString LaddCaption = QStringLiteral("آدرس  :");
const QString LTelCaption = QStringLiteral("تلفن  :");
const QString LPCCaption = QStringLiteral("کد پستي :");
} // namespace

TRepGroup* RepGroup = nullptr;

TRepGroup::TRepGroup(QObject* parent) : BandReport(QStringLiteral("RepGroup"), parent)
{
    setMargins(10, 10, 10, 10);
    setDataSet(DM->QueryDetail);
    DetailBand1 = addBand(ReportBand::Kind::Detail, 53.71);
    const QFont nazanin(QStringLiteral("Nazanin"), 13);
    Ladd = addText(DetailBand1, QStringLiteral("Ladd"), QRectF(173.57, 2.12, 15.08, 7.14), nazanin);
    Ladd->setCaption(LaddCaption);
    QRDBText3 = addText(DetailBand1, QStringLiteral("QRDBText3"), QRectF(93.13, 2.12, 79.38, 7.14), nazanin);
    QRDBText3->dataset = DM->QueryDetail;
    QRDBText3->dataField = QStringLiteral("City");
    QRDBText3->rightToLeft = false;
    QRDBText1 = addText(DetailBand1, QStringLiteral("QRDBText1"), QRectF(95.25, 10.58, 79.38, 7.14), nazanin);
    QRDBText1->dataset = DM->QueryDetail;
    QRDBText1->dataField = QStringLiteral("Ad1");
    QRDBText1->rightToLeft = false;
    QRDBText2 = addText(DetailBand1, QStringLiteral("QRDBText2"), QRectF(95.25, 19.05, 79.38, 7.14), nazanin);
    QRDBText2->dataset = DM->QueryDetail;
    QRDBText2->dataField = QStringLiteral("Ad2");
    QRDBText2->rightToLeft = false;
    QRDBText4 =
        addText(DetailBand1, QStringLiteral("QRDBText4"), QRectF(131.23, 26.46, 42.60, 7.14), nazanin);
    QRDBText4->dataset = DM->QueryDetail;
    QRDBText4->dataField = QStringLiteral("Name");
    QRDBText4->rightToLeft = false;
    LTel = addText(DetailBand1, QStringLiteral("LTel"), QRectF(175.68, 34.66, 15.08, 7.14), nazanin);
    LTel->setCaption(LTelCaption);
    QRDBText5 =
        addText(DetailBand1, QStringLiteral("QRDBText5"), QRectF(131.23, 34.66, 43.13, 7.14), nazanin);
    QRDBText5->dataset = DM->QueryDetail;
    QRDBText5->dataField = QStringLiteral("Company");
    LPC = addText(DetailBand1, QStringLiteral("LPC"), QRectF(175.68, 42.33, 15.08, 7.14), nazanin);
    LPC->setCaption(LPCCaption);
    QRDBText6 =
        addText(DetailBand1, QStringLiteral("QRDBText6"), QRectF(130.70, 42.33, 43.66, 7.14), nazanin);
    QRDBText6->dataset = DM->QueryDetail;
    QRDBText6->dataField = QStringLiteral("Postcod");
}
