#include "UnitReport.h"

namespace {

const QString QRLabel1Caption = QStringLiteral("فرستنده : شركت نیلاسپ");
const QString LaddCaption = QStringLiteral("گيرنده :");
const QString LTelCaption = QStringLiteral("تلفن  :");
const QString LPCCaption = QStringLiteral("كد پستي :");
// The sender's city and post-office box, on one line.
const QString QRLabel3Caption = QStringLiteral("تهران - صندوق پستی ۱۴۳۳۵-۱۸۷");

QFont mitra(int points, bool bold)
{
    return QFont(QStringLiteral("Mitra"), points, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

TReport* Report = nullptr;

TReport::TReport(QObject* parent) : BandReport(QStringLiteral("Report"), parent)
{
    setMargins(5, 10, 10, 10);
    TitleBand1 = addBand(ReportBand::Kind::Title, 113.77);
    // The labels stand on the sheet itself, placed from its corner.
    QRLabel1 =
        addText(nullptr, QStringLiteral("QRLabel1"), QRectF(27.52, 122.77, 61.65, 8.20), mitra(15, true));
    QRLabel1->setCaption(QRLabel1Caption);
    QRLabel3 =
        addText(nullptr, QStringLiteral("QRLabel3"), QRectF(33.87, 135.47, 55.30, 6.88), mitra(13, true));
    QRLabel3->setCaption(QRLabel3Caption);
    Ladd = addText(nullptr, QStringLiteral("Ladd"), QRectF(182.03, 247.65, 10.85, 6.88), mitra(13, true));
    Ladd->setCaption(LaddCaption);
    QR1 = addText(nullptr, QStringLiteral("QR1"), QRectF(64.03, 247.65, 116.68, 7.41), mitra(14, false));
    QR3 = addText(nullptr, QStringLiteral("QR3"), QRectF(64.03, 255.32, 116.68, 7.41), mitra(14, false));
    QRLabel4 =
        addText(nullptr, QStringLiteral("QRLabel4"), QRectF(64.03, 263.79, 116.68, 7.41), mitra(14, false));
    LTel = addText(nullptr, QStringLiteral("LTel"), QRectF(182.03, 271.46, 10.05, 7.14), mitra(13, true));
    LTel->setCaption(LTelCaption);
    QR4 = addText(nullptr, QStringLiteral("QR4"), QRectF(64.03, 271.46, 116.68, 7.67), mitra(14, false));
    LPC = addText(nullptr, QStringLiteral("LPC"), QRectF(182.03, 279.14, 15.08, 6.88), mitra(13, true));
    LPC->setCaption(LPCCaption);
    QR5 = addText(nullptr, QStringLiteral("QR5"), QRectF(64.03, 279.14, 116.68, 7.41), mitra(14, false));
}
