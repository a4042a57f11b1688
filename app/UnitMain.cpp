#include "UnitMain.h"
#include "Look.h"

#include "BitBtn.h"
#include "DataSource.h"
#include "QueryDataset.h"
#include "SolarDate.h"
#include "UnitDM.h"
#include "UnitGroup.h"
#include "UnitSabt.h"
#include "UnitSearch.h"
#include "Unitnama.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("ذخيره شماره تلفن به صورت رايانه اي با امكان چاپ");
const QString Label3Caption = QStringLiteral("گروه ها");
const QString Label4Caption = QStringLiteral("ثبت");
const QString Label5Caption = QStringLiteral("جستجو");
const QString Label6Caption = QStringLiteral("نمايش");
const QString Label3Help = QStringLiteral("نمايش و ويرايش و اضافه كردن به گروه ها");
const QString Label4Help = QStringLiteral("ثبت تلفن و مشخصات افراد  (اضافه شدن به اطلاعات)");
const QString Label5Help = QStringLiteral("جستجو - ويرايش - حذف و چاپ اطلاعات");
const QString Label6Help = QStringLiteral("نمايش اطلاعات به صورت تفكيك");
const QString N1Caption = QStringLiteral("عمليات");
const QString N2Caption = QStringLiteral("اطلاعات");
const QString N3Caption = QStringLiteral("گزارشات");
const QString N4Caption = QStringLiteral("خروج");
const QString N5Caption = QStringLiteral("ثبت تلفن");
const QString N6Caption = QStringLiteral("گروه ها");
const QString N7Caption = QStringLiteral("جستجوي تلفن");
const QString N8Caption = QStringLiteral("نمايش تفکيک");
const QString N9Caption = QStringLiteral("خروج");
const QString HourLabel = QStringLiteral("ساعت : ");
const QString GregorianLabel = QStringLiteral("     تاريخ ميلادي : ");
const QString SolarLabel = QStringLiteral("      تاريخ شمسي : ");
const QString DateGap = QStringLiteral("    ");
const QString HoverFont = QStringLiteral("jadid");
const QString RestFont = QStringLiteral("zar");

constexpr int ClientWidth = 688;
constexpr int ClientHeight = 148;
constexpr int ClockIntervalMs = 100;
constexpr int DateCapacity = 255;
constexpr int NavigationFontPoints = 14;
constexpr int PressedFontPoints = 10;

} // namespace

TFormMain* FormMain = nullptr;
int OpenedFromMain = 0;

TFormMain::TFormMain(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(Caption);
    setLayoutDirection(Qt::RightToLeft);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    Look::setBackground(this, Qt::black);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // The menu keeps the desktop's colours, not the window's black.
    QPalette menuPalette = MainMenu1->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                                           QPalette::ButtonText, QPalette::Base, QPalette::Text})
        menuPalette.setColor(role, QApplication::palette().color(role));
    MainMenu1->setPalette(menuPalette);
    MainMenu1->setAutoFillBackground(true);
    N1 = MainMenu1->addMenu(N1Caption);
    N2 = MainMenu1->addMenu(N2Caption);
    N3 = MainMenu1->addMenu(N3Caption);
    N4 = MainMenu1->addMenu(N4Caption);
    N5 = makeCommand(N1, N5Caption, Qt::Key_F5, &TFormMain::Label4Click);
    N6 = makeCommand(N2, N6Caption, Qt::Key_F6, &TFormMain::Label3Click);
    N7 = makeCommand(N3, N7Caption, Qt::Key_F7, &TFormMain::Label5Click);
    N8 = makeCommand(N3, N8Caption, Qt::Key_F8, &TFormMain::Label6Click);
    N9 = makeCommand(N4, N9Caption, Qt::Key_F10, &TFormMain::N9Click);
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, ClientWidth, menuHeight);

    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setGeometry(0, menuHeight, ClientWidth, ClientHeight);
    Client->setMouseTracking(true);
    Client->installEventFilter(this);
    setFixedSize(ClientWidth, menuHeight + ClientHeight);

    Label1 = new QLabel(Client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 0, ClientWidth, 41);
    Label1->setAlignment(Qt::AlignCenter);
    Look::setBackground(Label1, Qt::black);
    QFont helpFont(QStringLiteral("Titr"), 16, QFont::Bold);
    Label1->setFont(helpFont);
    QPalette helpPalette = Label1->palette();
    helpPalette.setColor(QPalette::WindowText, Look::MoneyGreen);
    Label1->setPalette(helpPalette);
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);

    Panel2 = new QFrame(Client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(12, 51, 660, 52);
    Panel2->setFrameShape(QFrame::Box);
    Panel2->setLineWidth(1);
    Look::setBackground(Panel2, Look::Maroon);
    Panel2->setMouseTracking(true);
    Panel2->installEventFilter(this);

    Label3 = makeNavigationLabel(Label3Caption, 578);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = makeNavigationLabel(Label4Caption, 418);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = makeNavigationLabel(Label5Caption, 218);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6 = makeNavigationLabel(Label6Caption, 50);
    Label6->setObjectName(QStringLiteral("Label6"));

    StatusBar1 = new QStatusBar(Client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 112, ClientWidth, 30);
    StatusBar1->setSizeGripEnabled(false);
    Look::setBackground(StatusBar1, Qt::white);
    StatusPanel = new QLabel(StatusBar1);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(500);
    StatusPanel->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(StatusPanel);
    StatusBar1->setMouseTracking(true);
    StatusBar1->installEventFilter(this);
    StatusPanel->setMouseTracking(true);
    StatusPanel->installEventFilter(this);

    // Ticks once the event loop runs: the timer starts with the first showing.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ClockIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);

    centreOnScreen();
    Form::setMainForm(this);
}

QLabel* TFormMain::makeNavigationLabel(const QString& caption, int left)
{
    auto* label = new QLabel(caption, Panel2);
    label->setGeometry(left, 11, 70, 25);
    label->setCursor(Qt::PointingHandCursor);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(QFont(RestFont, NavigationFontPoints));
    Look::setBackground(label, Look::Maroon);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    return label;
}

QAction* TFormMain::makeCommand(QMenu* menu, const QString& caption, Qt::Key key,
                                void (TFormMain::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(QKeySequence(key));
    // The keys also work from the windows the main window hides behind.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, handler] {
        // Inside a modal run the main window is disabled: its keys do nothing.
        if (QApplication::activeModalWidget())
            return;
        (this->*handler)();
    });
    return action;
}

void TFormMain::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    if (!Timer1->isActive())
        Timer1->start();
}

void TFormMain::hideBehind(QWidget* window)
{
    window->addActions({N5, N6, N7, N8, N9});
    hide();
}

void TFormMain::Label3Click()
{
    FormGroup->ShowModal();
}

void TFormMain::Label4Click()
{
    FSabt->ShowForNewContact();
    OpenedFromMain = 1;
    hideBehind(FSabt);
}

void TFormMain::Label5Click()
{
    DM->QuerySearch->setActive(false);
    DM->QuerySearch->setActive(true);
    FormSearch->Show();
    OpenedFromMain = 2;
    hideBehind(FormSearch);
}

void TFormMain::Label6Click()
{
    DM->QueryMaster->setActive(false);
    DM->QueryMaster->setActive(true);
    DM->QueryDetail->setActive(false);
    DM->QueryDetail->setActive(true);
    Form1->ShowModal();
}

void TFormMain::N9Click()
{
    QApplication::quit();
}

void TFormMain::FormShortCut(QKeyEvent* key)
{
    if (key->key() == Qt::Key_F8)
        FormSearch->Show();
}

void TFormMain::FormClose()
{
    QApplication::quit();
}

void TFormMain::Timer1Timer()
{
    date_shamsi(m_firstDate, DateCapacity, m_secondDate, DateCapacity);
    const QLocale locale = QLocale::system();
    const QString time = locale.toString(QTime::currentTime(), QLocale::LongFormat);
    const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    StatusPanel->setText(HourLabel + time + GregorianLabel + date + SolarLabel + m_secondDate + DateGap +
                         m_firstDate);
}

void TFormMain::LabelMouseEnter(QLabel* label)
{
    Look::setBackground(label, Look::Silver);
    QFont font = label->font();
    font.setFamily(HoverFont);
    label->setFont(font);
    if (label == Label3)
        Label1->setText(Label3Help);
    else if (label == Label4)
        Label1->setText(Label4Help);
    else if (label == Label5)
        Label1->setText(Label5Help);
    else
        Label1->setText(Label6Help);
    label->repaint();
}

void TFormMain::LabelMouseLeave(QLabel* label)
{
    Look::setBackground(label, Look::Maroon);
    QFont font = label->font();
    font.setFamily(RestFont);
    label->setFont(font);
    label->repaint();
}

void TFormMain::FormMouseMove()
{
    Label1->clear();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    const bool navigation = label && label->parent() == Panel2;
    switch (event->type()) {
    case QEvent::Enter:
        if (navigation)
            LabelMouseEnter(label);
        break;
    case QEvent::Leave:
        if (navigation)
            LabelMouseLeave(label);
        break;
    case QEvent::MouseMove:
        if (watched == Client || watched == Panel2)
            FormMouseMove();
        else if (watched == Label5) {
            QFont font = Label5->font();
            font.setPointSize(NavigationFontPoints);
            Label5->setFont(font);
        }
        // Moves over a label, the help line or the status bar stop here.
        return true;
    case QEvent::MouseButtonPress:
        if (watched == Label5) {
            QFont font = Label5->font();
            font.setPointSize(PressedFontPoints);
            Label5->setFont(font);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Only the left button clicks.
        if (navigation && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == Label3)
                Label3Click();
            else if (label == Label4)
                Label4Click();
            else if (label == Label5)
                Label5Click();
            else
                Label6Click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}
