#include "HintStyle.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

#include "Fonts.h"

#include "Palette.h"
void ApplyHintStyle(QApplication &application)
{
    QPalette hint = QToolTip::palette();
    hint.setColor(QPalette::ToolTipBase, palette::BandBlue);
    hint.setColor(QPalette::ToolTipText, palette::Black);
    QToolTip::setPalette(hint);
    const QFont font = UiFont(11);
    QToolTip::setFont(font);

    const QString rule =
        QStringLiteral("QToolTip { background-color: %1; color: %2;"
                       " border: 1px solid %3; padding: 1px;"
                       " font-family: \"%4\"; font-size: %5px; }")
            .arg(palette::BandBlue.name(), palette::Black.name(), palette::FrameBlue.name(), font.family())
            .arg(font.pixelSize());
    QString sheet = application.styleSheet();
    if (!sheet.contains(QStringLiteral("QToolTip")))
        sheet += rule;
    application.setStyleSheet(sheet);
}
