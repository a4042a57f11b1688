#include "UnitSabt.h"
#include "Look.h"

#include "BitBtn.h"
#include "Conversions.h"
#include "Field.h"
#include "LabeledEdit.h"
#include "MessageBox.h"
#include "QueryDataset.h"
#include "TableDataset.h"
#include "UnitDM.h"
#include "UnitListGroup.h"
#include "UnitMain.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QStyle>

namespace {

const QString Title = QStringLiteral("ثبت اطلاعات");

const QString CodeCaption = QStringLiteral("كد گروه");
const QString NameCaption = QStringLiteral("نــــام  ");
const QString HomeCaption = QStringLiteral("مـنـزل");
const QString CompanyCaption = QStringLiteral("محل كار");
const QString FaxCaption = QStringLiteral("دورنگار");
const QString MobilCaption = QStringLiteral("همراه");
const QString FactoryCaption = QStringLiteral("كارخانه");
const QString PishCaption = QStringLiteral("پيش شماره ");
const QString PostcodCaption = QStringLiteral("كد پستي");
const QString CityCaption = QStringLiteral("شهر");
const QString Ad1Caption = QStringLiteral("آدرس 1");
const QString Ad2Caption = QStringLiteral("آدرس 2");
const QString Ad3Caption = QStringLiteral("آدرس 3");

const QString AddCaption = QStringLiteral("ثبت");
const QString EditCaption = QStringLiteral("ويرايش");
const QString DeleteCaption = QStringLiteral("حذف");
const QString BackCaption = QStringLiteral("بازگشت");

const QString SaveQuestion = QStringLiteral("آيا اطلاعات ذخيره شود ؟");
const QString SavedMessage = QStringLiteral(".اطلاعات ثبت شد ");
const QString EditedMessage = QStringLiteral(".ويرايش شد");
const QString DeleteQuestion = QStringLiteral("آيا اطلاعات حذف شود ؟");
const QString DeletedMessage = QStringLiteral(".حذف شد");
const QString GroupNotFoundMessage = QStringLiteral("گروه پيدا نشد");
const QString ContactNotFoundMessage = QStringLiteral("شخص پيدا نشد");

const QColor Blue(0x00, 0x00, 0xFF);
const QColor TickGreen(0x00, 0x80, 0x00);
const QSize PictureSize(18, 18);

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The add button's own picture: a green tick, and its grey outline for the disabled state.
QIcon tickPicture()
{
    QPainterPath tick;
    tick.moveTo(3, 9.5);
    tick.lineTo(7, 13.5);
    tick.lineTo(15, 4.5);
    QPainterPathStroker stroker;
    stroker.setWidth(3);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath stroke = stroker.createStroke(tick);

    auto draw = [&](const QPen& pen, const QBrush& brush) {
        QPixmap picture(PictureSize);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawPath(stroke);
        return picture;
    };
    QIcon icon;
    icon.addPixmap(draw(QPen(TickGreen.darker(130), 1), TickGreen), QIcon::Normal);
    icon.addPixmap(draw(QPen(Qt::gray, 1), Qt::NoBrush), QIcon::Disabled);
    return icon;
}

// The standard picture of a button kind; a near one where the style has none for the kind.
QIcon kindPicture(const QStyle* style, QStyle::StandardPixmap kind, QStyle::StandardPixmap nearest)
{
    const QIcon picture = style->standardIcon(kind);
    return picture.isNull() ? style->standardIcon(nearest) : picture;
}

} // namespace

TFSabt* FSabt = nullptr;

TFSabt::TFSabt(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FSabt"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(Title);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(536, 364);
    Look::setBackground(this, Look::MoneyGreen);

    ngroup = new QLabel(this);
    ngroup->setObjectName(QStringLiteral("ngroup"));
    ngroup->setGeometry(232, 8, 169, 25);
    ngroup->setAutoFillBackground(true);
    QPalette groupPalette = ngroup->palette();
    groupPalette.setColor(QPalette::Window, Look::Silver);
    groupPalette.setColor(QPalette::WindowText, Look::Maroon);
    ngroup->setPalette(groupPalette);
    ngroup->setFont(Look::pixelFont(QStringLiteral("Jadid"), 19, true));
    ngroup->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);

    // Created in tab order: the columns read right to left, row by row.
    code = addEdit(QStringLiteral("code"), CodeCaption, {416, 8, 32, 32});
    name = addEdit(QStringLiteral("name"), NameCaption, {112, 48, 337, 32});
    home = addEdit(QStringLiteral("home"), HomeCaption, {328, 88, 121, 32});
    company = addEdit(QStringLiteral("company"), CompanyCaption, {112, 88, 121, 32});
    fax = addEdit(QStringLiteral("fax"), FaxCaption, {328, 128, 121, 32});
    mobil = addEdit(QStringLiteral("mobil"), MobilCaption, {112, 128, 121, 32});
    factory = addEdit(QStringLiteral("factory"), FactoryCaption, {328, 168, 121, 32});
    pish = addEdit(QStringLiteral("pish"), PishCaption, {112, 168, 121, 32});
    postcod = addEdit(QStringLiteral("postcod"), PostcodCaption, {328, 208, 121, 32});
    city = addEdit(QStringLiteral("city"), CityCaption, {112, 208, 121, 32});
    ad1 = addEdit(QStringLiteral("ad1"), Ad1Caption, {112, 248, 337, 32});
    ad2 = addEdit(QStringLiteral("ad2"), Ad2Caption, {112, 288, 337, 32});
    ad3 = addEdit(QStringLiteral("ad3"), Ad3Caption, {112, 328, 337, 32});

    BitBtn4 = addButton(QStringLiteral("BitBtn4"), AddCaption, {16, 272, 75, 25}, tickPicture(), mrOk);
    BitBtn2 =
        addButton(QStringLiteral("BitBtn2"), EditCaption, {16, 232, 75, 25},
                  kindPicture(style(), QStyle::SP_DialogIgnoreButton, QStyle::SP_MediaSkipForward), mrIgnore);
    BitBtn3 = addButton(QStringLiteral("BitBtn3"), DeleteCaption, {16, 192, 75, 25},
                        style()->standardIcon(QStyle::SP_DialogNoButton), mrNo);
    BitBtn1 =
        addButton(QStringLiteral("BitBtn1"), BackCaption, {16, 328, 75, 25},
                  kindPicture(style(), QStyle::SP_DialogRetryButton, QStyle::SP_BrowserReload), mrRetry);
    setCancelButton(BitBtn3);

    connect(BitBtn1, &BitBtn::clicked, this, &TFSabt::BitBtn1Click);
    connect(BitBtn2, &BitBtn::clicked, this, &TFSabt::BitBtn2Click);
    connect(BitBtn3, &BitBtn::clicked, this, &TFSabt::BitBtn3Click);
    connect(BitBtn4, &BitBtn::clicked, this, &TFSabt::BitBtn4Click);

    m_textFields = {{QStringLiteral("name"), name},       {QStringLiteral("home"), home},
                    {QStringLiteral("company"), company}, {QStringLiteral("fax"), fax},
                    {QStringLiteral("mobil"), mobil},     {QStringLiteral("city"), city},
                    {QStringLiteral("factory"), factory}, {QStringLiteral("pish"), pish},
                    {QStringLiteral("postcod"), postcod}, {QStringLiteral("ad1"), ad1},
                    {QStringLiteral("ad2"), ad2},         {QStringLiteral("ad3"), ad3}};
    m_listFields = {{name, QStringLiteral("name")},       {code, QStringLiteral("code")},
                    {home, QStringLiteral("home")},       {company, QStringLiteral("company")},
                    {fax, QStringLiteral("fax")},         {mobil, QStringLiteral("mobil")},
                    {factory, QStringLiteral("factory")}, {pish, QStringLiteral("pish")},
                    {postcod, QStringLiteral("postcod")}, {city, QStringLiteral("city")},
                    {ad1, QStringLiteral("ad1")},         {ad2, QStringLiteral("ad2")},
                    {ad3, QStringLiteral("ad3")}};

    centreOnScreen();
}

LabeledEdit* TFSabt::addEdit(const QString& objectName, const QString& caption, const QRect& geometry)
{
    auto* edit = new LabeledEdit(caption, this);
    edit->setObjectName(objectName);
    edit->setLayoutDirection(Qt::RightToLeft);
    edit->setFont(Look::pixelFont(QStringLiteral("Traffic"), 13, true));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Blue);
    edit->setPalette(palette);
    edit->EditLabel()->setFont(Look::pixelFont(QStringLiteral("Nazanin"), 16, false));
    edit->setGeometry(geometry);
    edit->installEventFilter(this);
    if (!m_edits.isEmpty())
        setTabOrder(m_edits.last(), edit);
    m_edits << edit;
    return edit;
}

BitBtn* TFSabt::addButton(const QString& objectName, const QString& caption, const QRect& geometry,
                          const QIcon& picture, int modalResult)
{
    auto* button = new BitBtn(caption, this);
    button->setObjectName(objectName);
    button->setFont(Look::pixelFont(QStringLiteral("Nazanin"), 16, true));
    // In a right-to-left button the picture stands on the right of the caption.
    button->setIcon(picture);
    button->setIconSize(PictureSize);
    button->setGeometry(geometry);
    button->setModalResult(modalResult);
    return button;
}

bool TFSabt::eventFilter(QObject* watched, QEvent* event)
{
    // Enter goes on to the edit afterwards, as every key does.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == code)
            codeKeyPress(key);
        else if (m_edits.contains(watched))
            nameKeyPress(key);
    }
    return Form::eventFilter(watched, event);
}

void TFSabt::ShowForNewContact()
{
    setMode(BitBtn4);
    Show();
}

void TFSabt::ShowModalForContact(const Dataset& list, const QString& nameField, ListAction action)
{
    if (!isVisible()) {
        for (const auto& [edit, field] : m_listFields)
            edit->setText(list.FieldByName(field == QLatin1String("name") ? nameField : field).AsString());
        const QVariant row = list.FieldByName(QStringLiteral("Row")).Value();
        m_chosenRow = row.isNull() ? std::nullopt : std::optional<qint64>(row.toLongLong());
        setMode(action == ListAction::Edit ? BitBtn2 : BitBtn3);
    }
    ShowModal();
}

void TFSabt::setPickedGroup(const QString& groupCode, const QString& groupName)
{
    code->setText(groupCode);
    ngroup->setText(groupName);
    name->setFocus();
}

void TFSabt::setMode(BitBtn* actionButton)
{
    for (BitBtn* button : {BitBtn4, BitBtn2, BitBtn3})
        button->setVisible(button == actionButton);
}

void TFSabt::FormShow()
{
    m_backFromGroupPicker = false;
    if (m_chosenRow)
        locateChosenContact();
}

bool TFSabt::locateChosenContact()
{
    TableDataset* contacts = DM->TableSabt;
    const QString rowField = QStringLiteral("Row");
    // A contact another program added since the table was read is not in its snapshot.
    if (!contacts->Locate(rowField, {*m_chosenRow}, 0)) {
        contacts->Close();
        contacts->Open();
        if (!contacts->Locate(rowField, {*m_chosenRow}, 0))
            return false;
    }
    // Another program may have changed the contact since the list read it: the
    // user sees, and the write starts from, what the file holds now.
    if (!contacts->RefreshRecord())
        return false;
    for (const auto& [edit, field] : m_listFields)
        edit->setText(contacts->FieldByName(field).AsString());
    return true;
}

bool TFSabt::chosenContactIsCurrent() const
{
    const QVariant current = DM->TableSabtRow->Value();
    return m_chosenRow && !current.isNull() && current.toLongLong() == *m_chosenRow;
}

void TFSabt::FormActivate()
{
    if (std::exchange(m_backFromGroupPicker, false))
        return;
    code->setFocus();
}

void TFSabt::FormClose()
{
    clearEdits();
    // A later showing acts on the contact its caller chooses then.
    m_chosenRow.reset();
}

void TFSabt::FormShortCut(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Escape)
        BitBtn1Click();
}

void TFSabt::codeKeyPress(QKeyEvent* key)
{
    if (!isEnter(key))
        return;
    if (code->text().isEmpty()) {
        FListGroup->ShowModal();
        // As after any modal window this window becomes active again; the pick, not that
        // activation, decides where the focus goes.
        m_backFromGroupPicker = true;
        activateWindow();
    }
    if (code->text().isEmpty())
        return;

    // The first group in table order with the typed number wins; the text is converted
    // before the first comparison, so a text that is no number fails on an empty table too.
    Dataset* groups = DM->TableGroup;
    groups->First();
    for (;;) {
        const int typedCode = StrToInt(code->text());
        const QVariant groupCode = groups->FieldValues(QStringLiteral("code"));
        if (!groupCode.isNull() && groupCode.toLongLong() == typedCode)
            break;
        if (groups->Eof())
            break;
        groups->Next();
    }
    if (!groups->Eof()) {
        ngroup->setText(groups->FieldValues(QStringLiteral("name")).toString());
        name->setFocus();
    } else {
        MessageBox::information(GroupNotFoundMessage);
        ngroup->clear();
        code->setFocus();
    }
}

void TFSabt::nameKeyPress(QKeyEvent* key)
{
    if (isEnter(key))
        focusNextChild();
}

// Closed from the title bar or the taskbar, the window is left as with its back
// button, so that the program does not end behind the hidden main window.
void TFSabt::FormCloseRequest()
{
    BitBtn1Click();
}

void TFSabt::BitBtn1Click()
{
    Close();
    if (OpenedFromMain == 1)
        FormMain->Show();
}

void TFSabt::BitBtn2Click()
{
    if (!chosenContactIsCurrent()) {
        MessageBox::information(ContactNotFoundMessage);
        return;
    }
    DM->TableSabt->Edit();
    postContactFields();
    MessageBox::information(EditedMessage);
    rerunSearchResults();
    Close();
}

void TFSabt::BitBtn3Click()
{
    if (MessageBox::question(DeleteQuestion) != QMessageBox::Yes)
        return;
    if (!chosenContactIsCurrent()) {
        MessageBox::information(ContactNotFoundMessage);
        return;
    }
    DM->TableSabt->Edit();
    DM->TableSabt->Delete();
    m_chosenRow.reset();
    MessageBox::information(DeletedMessage);
    rerunSearchResults();
}

void TFSabt::BitBtn4Click()
{
    // Only an explicit No stops: closing the box from its title bar stores the contact.
    if (MessageBox::question(SaveQuestion) == QMessageBox::No)
        return;
    DM->TableSabt->Open();
    DM->TableSabt->Append();
    postContactFields();
    MessageBox::information(SavedMessage);
    ngroup->clear();
    code->setFocus();
    clearEdits();
}

void TFSabt::postContactFields()
{
    Dataset* contacts = DM->TableSabt;
    try {
        contacts->setFieldValues(QStringLiteral("code"), StrToInt(code->text()));
        for (const auto& [field, edit] : m_textFields)
            contacts->setFieldValues(field, edit->text());
        contacts->Post();
    } catch (...) {
        // Left pending, the row would be posted, half-filled, by the next operation on the table.
        contacts->Cancel();
        throw;
    }
}

void TFSabt::clearEdits()
{
    for (LabeledEdit* edit : m_edits)
        edit->clear();
}

void TFSabt::rerunSearchResults()
{
    DM->QuerySearch->Close();
    DM->QuerySearch->Open();
}
