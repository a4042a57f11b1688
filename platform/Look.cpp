#include "Look.h"

#include <QPalette>
#include <QWidget>

namespace Look {

QFont pixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont pointFont(const QString& family, int pointSize, bool bold)
{
    QFont font(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

} // namespace Look
