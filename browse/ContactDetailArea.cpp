#include "ContactDetailArea.h"

namespace {
const QString MobilCaption = QStringLiteral("موبايل :");
const QString FactoryCaption = QStringLiteral("کارخانه :");
const QString CityCaption = QStringLiteral("شهر :");
const QString PishCaption = QStringLiteral("کد شهر :");
const QString PostcodCaption = QStringLiteral("کدپستي :");
const QString Ad1Caption = QStringLiteral("آدرس 1 :");
const QString Ad2Caption = QStringLiteral("آدرس 2 :");
const QString Ad3Caption = QStringLiteral("آدرس 3 :");
} // namespace

void ContactDetailArea::build(QWidget* window, int top, const QFont& labelFont, const QFont& textFont,
                              const std::array<QLabel**, Count>& labels,
                              const std::array<DBText**, Count>& texts)
{
    struct Detail
    {
        const char* labelName;
        QString caption;
        int labelRight;
        int labelTop;
        const char* textName;
        QRect text;
        const char* field;
    };
    // Captions end on the right at the given edge: they size themselves to their text.
    const std::array<Detail, Count> details = {{
        {"Label2", MobilCaption, 782, 0, "DBText1", {480, 0, 249, 19}, "Mobil"},
        {"Label3", FactoryCaption, 782, 24, "DBText2", {480, 24, 257, 19}, "Factory"},
        {"Label4", CityCaption, 374, 0, "DBText3", {232, 0, 108, 19}, "City"},
        {"Label5", PishCaption, 214, 0, "DBText4", {24, 0, 132, 19}, "Pish"},
        {"Label6", PostcodCaption, 374, 32, "DBText5", {152, 32, 164, 19}, "Postcod"},
        {"Label7", Ad1Caption, 782, 64, "DBText6", {192, 64, 510, 19}, "Ad1"},
        {"Label8", Ad2Caption, 782, 88, "DBText7", {176, 92, 526, 19}, "Ad2"},
        {"Label9", Ad3Caption, 782, 112, "DBText8", {168, 118, 534, 19}, "Ad3"},
    }};
    constexpr int LabelHeight = 24;
    for (int i = 0; i < Count; ++i) {
        const Detail& detail = details[i];
        auto* label = new QLabel(detail.caption, window);
        label->setObjectName(QLatin1String(detail.labelName));
        label->setLayoutDirection(Qt::RightToLeft);
        label->setFont(labelFont);
        const int width = label->sizeHint().width();
        label->setGeometry(detail.labelRight - width, top + detail.labelTop, width, LabelHeight);
        *labels[i] = label;

        auto* text = new DBText(window);
        text->setObjectName(QLatin1String(detail.textName));
        text->setLayoutDirection(Qt::RightToLeft);
        text->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
        text->setFont(textFont);
        text->setGeometry(detail.text.translated(0, top));
        text->setDataField(QLatin1String(detail.field));
        *texts[i] = text;
    }
}
