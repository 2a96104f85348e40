#include "LayoutTools.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

#include "Palette.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *label = Place(new QLabel(text, parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel *MakeAutoSizeLabel(QWidget *parent, const char *name, const QFont &font, int left, int top, int right)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(left, top);
    label->adjustSize();
    label->resize(qMax(label->width(), right - left), qMax(label->height(), QFontMetrics(font).height()));
    return label;
}

QLabel *MakePicture(QWidget *parent, const char *name, const QString &resource, int left, int top)
{
    auto *picture = Place(new QLabel(parent), name, left, top, 15, 15);
    picture->setPixmap(QPixmap(resource));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

BitmapButton *MakeButton(QWidget *parent, const char *name, int faceWidth, const QString &caption, int left, int top)
{
    auto *button = Place(new BitmapButton(faceWidth, parent), name, left, top, faceWidth, 20);
    button->setText(caption);
    return button;
}

GlyphCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &caption, int left, int top, int width)
{
    return Place(new GlyphCheckBox(caption, parent), name, left, top, width, 18);
}

FlatSpinEdit *MakeSpinEdit(QWidget *parent, const char *name, int maximum, int left, int top, int width, int height)
{
    auto *spin = Place(new FlatSpinEdit(parent), name, left, top, width, height);
    spin->setRange(0, maximum);
    spin->setSingleStep(1); // PageUp and PageDown step by ten
    spin->setValue(0);
    spin->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return spin;
}

QLineEdit *MakeMaskEdit(QWidget *parent, const char *name, const QString &mask, int left, int top, int width,
                        bool loweredBevel)
{
    auto *edit = Place(new QLineEdit(parent), name, left, top, width, 22);
    edit->setInputMask(mask);
    if (loweredBevel) {
        edit->setStyleSheet(QStringLiteral("QLineEdit { border-style: solid; border-width: 1px;"
                                           " border-color: %1 %2 %2 %1;"
                                           " background-color: palette(base); padding: 0px 1px; }")
                                .arg(palette::BevelShadow.name(), palette::BevelLight.name()));
    } else {
        edit->setStyleSheet(
            QStringLiteral("QLineEdit { border: none; background-color: palette(base); padding: 0px 1px; }"));
    }
    return edit;
}

QPlainTextEdit *MakeMemo(QWidget *parent, const char *name, const QColor &textColor, int left, int top, int width,
                         int height)
{
    auto *memo = Place(new QPlainTextEdit(parent), name, left, top, width, height);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetTextColor(memo, textColor);
    return memo;
}

QAction *AddItem(QMenu *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QTimer *MakeTimer(QObject *parent, const char *name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

void SetTextColor(QWidget *widget, const QColor &color)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, color);
    colours.setColor(QPalette::Text, color);
    widget->setPalette(colours);
}

void GiveWindowFont(QWidget *root, const QFont &font)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(font);
    }
}

void ChainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
