#include "UnitSearch.h"
#include "Look.h"

#include "BitBtn.h"
#include "ContactDetailArea.h"
#include "DBGrid.h"
#include "DBText.h"
#include "DataSource.h"
#include "LabeledEdit.h"
#include "QueryDataset.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitRepList.h"
#include "UnitReport.h"
#include "UnitSabt.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QStyle>

namespace {

const QString ESearchCaption = QStringLiteral("نام مورد جستجو");
const QString EditSearchCodeCaption = QStringLiteral(" گروه مورد جستجو");
const QString ByRowCaption = QStringLiteral("نمايش بر اساس رديف");
const QString ByNameCaption = QStringLiteral("نمايش کليه اطلاعات بر اساس حروف الفبا");
const QString PrintListCaption = QStringLiteral("چاپ ليست");
const QString PrintCaption = QStringLiteral("چاپ");
const QString BackCaption = QStringLiteral("بازگشت");
const QString HelpLine =
    QStringLiteral("Enter ويرايش اطلاعات با - Delete راهنما    :        حذف اطلاعات با ");
const QString RowTitle = QStringLiteral("رديف");
const QString GroupCodeTitle = QStringLiteral("کد گروه");
const QString NameTitle = QStringLiteral("نام");
const QString HomeTitle = QStringLiteral("منزل");
const QString CompanyTitle = QStringLiteral("اداره");
const QString FaxTitle = QStringLiteral("فاكس");
const QString EnvelopeSeparator = QStringLiteral("-");
const QString NameSearchHead = QStringLiteral("select * from phone where (name like '%");
const QString PatternTail = QStringLiteral("%')");
const QString ByNameOrder = QStringLiteral("order by name");
const QString AllContacts = QStringLiteral("select * from phone ");
const QString GroupSearchSelect =
    QStringLiteral("SELECT Phone.Code, Grp.Name, Phone.Name, Home, Company, Fax, Mobil, City, Factory, Pish, "
                   "Postcod, Ad1, Ad2, Ad3, Row");
const QString GroupSearchFrom = QStringLiteral("FROM Grp INNER JOIN Phone ON Grp.Code = Phone.Code");
const QString GroupSearchHead = QStringLiteral("where (grp.name like '%");
const QString GroupSearchOrder = QStringLiteral("order by phone.name");

// What the list report reads while the grid shows the group-search result: the same
// contacts, with the columns of the name-search result.
const QString GroupResultAsContacts = QStringLiteral("SELECT Phone.*");

const QColor TickGreen(0x00, 0x80, 0x00);
const QSize ButtonPictureSize(18, 18);
const QSize ListPictureSize(32, 32);

// Typed text inside a quoted literal of a statement: a quote is doubled, so it is
// matched as a character and never ends the literal.
QString quotedLiteralText(const QString& typed)
{
    QString text = typed;
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// Two green ticks, one behind the other: the picture of the print buttons.
QIcon doubleTickPicture()
{
    auto tick = [](qreal dx) {
        QPainterPath path;
        path.moveTo(1 + dx, 9.5);
        path.lineTo(4.5 + dx, 13.5);
        path.lineTo(11 + dx, 4.5);
        QPainterPathStroker stroker;
        stroker.setWidth(2.5);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(path);
    };
    QPixmap picture(ButtonPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(TickGreen.darker(130), 1));
    painter.setBrush(TickGreen);
    painter.drawPath(tick(0).united(tick(6)));
    return QIcon(picture);
}

// A ruled page with three lines of entries, in two colours: the picture of the show-all buttons.
QIcon listPicture()
{
    QPixmap picture(ListPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(5, 2, 22, 28);
    painter.setBrush(Qt::black);
    for (int y = 8; y <= 22; y += 7) {
        painter.drawRect(8, y, 3, 3);
        painter.drawLine(14, y + 1, 24, y + 1);
    }
    return QIcon(picture);
}

} // namespace

TFormSearch* FormSearch = nullptr;
QString SearchStatementFirstLine;

TFormSearch::TFormSearch(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormSearch"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(792, 565);
    Look::setBackground(this, Look::MoneyGreen);

    const QFont editFont = Look::pixelFont(QStringLiteral("Nazanin"), 16, true);
    const QFont editLabelFont = Look::pixelFont(QStringLiteral("Nazanin"), 16, false);
    auto addSearchEdit = [&](const QString& objectName, const QString& caption, int top) {
        auto* edit = new LabeledEdit(caption, this);
        edit->setObjectName(objectName);
        edit->setLayoutDirection(Qt::RightToLeft);
        edit->setFont(editFont);
        edit->EditLabel()->setLayoutDirection(Qt::RightToLeft);
        edit->EditLabel()->setFont(editLabelFont);
        edit->setGeometry(536, top, 121, 34);
        edit->installEventFilter(this);
        return edit;
    };
    ESearch = addSearchEdit(QStringLiteral("ESearch"), ESearchCaption, 11);
    EditSearchCode = addSearchEdit(QStringLiteral("EditSearchCode"), EditSearchCodeCaption, 48);
    EditSearchCode->EditLabel()->setAutoFillBackground(true);

    const QFont showAllFont = Look::pixelFont(QStringLiteral("Nazanin"), 11, true);
    const QFont buttonFont = Look::pixelFont(QStringLiteral("Nazanin"), 16, true);
    BitBtn4 =
        addButton(QStringLiteral("BitBtn4"), ByRowCaption, {288, 11, 208, 34}, showAllFont, listPicture());
    BitBtn3 =
        addButton(QStringLiteral("BitBtn3"), ByNameCaption, {288, 51, 209, 34}, showAllFont, listPicture());
    BitBtn4->setIconSize(ListPictureSize);
    BitBtn3->setIconSize(ListPictureSize);
    BitBtn5 = addButton(QStringLiteral("BitBtn5"), PrintListCaption, {120, 11, 121, 34}, buttonFont,
                        doubleTickPicture());
    BitBtn2 = addButton(QStringLiteral("BitBtn2"), PrintCaption, {120, 51, 121, 34}, buttonFont,
                        doubleTickPicture());
    BitBtn1 = addButton(QStringLiteral("BitBtn1"), BackCaption, {8, 16, 105, 65}, buttonFont,
                        style()->standardIcon(QStyle::SP_BrowserReload));
    connect(BitBtn1, &BitBtn::clicked, this, &TFormSearch::BitBtn1Click);
    connect(BitBtn2, &BitBtn::clicked, this, &TFormSearch::BitBtn2Click);
    connect(BitBtn3, &BitBtn::clicked, this, &TFormSearch::BitBtn3Click);
    connect(BitBtn4, &BitBtn::clicked, this, &TFormSearch::BitBtn4Click);
    connect(BitBtn5, &BitBtn::clicked, this, &TFormSearch::BitBtn5Click);

    Label1 = new QLabel(HelpLine, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setLayoutDirection(Qt::RightToLeft);
    Label1->setFont(Look::pixelFont(QStringLiteral("Traffic"), 16, true));
    Label1->setGeometry(392, 88, 394, 29);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setLayoutDirection(Qt::RightToLeft);
    DBGrid1->setReadOnly(true);
    DBGrid1->setFont(Look::pixelFont(QStringLiteral("Mitra"), 15, true));
    DBGrid1->horizontalHeader()->setFont(Look::pixelFont(QStringLiteral("MS Sans Serif"), 11, false));
    DBGrid1->setGeometry(0, 120, 784, 297);
    const QFont columnTitleFont = Look::pixelFont(QStringLiteral("Nazanin"), 13, true);
    auto column = [&](const QString& field, const QString& title, int width, bool centred) {
        DBGridColumn column(field, title, width);
        column.titleFont = columnTitleFont;
        if (centred) {
            column.alignment = Qt::AlignCenter;
            column.titleAlignment = Qt::AlignCenter;
        }
        return column;
    };
    DBGridColumn rowColumn(QStringLiteral("Row"), RowTitle, 37);
    DBGrid1->setColumns({rowColumn, column(QStringLiteral("Code"), GroupCodeTitle, 42, false),
                         column(QStringLiteral("Phone.Name"), NameTitle, 269, false),
                         column(QStringLiteral("Home"), HomeTitle, 122, true),
                         column(QStringLiteral("Company"), CompanyTitle, 137, true),
                         column(QStringLiteral("Fax"), FaxTitle, 150, true)});
    DBGrid1->installEventFilter(this);

    ContactDetailArea::build(
        this, 424, Look::pixelFont(QStringLiteral("Traffic"), 13, true),
        Look::pixelFont(QStringLiteral("Tahoma"), 16, false),
        {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9},
        {&DBText1, &DBText2, &DBText3, &DBText4, &DBText5, &DBText6, &DBText7, &DBText8});
    m_detailTexts = {DBText1, DBText2, DBText3, DBText4, DBText5, DBText6, DBText7, DBText8};
    // The details describe the contact the grid highlights, whichever result it shows.
    showGroupResult();

    setTabOrder(ESearch, DBGrid1);
    setTabOrder(DBGrid1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
    setTabOrder(BitBtn3, BitBtn4);
    setTabOrder(BitBtn4, BitBtn5);
    setTabOrder(BitBtn5, EditSearchCode);
    ESearch->setFocus();

    centreOnScreen();
}

BitBtn* TFormSearch::addButton(const QString& objectName, const QString& caption, const QRect& geometry,
                               const QFont& font, const QIcon& picture)
{
    auto* button = new BitBtn(caption, this);
    button->setObjectName(objectName);
    button->setFont(font);
    // In a right-to-left button the picture stands on the right of the caption.
    button->setIcon(picture);
    button->setIconSize(ButtonPictureSize);
    button->setGeometry(geometry);
    return button;
}

bool TFormSearch::eventFilter(QObject* watched, QEvent* event)
{
    // No key is used up here: each goes on to the control afterwards.
    if (event->type() == QEvent::KeyRelease) {
        if (watched == ESearch)
            ESearchKeyUp();
        else if (watched == EditSearchCode)
            EditSearchCodeKeyUp();
    } else if (event->type() == QEvent::KeyPress && watched == DBGrid1) {
        auto* key = static_cast<QKeyEvent*>(event);
        DBGrid1KeyDown(key);
        DBGrid1KeyPress(key);
    }
    return Form::eventFilter(watched, event);
}

void TFormSearch::FormShortCut(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Escape)
        BitBtn1Click();
}

void TFormSearch::ESearchKeyUp()
{
    QueryDataset* contacts = DM->QuerySearch;
    contacts->Close();
    showNameResult();
    contacts->SQL.Clear();
    SearchStatementFirstLine = NameSearchHead + quotedLiteralText(ESearch->text()) + PatternTail;
    contacts->SQL.Add(SearchStatementFirstLine);
    contacts->SQL.Add(ByNameOrder);
    contacts->Open();
}

void TFormSearch::EditSearchCodeKeyUp()
{
    showGroupResult();
    QueryDataset* contacts = DM->ADOQuery2;
    contacts->Close();
    contacts->SQL.Clear();
    contacts->SQL.Add(GroupSearchSelect);
    contacts->SQL.Add(GroupSearchFrom);
    contacts->SQL.Add(GroupSearchHead + quotedLiteralText(EditSearchCode->text()) + PatternTail);
    contacts->SQL.Add(GroupSearchOrder);
    contacts->setActive(false);
    contacts->setActive(true);
}

void TFormSearch::BitBtn3Click()
{
    showAllContacts({AllContacts, ByNameOrder});
}

void TFormSearch::BitBtn4Click()
{
    // No ordering: the stored order, ascending Row.
    showAllContacts({AllContacts});
}

void TFormSearch::showAllContacts(const QStringList& lines)
{
    QueryDataset* contacts = DM->QuerySearch;
    contacts->Close();
    contacts->SQL.Clear();
    SearchStatementFirstLine = lines.first();
    for (const QString& line : lines)
        contacts->SQL.Add(line);
    // The list asked for is the one to see, also when the grid showed the group-search result.
    showNameResult();
    contacts->Open();
}

void TFormSearch::showNameResult()
{
    DBGrid1->setColumnField(1, QStringLiteral("Code"));
    DBGrid1->setColumnField(2, QStringLiteral("Name"));
    bindDisplay(DM->DataSourceSearch);
}

void TFormSearch::showGroupResult()
{
    DBGrid1->setColumnField(1, QStringLiteral("Code"));
    DBGrid1->setColumnField(2, QStringLiteral("Phone.Name"));
    bindDisplay(DM->DataSource1);
}

void TFormSearch::bindDisplay(DataSource* source)
{
    DBGrid1->setDataSource(source);
    for (DBText* text : m_detailTexts)
        text->setDataSource(source);
}

bool TFormSearch::showsGroupResult() const
{
    return DBGrid1->dataSource() == DM->DataSource1;
}

Dataset& TFormSearch::shownContacts() const
{
    return *DBGrid1->dataSource()->DataSet();
}

QString TFormSearch::shownNameField() const
{
    return showsGroupResult() ? QStringLiteral("Phone.Name") : QStringLiteral("Name");
}

void TFormSearch::DBGrid1KeyPress(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        openShownContact(false);
}

void TFormSearch::DBGrid1KeyDown(QKeyEvent* key)
{
    // Delete with or without Shift, Ctrl or Alt.
    if (key->key() == Qt::Key_Delete)
        openShownContact(true);
}

void TFormSearch::openShownContact(bool forDeletion)
{
    FSabt->ShowModalForContact(shownContacts(), shownNameField(),
                               forDeletion ? TFSabt::ListAction::Delete : TFSabt::ListAction::Edit);
    // The entry window runs only the name-search result again after a change; the
    // group-search result must not go on showing a changed or deleted contact either.
    if (showsGroupResult()) {
        DM->ADOQuery2->Close();
        DM->ADOQuery2->Open();
    }
}

void TFormSearch::BitBtn2Click()
{
    const Dataset& contact = shownContacts();
    auto field = [&contact](const QString& name) { return contact.FieldByName(name).AsString(); };
    Report->QR1->setCaption(field(QStringLiteral("City")) + EnvelopeSeparator + field(QStringLiteral("Ad1")));
    Report->QR3->setCaption(field(QStringLiteral("Ad2")) + EnvelopeSeparator + field(shownNameField()));
    Report->QRLabel4->setCaption(QString());
    Report->QR4->setCaption(field(QStringLiteral("Mobil")) + EnvelopeSeparator +
                            field(QStringLiteral("Company")) + EnvelopeSeparator +
                            field(QStringLiteral("Pish")));
    Report->QR5->setCaption(field(QStringLiteral("Postcod")));
    Report->Preview();
}

void TFormSearch::BitBtn5Click()
{
    if (!showsGroupResult()) {
        RepList->Preview();
        return;
    }
    // The list report reads the name-search result. For the preview it gets the contacts
    // the grid shows, in the grid's order; then it gets back its own statement, which the
    // main window's search command runs again.
    QueryDataset* list = DM->QuerySearch;
    const QStringList ownStatement = list->SQL.lines();
    const bool wasOpen = list->Active();
    auto runStatement = [list](const QStringList& lines, bool open) {
        list->Close();
        list->SQL.Clear();
        for (const QString& line : lines)
            list->SQL.Add(line);
        if (open)
            list->Open();
    };
    try {
        runStatement(QStringList{GroupResultAsContacts} + DM->ADOQuery2->SQL.lines().mid(1), true);
        RepList->Preview();
    } catch (...) {
        runStatement(ownStatement, wasOpen);
        throw;
    }
    runStatement(ownStatement, wasOpen);
}

// Closed from the title bar or the taskbar, the window is left as with its back
// button, so that the program does not end behind the hidden main window.
void TFormSearch::FormCloseRequest()
{
    BitBtn1Click();
}

void TFormSearch::BitBtn1Click()
{
    Close();
    FormMain->Show();
}
