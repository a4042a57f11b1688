#include "FontSubstitution.h"

#include <QFont>
#include <QString>
#include <QStringList>

void FontSubstitution::install()
{
    // Nazli is closest to Nazanin's open naskh and reads well at label sizes.
    const QStringList textFaces{QStringLiteral("Nazli"), QStringLiteral("FreeFarsi")};
    // FreeFarsi's bold is heavier and more compact, which suits headings and buttons.
    const QStringList displayFaces{QStringLiteral("FreeFarsi"), QStringLiteral("Nazli")};
    // The Latin interface faces; DejaVu Sans carries Persian letters and digits as well.
    const QStringList interfaceFaces{QStringLiteral("DejaVu Sans"), QStringLiteral("FreeFarsi")};

    QFont::insertSubstitutions(QStringLiteral("Titr"), {QStringLiteral("Titr"), QStringLiteral("FreeFarsi")});
    QFont::insertSubstitutions(QStringLiteral("Homa"), {QStringLiteral("Homa"), QStringLiteral("Nazli")});
    for (const char* family : {"Nazanin", "Mitra", "Lotus"})
        QFont::insertSubstitutions(QLatin1String(family), textFaces);
    for (const char* family : {"Zar", "Jadid", "Traffic"})
        QFont::insertSubstitutions(QLatin1String(family), displayFaces);
    for (const char* family : {"Tahoma", "MS Sans Serif", "Arial"})
        QFont::insertSubstitutions(QLatin1String(family), interfaceFaces);
}
