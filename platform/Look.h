#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The colours and font sizes the window layouts are given in.
namespace Look {

inline const QColor MoneyGreen(0xC0, 0xDC, 0xC0);
inline const QColor Maroon(0x80, 0x00, 0x00);
inline const QColor Silver(0xC0, 0xC0, 0xC0);

// A font whose characters are the given number of pixels high.
QFont pixelFont(const QString& family, int pixelSize, bool bold = false);
QFont pointFont(const QString& family, int pointSize, bool bold = false);
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace Look
