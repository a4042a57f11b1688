#include "Application.h"

#include "DatabaseError.h"
#include "FontSubstitution.h"
#include "MessageBox.h"

#include <QLibraryInfo>

#include <exception>

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setLayoutDirection(Qt::RightToLeft);
    // The program ends by its exit command or with its main window, never because
    // the last window shown (with the main window hidden behind it) was closed.
    setQuitOnLastWindowClosed(false);
    // Standard buttons and dialogs read in Persian; without the file they stay in English.
    if (m_qtTranslator.load(QStringLiteral("qtbase_fa"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslator);
    FontSubstitution::install();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DatabaseError& error) {
        MessageBox::error(error.text());
    } catch (const std::exception& error) {
        MessageBox::error(QString::fromUtf8(error.what()));
    }
    return false;
}
