#include "UnitListGroup.h"
#include "Look.h"

#include "Conversions.h"
#include "DBGrid.h"
#include "TableDataset.h"
#include "UnitDM.h"
#include "UnitSabt.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString Title = QStringLiteral("گروه ها");
const QString NameTitle = QStringLiteral("نام گروه");

const QPoint OuterPosition(405, 199);
const QSize OuterSize(203, 477);

} // namespace

TFListGroup* FListGroup = nullptr;

TFListGroup::TFListGroup(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FListGroup"));
    setWindowTitle(Title);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    // A window's position is that of its frame; its size is refined once the frame is known.
    move(OuterPosition);
    resize(OuterSize);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setLayoutDirection(Qt::RightToLeft);
    DBGrid1->setReadOnly(true);
    DBGridColumn nameColumn(QStringLiteral("Name"), NameTitle);
    nameColumn.font = Look::pixelFont(QStringLiteral("Tahoma"), 11, true);
    nameColumn.titleFont = Look::pixelFont(QStringLiteral("Nazanin"), 13, true);
    nameColumn.titleAlignment = Qt::AlignCenter;
    DBGrid1->setColumns({nameColumn});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setDataSourceName(QStringLiteral("DataSourceGroup"));
    DBGrid1->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBGrid1);
}

void TFListGroup::FormActivate()
{
    // The window system tells the frame's size only once the window is up; the
    // layout's size includes the frame.
    if (m_outerSizeFitted || !windowHandle())
        return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull())
        return;
    resize(OuterSize.shrunkBy(frame));
    m_outerSizeFitted = true;
}

bool TFListGroup::eventFilter(QObject* watched, QEvent* event)
{
    // Enter goes on to the grid afterwards, as every key does.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress)
        DBGrid1KeyPress(static_cast<QKeyEvent*>(event));
    return Form::eventFilter(watched, event);
}

void TFListGroup::DBGrid1KeyPress(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return;
    Close();
    const Dataset* groups = DM->TableGroup;
    // With no current group the code is empty, and its conversion fails before anything is written.
    const int groupCode = StrToInt(groups->FieldValues(QStringLiteral("code")).toString());
    FSabt->setPickedGroup(IntToStr(groupCode), groups->FieldValues(QStringLiteral("name")).toString());
}
