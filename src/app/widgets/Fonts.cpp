#include "Fonts.h"

#include <initializer_list>

#include <QFontDatabase>

namespace {

// The first installed face of `wanted`, then of the faces that keep the
// layout's proportions best (narrow sans-serif faces with Cyrillic letters),
// and last the system's own sans-serif face.
QString FirstInstalled(std::initializer_list<const char *> wanted)
{
    for (const char *family : wanted) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    for (const char *family :
         {"Microsoft Sans Serif", "Tahoma", "Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"}) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont PixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont UiFont(int pixelSize, bool bold)
{
    static const QString family = FirstInstalled({"MS Sans Serif"});
    return PixelFont(family, pixelSize, bold);
}

QFont SmallFont()
{
    static const QString family = FirstInstalled({"Small Fonts"});
    return PixelFont(family, 9, false);
}
