#include "HintStyle.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

#include "Fonts.h"

void ApplyHintStyle(QApplication &application)
{
    QPalette hint = QToolTip::palette();
    hint.setColor(QPalette::ToolTipBase, QColor(0xB0, 0xD8, 0xF0));
    hint.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hint);
    const QFont font = UiFont(11);
    QToolTip::setFont(font);

    const QString rule = QStringLiteral("QToolTip { background-color: #B0D8F0; color: black;"
                                        " border: 1px solid #0080C0; padding: 1px;"
                                        " font-family: \"%1\"; font-size: %2px; }")
                             .arg(font.family())
                             .arg(font.pixelSize());
    QString sheet = application.styleSheet();
    if (!sheet.contains(QStringLiteral("QToolTip")))
        sheet += rule;
    application.setStyleSheet(sheet);
}
