#include "ReportList.h"

#include <QHeaderView>
#include <QPalette>

namespace {

constexpr int RowHeight = 17;

} // namespace

ReportList::ReportList(QWidget *parent) : QTableView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setSortingEnabled(false);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(RowHeight);
    rows->setDefaultSectionSize(RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView *columns = horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setSortIndicatorShown(false);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setMinimumSectionSize(0);
    columns->hide();

    // The selection stays visible while the list does not have the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

bool ReportList::headerShown() const
{
    return !horizontalHeader()->isHidden();
}

void ReportList::setHeaderShown(bool shown)
{
    horizontalHeader()->setVisible(shown);
}
