#pragma once

#include <QString>
#include <stdexcept>

// An error of the store or of a dataset operation. Its text is what the user
// sees in the error box, for a dataset "<dataset name>: <reason>".
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
