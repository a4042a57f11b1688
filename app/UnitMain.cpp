#include "UnitMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
const QString Caption = QStringLiteral("ذخيره شماره تلفن به صورت رايانه اي با امكان چاپ");
}

TFormMain* FormMain = nullptr;
int OpenedFromMain = 0;

TFormMain::TFormMain(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(Caption);
    setFixedSize(688, 148);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormMain::FormClose()
{
    QApplication::quit();
}
