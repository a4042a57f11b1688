#pragma once

#include <QString>
#include <QStringList>

// The lines of a query's statement. The store receives the lines joined, each
// followed by a carriage return and a line feed.
class StringList
{
public:
    void Clear() { m_lines.clear(); }
    void Add(const QString& line) { m_lines.append(line); }
    int Count() const { return int(m_lines.size()); }
    QStringList lines() const { return m_lines; }
    QString Text() const
    {
        QString text;
        for (const QString& line : m_lines)
            text += line + QStringLiteral("\r\n");
        return text;
    }

private:
    QStringList m_lines;
};
