#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// A text that is not a whole number; the text is what the user sees in the error box.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// Reads a 32-bit signed integer typed by the user: an optional '+' or '-' directly
// followed by digits, where ASCII, Persian (U+06F0-U+06F9) and Arabic-Indic
// (U+0660-U+0669) digits may be mixed, since a Persian keyboard types the latter two.
// Leading zeros are fine. ASCII spaces before and after the number are ignored; any
// other blank, letter or sign, an empty text or a value beyond the 32-bit range throws
// ConversionError "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// The decimal text of a number in ASCII digits, with a '-' for negative values.
QString IntToStr(qint64 value);
