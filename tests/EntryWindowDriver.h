#pragma once

#include "BitBtn.h"
#include "Form.h"
#include "LabeledEdit.h"
#include "UnitMain.h"
#include "UnitSabt.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <functional>

// Drives the contact entry window the way a user and its callers do.
namespace EntryWindowDriver {

// Every message box that really comes up, not answered in advance: notes what it
// said and answers it with the Escape key. Then, as a window manager would, it gives
// the activation back to the window the box stood over; the offscreen platform has
// no window manager to do that.
class BoxWatcher : public QObject
{
public:
    BoxWatcher() { qApp->installEventFilter(this); }

    QStringList texts;
    QList<QMessageBox::Icon> icons;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            texts << box->text();
            icons << box->icon();
            QPointer<QWidget> owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
            QTimer::singleShot(0, box, [box, owner] {
                QTest::keyClick(box, Qt::Key_Escape);
                if (owner && owner->isVisible())
                    owner->activateWindow();
            });
        }
        return false;
    }
};

inline QWidget* focused()
{
    return QApplication::focusWidget();
}

inline QString focusedName()
{
    return focused() ? focused()->objectName() : QStringLiteral("<nothing>");
}

inline void press(Qt::Key key)
{
    QVERIFY2(focused(), "no control has the focus");
    QTest::keyClick(focused(), key);
}

// Types text into the focused control in one keystroke, as an input method commits
// a word; characters outside Latin-1, emoji included, arrive whole.
inline void typeText(const QString& text)
{
    QVERIFY2(focused(), "no control has the focus");
    QTest::sendKeyEvent(QTest::Press, focused(), Qt::Key_unknown, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, focused(), Qt::Key_unknown, text, Qt::NoModifier);
}

enum class Mode
{
    NewContact,
    Edit,
    Delete
};

// The main window's add command.
inline void openForNewContact()
{
    FormMain->Label4Click();
}

// The 13 edits in the order of the columns Code, Name, ... Ad3 of table Phone.
inline QList<LabeledEdit*> editsInColumnOrder()
{
    return {FSabt->code,  FSabt->name, FSabt->home,    FSabt->company, FSabt->fax,
            FSabt->mobil, FSabt->city, FSabt->factory, FSabt->pish,    FSabt->postcod,
            FSabt->ad1,   FSabt->ad2,  FSabt->ad3};
}

// Types a contact's 13 texts into the edits, in the order of the columns.
inline void fillEdits(const QStringList& columns)
{
    const QList<LabeledEdit*> edits = editsInColumnOrder();
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(columns.value(i));
}

inline QStringList editTexts()
{
    QStringList texts;
    for (const LabeledEdit* edit : editsInColumnOrder())
        texts << edit->text();
    return texts;
}

// Runs `interaction` inside the next modal run of `form`, once its event loop runs. Should
// the interaction stop before a button ended the run (a failed check), the run is ended
// so that the test goes on.
inline void duringModalRun(Form* form, const std::function<void()>& interaction)
{
    QTimer::singleShot(0, form, [form, interaction] {
        auto endRun = qScopeGuard([form] {
            if (form->isVisible() && form->ModalResult() == Form::mrNone)
                form->Close();
        });
        interaction();
    });
}

inline const QString PhoneColumns =
    QStringLiteral("Code, Name, Home, Company, Fax, Mobil, City, Factory, Pish, Postcod, Ad1, Ad2, Ad3");

} // namespace EntryWindowDriver
