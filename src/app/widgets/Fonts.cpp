#include "Fonts.h"

#include <QFontDatabase>

namespace {

QString FamilyOr(const QString &wanted)
{
    if (QFontDatabase::hasFamily(wanted))
        return wanted;
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
    static const QString family = FamilyOr(QStringLiteral("MS Sans Serif"));
    return PixelFont(family, pixelSize, bold);
}

QFont SmallFont()
{
    static const QString family = FamilyOr(QStringLiteral("Small Fonts"));
    return PixelFont(family, 9, false);
}
