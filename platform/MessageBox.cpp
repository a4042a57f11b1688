#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

QMessageBox::StandardButton MessageBox::question(const QString& text)
{
    return ask(QMessageBox::Question, text, {}, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::confirmOkCancel(const QString& text)
{
    return ask(QMessageBox::Question, text, {}, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

void MessageBox::information(const QString& text)
{
    ask(QMessageBox::Information, text, {}, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::error(const QString& text, const QString& title)
{
    ask(QMessageBox::Critical, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    s_nextAnswer = answer;
}

QString MessageBox::lastText()
{
    return s_lastText;
}

QMessageBox::Icon MessageBox::lastIcon()
{
    return s_lastIcon;
}

int MessageBox::shownCount()
{
    return s_shownCount;
}

QMessageBox::StandardButton MessageBox::ask(QMessageBox::Icon icon, const QString& text, const QString& title,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton escapeButton)
{
    s_lastText = text;
    s_lastIcon = icon;
    ++s_shownCount;
    if (s_nextAnswer) {
        const QMessageBox::StandardButton answer = *s_nextAnswer;
        s_nextAnswer.reset();
        return answer;
    }

    // Parented to the active window so the box stands over it; should that window be
    // deleted while the box is up, the box goes with it.
    QPointer<QMessageBox> box =
        new QMessageBox(icon, title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text,
                        buttons, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->setLayoutDirection(Qt::RightToLeft);
    box->setEscapeButton(escapeButton);

    // Escape clicks the escape button; only the title bar's close button (or a close()
    // call) ends the box without any button clicked: the user answered nothing.
    bool answered = false;
    QObject::connect(box, &QMessageBox::buttonClicked, box, [&answered] { answered = true; });

    box->exec();
    if (!box)
        return QMessageBox::Cancel;
    const QMessageBox::StandardButton answer =
        answered ? box->standardButton(box->clickedButton()) : QMessageBox::Cancel;
    delete box;
    return answer;
}
