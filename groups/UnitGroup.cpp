#include "UnitGroup.h"
#include "Look.h"

#include "BitBtn.h"
#include "Conversions.h"
#include "DBGrid.h"
#include "DataSource.h" // DBGrid.h needs it complete
#include "LabeledEdit.h"
#include "MessageBox.h"
#include "TableDataset.h"
#include "UnitDM.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>

namespace {

// Never displayed: the window has no title bar.
const QString Caption = QStringLiteral("گروه ها");
const QString BackCaption = QStringLiteral("بازگشت");
const QString CodeCaption = QStringLiteral("كد گروه");
const QString NewNameCaption = QStringLiteral("نام گروه جديد");
const QString DeleteCaption = QStringLiteral("حذف");
const QString DeleteQuestion = QStringLiteral("آيا اطلاعات حذف شود ؟");
const QString CodeTitle = QStringLiteral("كد");
const QString NameTitle = QStringLiteral("نام گروه");

// Windows' classic colour for the text of an inactive title bar; Qt's palette has no such role.
const QColor InactiveCaptionText(0xD4, 0xD0, 0xC8);

constexpr int GlyphSize = 18;
// The style leaves 4 px between a button's picture and its caption; a transparent
// strip on the caption's side of the picture widens that to the layout's 10 px.
constexpr int GlyphToCaption = 10;
constexpr int StyleIconSpacing = 4;

// A prohibition sign, a ring crossed by a bar from top left to bottom right,
// filling the square `box`.
QPainterPath prohibitionSign(const QRectF& box)
{
    const QPointF centre = box.center();
    const qreal outer = box.width() / 2 - 1;
    const qreal inner = outer - 3;
    QPainterPath disc;
    disc.addEllipse(centre, outer, outer);
    QPainterPath hole;
    hole.addEllipse(centre, inner, inner);
    QPainterPath bar;
    bar.addRect(QRectF(-outer, -1.5, 2 * outer, 3));
    bar = QTransform().translate(centre.x(), centre.y()).rotate(45).map(bar);
    return disc.subtracted(hole).united(bar.intersected(disc)).simplified();
}

// The delete button's picture: the sign in red, and its grey outline while the
// button is disabled. The picture stands right of the caption in this
// right-to-left window, so the strip goes on its left.
QIcon deleteGlyph()
{
    const int strip = GlyphToCaption - StyleIconSpacing;
    const QPainterPath sign = prohibitionSign(QRectF(strip, 0, GlyphSize, GlyphSize));
    auto draw = [&](const QPen& pen, const QBrush& brush) {
        QPixmap picture(strip + GlyphSize, GlyphSize);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawPath(sign);
        return picture;
    };
    QIcon icon;
    icon.addPixmap(draw(Qt::NoPen, QColor(0xE0, 0x10, 0x10)), QIcon::Normal);
    icon.addPixmap(draw(QPen(Qt::gray, 1), Qt::NoBrush), QIcon::Disabled);
    return icon;
}

} // namespace

TFormGroup* FormGroup = nullptr;

TFormGroup::TFormGroup(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormGroup"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(Caption);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(287, 542);
    setFont(Look::pixelFont(QStringLiteral("MS Sans Serif"), 11));
    Look::setBackground(this, Look::MoneyGreen);

    const QFont buttonFont = Look::pixelFont(QStringLiteral("Nazanin"), 16, true);
    const QFont editLabelFont = Look::pixelFont(QStringLiteral("Nazanin"), 13, true);

    BitBtn1 = new BitBtn(BackCaption, this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setModalResult(mrRetry);
    BitBtn1->setFont(buttonFont);
    BitBtn1->setGeometry(48, 504, 75, 25);

    cod = new LabeledEdit(CodeCaption, this);
    cod->setObjectName(QStringLiteral("cod"));
    cod->setReadOnly(true);
    cod->setLayoutDirection(Qt::LeftToRight);
    QPalette codPalette = cod->palette();
    codPalette.setColor(QPalette::Base, InactiveCaptionText);
    cod->setPalette(codPalette);
    cod->EditLabel()->setFont(editLabelFont);
    cod->setGeometry(200, 10, 41, 21);

    name = new LabeledEdit(NewNameCaption, this);
    name->setObjectName(QStringLiteral("name"));
    name->setLayoutDirection(Qt::RightToLeft);
    name->setFont(Look::pixelFont(QStringLiteral("Nazanin"), 16, true));
    name->EditLabel()->setLayoutDirection(Qt::RightToLeft);
    name->EditLabel()->setFont(editLabelFont);
    name->setGeometry(8, 3, 121, 34);
    name->installEventFilter(this);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setLayoutDirection(Qt::RightToLeft);
    DBGrid1->setFont(Look::pixelFont(QStringLiteral("Nazanin"), 15, true));
    const QFont titleFont = Look::pixelFont(QStringLiteral("Tahoma"), 11);
    DBGridColumn codeColumn(QStringLiteral("Code"), CodeTitle, 52);
    codeColumn.alignment = Qt::AlignCenter;
    codeColumn.titleFont = titleFont;
    codeColumn.titleAlignment = Qt::AlignCenter;
    DBGridColumn nameColumn(QStringLiteral("Name"), NameTitle, 180);
    nameColumn.color = this->palette().color(QPalette::ToolTipBase);
    nameColumn.titleFont = titleFont;
    nameColumn.titleAlignment = Qt::AlignCenter;
    DBGrid1->setColumns({codeColumn, nameColumn});
    // The data module comes into being after this window.
    DBGrid1->setDataSourceName(QStringLiteral("DataSourceGroup"));
    DBGrid1->setGeometry(8, 40, 273, 457);

    BitBtn2 = new BitBtn(DeleteCaption, this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setFont(buttonFont);
    BitBtn2->setIcon(deleteGlyph());
    BitBtn2->setIconSize(QSize(GlyphToCaption - StyleIconSpacing + GlyphSize, GlyphSize));
    // Without it the style puts a right-to-left caption at the button's far
    // edge instead of next to its picture.
    BitBtn2->setStyleSheet(QStringLiteral("text-align: center;"));
    BitBtn2->setGeometry(160, 504, 75, 25);

    setTabOrder(BitBtn1, cod);
    setTabOrder(cod, name);
    setTabOrder(name, DBGrid1);
    setTabOrder(DBGrid1, BitBtn2);

    connect(BitBtn1, &BitBtn::clicked, this, &TFormGroup::BitBtn1Click);
    connect(BitBtn2, &BitBtn::clicked, this, &TFormGroup::BitBtn2Click);

    centreOnScreen();
}

// The next code is the largest code in the table plus one, and 1 when no code
// is 1 or more. The scan leaves the last group current.
void TFormGroup::FormShow()
{
    TableDataset* groups = DM->TableGroup;
    qint64 nextCode = 1;
    groups->Open();
    groups->First();
    while (!groups->Eof()) {
        // A group given no code in the grid reads as 0 and never counts.
        const qint64 code = groups->FieldValues(QStringLiteral("code")).toLongLong();
        if (nextCode - 1 < code)
            nextCode = code + 1;
        groups->Next();
    }
    cod->setText(IntToStr(nextCode));
}

void TFormGroup::FormShortCut(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Escape)
        Close();
}

bool TFormGroup::eventFilter(QObject* watched, QEvent* event)
{
    // The key goes on to the edit afterwards, whatever the handler did.
    if (watched == name && event->type() == QEvent::KeyPress)
        nameKeyPress(static_cast<QKeyEvent*>(event));
    return Form::eventFilter(watched, event);
}

// Enter adds a group with the next code and the typed name, and readies the
// edits for the next group.
void TFormGroup::nameKeyPress(const QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return;
    TableDataset* groups = DM->TableGroup;
    groups->Open();
    groups->Append();
    // A row the store refuses is given up, so that the next group starts on a
    // fresh row; the error goes on to the default handler.
    auto giveUpRefusedRow = qScopeGuard([groups] { groups->Cancel(); });
    groups->setFieldValues(QStringLiteral("code"), StrToInt(cod->text()));
    groups->setFieldValues(QStringLiteral("name"), name->text());
    groups->Post();
    giveUpRefusedRow.dismiss();
    cod->setText(IntToStr(qint64(StrToInt(cod->text())) + 1));
    name->clear();
}

void TFormGroup::BitBtn1Click()
{
    Close();
}

void TFormGroup::BitBtn2Click()
{
    if (MessageBox::question(DeleteQuestion) != QMessageBox::Yes)
        return;
    DM->TableGroup->Delete();
}
