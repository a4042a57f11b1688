#include "Unitnama.h"
#include "Look.h"

#include "ContactDetailArea.h"
#include "DBGrid.h"
#include "DBText.h"
#include "DataSource.h"
#include "QueryDataset.h"
#include "UnitDM.h"
#include "UnitReport.h"
#include "UnitSabt.h"
#include "UnitrepGroup.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString Caption = QStringLiteral(
    "                                                               نمايش اطلاعات به صورت تفکيک");
const QString CodeTitle = QStringLiteral("كد");
const QString GroupNameTitle = QStringLiteral("نام گروه");
const QString NameTitle = QStringLiteral("نام");
const QString HomeTitle = QStringLiteral("منزل");
const QString CompanyTitle = QStringLiteral("اداره");
const QString FaxTitle = QStringLiteral("فاكس");
const QString PrintCaption = QStringLiteral("پرينت");
const QString PrintGroupCaption = QStringLiteral("پرينت گروه");
const QString EnvelopeSeparator = QStringLiteral("-");

} // namespace

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(801, 525);
    setFont(Look::pointFont(QStringLiteral("MS Sans Serif"), 8, false));
    Look::setBackground(this, Look::MoneyGreen);

    const QFont gridTitleFont = Look::pointFont(QStringLiteral("Tahoma"), 8, false);
    auto addGrid = [&](const QString& objectName, const QRect& geometry, const QFont& font) {
        auto* grid = new DBGrid(this);
        grid->setObjectName(objectName);
        grid->setLayoutDirection(Qt::RightToLeft);
        grid->setFont(font);
        grid->horizontalHeader()->setFont(gridTitleFont);
        QPalette gridPalette = grid->palette();
        gridPalette.setColor(QPalette::Base, gridPalette.color(QPalette::ToolTipBase));
        grid->setPalette(gridPalette);
        grid->setGeometry(geometry);
        return grid;
    };

    // Made in tab order: the contacts first, so they have the focus when the window opens.
    DBGrid1 = addGrid(QStringLiteral("DBGrid1"), {0, 0, 593, 369},
                      Look::pointFont(QStringLiteral("Lotus"), 11, true));
    auto contactColumn = [](const QString& field, const QString& title, int width, Qt::Alignment alignment) {
        DBGridColumn column(field, title, width);
        column.alignment = alignment | Qt::AlignVCenter;
        column.titleAlignment = Qt::AlignCenter;
        column.font = Look::pointFont(QStringLiteral("Nazanin"), 12, false);
        column.color = Look::MoneyGreen;
        column.textColor = QColor(Qt::black);
        column.readOnly = true;
        return column;
    };
    DBGrid1->setColumns(
        {contactColumn(QStringLiteral("Name"), NameTitle, 188, Qt::AlignAbsolute | Qt::AlignRight),
         contactColumn(QStringLiteral("Home"), HomeTitle, 106, Qt::AlignHCenter),
         contactColumn(QStringLiteral("Company"), CompanyTitle, 130, Qt::AlignHCenter),
         contactColumn(QStringLiteral("Fax"), FaxTitle, 123, Qt::AlignHCenter)});
    DBGrid1->setDataSourceName(QStringLiteral("DataSourceDetail"));
    DBGrid1->installEventFilter(this);

    DBGrid2 = addGrid(QStringLiteral("DBGrid2"), {592, 0, 209, 369},
                      Look::pointFont(QStringLiteral("Tahoma"), 8, true));
    auto groupColumn = [](const QString& field, const QString& title, int width) {
        DBGridColumn column(field, title, width);
        column.titleAlignment = Qt::AlignCenter;
        return column;
    };
    DBGrid2->setColumns({groupColumn(QStringLiteral("Code"), CodeTitle, 22),
                         groupColumn(QStringLiteral("Name"), GroupNameTitle, 148)});
    DBGrid2->setDataSourceName(QStringLiteral("DataSourceMaster"));

    auto addButton = [&](const QString& objectName, const QString& caption, int top) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(objectName);
        button->setAutoDefault(false);
        button->setFont(Look::pointFont(QStringLiteral("Nazanin"), 12, false));
        button->setGeometry(8, top, 75, 25);
        return button;
    };
    Button1 = addButton(QStringLiteral("Button1"), PrintGroupCaption, 464);
    Button2 = addButton(QStringLiteral("Button2"), PrintCaption, 432);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    setTabOrder(DBGrid1, DBGrid2);
    setTabOrder(DBGrid2, Button1);
    setTabOrder(Button1, Button2);

    ContactDetailArea::build(
        this, 376, Look::pointFont(QStringLiteral("Traffic"), 10, true),
        Look::pointFont(QStringLiteral("Tahoma"), 12, false),
        {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9},
        {&DBText1, &DBText2, &DBText3, &DBText4, &DBText5, &DBText6, &DBText7, &DBText8});
    for (DBText* text : {DBText1, DBText2, DBText3, DBText4, DBText5, DBText6, DBText7, DBText8})
        text->setDataSourceName(QStringLiteral("DataSourceDetail"));
    DBGrid1->setFocus();

    centreOnScreen();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Enter goes on to the grid afterwards, as every key does.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress)
        DBGrid1KeyPress(static_cast<QKeyEvent*>(event));
    return Form::eventFilter(watched, event);
}

void TForm1::FormShortCut(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Escape)
        Close();
}

void TForm1::DBGrid1KeyPress(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return;
    QueryDataset* contacts = DM->QueryDetail;
    const QVariant chosenRow = DM->QueryDetailRow->Value();
    FSabt->ShowModalForContact(*contacts, QStringLiteral("name"), TFSabt::ListAction::Edit);
    // The list would go on showing the values from before the edit, and opening the
    // contact again would write them back over it. The contact stays the current one,
    // for the envelope too.
    contacts->Close();
    contacts->Open();
    if (!chosenRow.isNull())
        contacts->Locate(QStringLiteral("Row"), {chosenRow}, 0);
}

void TForm1::Button2Click()
{
    const Dataset& contact = *DM->QueryDetail;
    auto field = [&contact](const QString& name) { return contact.FieldByName(name).AsString(); };
    Report->QR1->setCaption(field(QStringLiteral("City")) + EnvelopeSeparator + field(QStringLiteral("Ad1")));
    Report->QR3->setCaption(field(QStringLiteral("Ad2")));
    Report->QRLabel4->setCaption(field(QStringLiteral("Ad3")) + EnvelopeSeparator +
                                 field(QStringLiteral("Name")));
    Report->QR4->setCaption(field(QStringLiteral("Mobil")) + EnvelopeSeparator +
                            field(QStringLiteral("Company")) + EnvelopeSeparator +
                            field(QStringLiteral("Pish")));
    Report->QR5->setCaption(field(QStringLiteral("Postcod")));
    Report->Preview();
}

void TForm1::Button1Click()
{
    RepGroup->Preview();
}
