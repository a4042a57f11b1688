#pragma once

#include <QApplication>
#include <QTranslator>

// The program's application object: right-to-left everywhere, Qt's own texts in
// Persian, the layouts' font names resolved to installed Persian fonts, and a default
// error handler that shows the text of any exception escaping an event handler in an
// error box and lets the program go on.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator m_qtTranslator;
};
