#include "Unit2.h"
#include "Look.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QWindow>

namespace {
constexpr int MaxWaitForScreenMs = 500;
const QString WaitCaption = QStringLiteral("در حال اجراي برنامه           كمي صبر كنيد ");
} // namespace

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(766, 98);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    Look::setBackground(this, Qt::black);

    Label1 = new QLabel(WaitCaption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 0, 766, 56);
    Label1->setLayoutDirection(Qt::RightToLeft);
    Label1->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignTop);
    QFont captionFont(QStringLiteral("Homa"), 18, QFont::Bold);
    Label1->setFont(captionFont);
    Label1->setStyleSheet(QStringLiteral("color: red;"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(0, 56, 766, 42);
    ProgressBar1->setRange(0, 6);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar { border: 3px solid gray; background: white; }"
                                               "QProgressBar::chunk { background: navy; }"));

    centreOnScreen();
}

void TForm2::setPosition(int position)
{
    ProgressBar1->setValue(position);
    // A window system maps a new window asynchronously: let the splash be
    // exposed once, or there is nothing on screen to paint into yet. No
    // timer of the program runs yet; user input waits for the event loop.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < MaxWaitForScreenMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void TForm2::stepIt()
{
    setPosition(ProgressBar1->value() + 1);
}
