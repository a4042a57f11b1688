#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

// Every question and message of the program goes through here, so the boxes look
// alike (right to left, the program's name as title) and tests can answer them in
// advance instead of showing them.
class MessageBox
{
public:
    // Yes/No question. Escape answers No. Closing the box from its title bar without
    // choosing returns QMessageBox::Cancel, so callers can tell it from an explicit No.
    static QMessageBox::StandardButton question(const QString& text);

    // OK/Cancel confirmation; Escape and the title bar's close button answer Cancel.
    static QMessageBox::StandardButton confirmOkCancel(const QString& text);

    static void information(const QString& text);

    // An error with a critical icon; the title is the program's name unless given.
    static void error(const QString& text, const QString& title = {});

    // The next box, of any kind, is not shown and returns `answer` instead; then the
    // answer is forgotten and later boxes show again.
    static void setNextAnswer(QMessageBox::StandardButton answer);

    // What the last box asked for said and looked like, whether shown or answered in advance.
    static QString lastText();
    static QMessageBox::Icon lastIcon();

    // Boxes asked for since the program started, shown or answered in advance.
    static int shownCount();

private:
    static QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text, const QString& title,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton escapeButton);

    static inline std::optional<QMessageBox::StandardButton> s_nextAnswer;
    static inline QString s_lastText;
    static inline QMessageBox::Icon s_lastIcon = QMessageBox::NoIcon;
    static inline int s_shownCount = 0;
};
