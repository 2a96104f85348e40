#include "LanguageRadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>

namespace {

constexpr int CaptionLeft = 190;
constexpr int ItemHeight = 21;
constexpr int ItemOffset = 20;
constexpr int BevelWidth = 2;

} // namespace

LanguageRadioGroup::LanguageRadioGroup(QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_caption(QStringLiteral("Язык / Language ")),
      m_captionColor(0x00, 0x80, 0xC0), m_shadowColor(0x00, 0x80, 0xC0)
{
    m_items[0] = new QRadioButton(QStringLiteral("Русский"), this);
    m_items[1] = new QRadioButton(QStringLiteral("English"), this);
    for (int i = 0; i < 2; ++i) {
        m_items[i]->setObjectName(QStringLiteral("LMDRadioGroup1Item%1").arg(i));
        // The group decides which item is checked; see the idClicked handler.
        m_items[i]->setAutoExclusive(false);
        m_group->addButton(m_items[i], i);
    }
    // Not exclusive: no item is selected until a language is applied, and
    // exclusivity is kept by hand so that state stays possible.
    m_group->setExclusive(false);

    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        const int previous = m_index;
        // A click on the selected item would uncheck it; keep it checked.
        setItemIndexQuietly(id);
        if (id != previous)
            emit userChanged(id);
    });

    resize(471, 43);
    setGlyphList(2);
    layoutItems();
}

int LanguageRadioGroup::itemIndex() const
{
    return m_index;
}

void LanguageRadioGroup::setItemIndex(int index)
{
    setItemIndexQuietly(index >= 0 && index < 2 ? index : -1);
}

void LanguageRadioGroup::setItemIndexQuietly(int index)
{
    m_index = index;
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker blocker(m_items[i]);
        m_items[i]->setChecked(i == index);
    }
}

void LanguageRadioGroup::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

QString LanguageRadioGroup::itemText(int index) const
{
    if (index < 0 || index > 1)
        return QString();
    return m_items[index]->text();
}

void LanguageRadioGroup::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    update();
}

void LanguageRadioGroup::setShadowColor(const QColor &color)
{
    m_shadowColor = color;
    update();
}

void LanguageRadioGroup::setGlyphList(int list)
{
    m_glyphList = list == 3 ? 3 : 2;
    const QString set = m_glyphList == 3 ? QStringLiteral("black") : QStringLiteral("blue");
    const QString sheet = QStringLiteral("QRadioButton { spacing: 4px; }"
                                         "QRadioButton::indicator { width: 12px; height: 12px; }"
                                         "QRadioButton::indicator:unchecked { image: url(:/glyphs/radio_%1_off.png); }"
                                         "QRadioButton::indicator:checked { image: url(:/glyphs/radio_%1_on.png); }")
                              .arg(set);
    for (QRadioButton *item : m_items)
        item->setStyleSheet(sheet);
}

QRadioButton *LanguageRadioGroup::item(int index) const
{
    if (index < 0 || index > 1)
        return nullptr;
    return m_items[index];
}

int LanguageRadioGroup::captionTop() const
{
    return fontMetrics().height() / 2;
}

void LanguageRadioGroup::layoutItems()
{
    const int top = captionTop();
    const int inner = width() - 2 * BevelWidth;
    const int columnWidth = inner / 2;
    // The items sit in the middle of the space below the caption line.
    const int itemTop = top + BevelWidth + (height() - top - 2 * BevelWidth - ItemHeight + 1) / 2 + 2;
    for (int i = 0; i < 2; ++i) {
        const int left = BevelWidth + i * columnWidth + ItemOffset;
        m_items[i]->setGeometry(left, itemTop, columnWidth - ItemOffset, ItemHeight);
    }
}

void LanguageRadioGroup::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutItems();
}

void LanguageRadioGroup::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layoutItems();
}

void LanguageRadioGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor light = palette().light().color();
    const int top = captionTop();
    const QRect outer(0, top, width() - 1, height() - top - 1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);

    // Raised outside: light top and left, shadow bottom and right.
    painter.setPen(light);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(m_shadowColor);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    // Lowered inside: shadow top and left, light bottom and right.
    painter.setPen(m_shadowColor);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(light);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());

    // The caption over the top edge, on the background colour.
    painter.setFont(font());
    const QFontMetrics metrics = fontMetrics();
    const QRect captionRect(CaptionLeft, 0, metrics.horizontalAdvance(m_caption), metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(m_captionColor);
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
}
