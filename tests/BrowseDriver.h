#pragma once

#include "DBGrid.h"
#include "EntryWindowDriver.h"
#include "UnitMain.h"
#include "UnitReport.h"
#include "UnitSearch.h"
#include "Unitnama.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>
#include <functional>

// Drives the search window and the display by group as a user does, and reads what
// their grids and the envelope show.
namespace BrowseDriver {

// The main window's search command, the search window then active.
inline void openSearchWindow()
{
    FormMain->Show();
    FormMain->Label5Click();
    QApplication::setActiveWindow(FormSearch);
    QVERIFY(QTest::qWaitForWindowActive(FormSearch));
}

// Runs interaction inside the display by group, opened by the main window's command;
// the window is closed afterwards unless the interaction closed it.
inline void inDisplayByGroup(const std::function<void()>& interaction)
{
    bool ran = false;
    EntryWindowDriver::duringModalRun(Form1, [&] {
        ran = true;
        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        interaction();
    });
    FormMain->Show();
    FormMain->Label6Click();
    QVERIFY(ran);
    QVERIFY(!Form1->isVisible());
}

// Types text into edit one key at a time, each key pressed and released, as a user types.
inline void typeKeyByKey(QWidget* edit, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(edit, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }
}

// The texts of one column of a grid, top row first.
inline QStringList columnTexts(const DBGrid* grid, int column)
{
    QStringList texts;
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

inline int currentRow(const DBGrid* grid)
{
    return grid->currentIndex().row();
}

// Closes the next print preview once it is up, after running whileShown; *shown tells
// whether one came up.
inline void closeNextPreview(bool* shown, const std::function<void()>& whileShown = {})
{
    *shown = false;
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(10000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, shown, whileShown, deadline] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview) {
            *shown = true;
            if (whileShown)
                whileShown();
            preview->close();
        }
        if (preview || deadline.hasExpired())
            poll->deleteLater();
    });
    poll->start(5);
}

// The five texts of the envelope, in the order QR1, QR3, QRLabel4, QR4, QR5.
inline QStringList envelopeSlots()
{
    return {Report->QR1->Caption(), Report->QR3->Caption(), Report->QRLabel4->Caption(),
            Report->QR4->Caption(), Report->QR5->Caption()};
}

} // namespace BrowseDriver
