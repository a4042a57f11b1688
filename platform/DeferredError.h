#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <exception>

// Hands an error caught inside Qt's own code (an editor committing its value,
// the selection moving, a window hiding) on to the default error handler
// once control is back in the event loop, so that no error unwinds through
// Qt and leaves a view half-way through an update.
inline void reportWhenIdle(std::exception_ptr error)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [error] { std::rethrow_exception(error); }, Qt::QueuedConnection);
}
