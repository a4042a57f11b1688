#pragma once

#include "Form.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;

// The program's hub: four navigation labels with a help line, a menu with
// the same commands under function keys, and a status bar with the time,
// the Gregorian date and the Persian solar date. Closing it ends the program.
class TFormMain : public Form
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);

    QMenuBar* MainMenu1;
    QMenu* N1;
    QMenu* N2;
    QMenu* N3;
    QMenu* N4;
    QAction* N5;
    QAction* N6;
    QAction* N7;
    QAction* N8;
    QAction* N9;
    // The client area below the menu; every position is relative to it.
    QWidget* Client;
    QLabel* Label1;
    QFrame* Panel2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QStatusBar* StatusBar1;
    // The status bar's one panel.
    QLabel* StatusPanel;
    QTimer* Timer1;

    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void N9Click();
    void Timer1Timer();

protected:
    void FormShortCut(QKeyEvent* key) override;
    void FormClose() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeNavigationLabel(const QString& caption, int left);
    QAction* makeCommand(QMenu* menu, const QString& caption, Qt::Key key, void (TFormMain::*handler)());
    void LabelMouseEnter(QLabel* label);
    void LabelMouseLeave(QLabel* label);
    void FormMouseMove();
    // Lets the menu's keys reach the main window while it hides behind window.
    void hideBehind(QWidget* window);

    QString m_firstDate;
    QString m_secondDate;
};

extern TFormMain* FormMain;

// Which window the main window last opened without a modal run, hiding
// itself: 0 none yet, 1 the contact entry window, 2 the search window.
extern int OpenedFromMain;
