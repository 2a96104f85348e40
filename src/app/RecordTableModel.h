#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "diary/DiaryRecord.h"
#include "diary/RecordList.h"

// A list cell shows at most the first 1,000 characters of its text: laying
// out a message of megabytes at every repaint would stall the window. The
// file and the list's data keep the whole text.
constexpr qsizetype MaxCellCharacters = 1000;
QString ShownCellText(const QString &text);

// The rows of the visible record list RzListView1: a thin model over the
// built rows, so a diary of 100,000 records needs no widget item per row.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordTableModel(QObject *parent = nullptr);

    void setRows(std::vector<diary::VisibleRow> rows);
    const std::vector<diary::VisibleRow> &rows() const { return m_rows; }
    void sortByColumn(int column, bool ascending);
    void setColumnCaption(int column, const QString &caption);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<diary::VisibleRow> m_rows;
    QStringList m_captions;
};

// The hidden list RzListView3: shows the UnvisibleList as it is, in file order.
class UnvisibleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit UnvisibleListModel(const diary::UnvisibleList *list, QObject *parent = nullptr);
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const diary::UnvisibleList *m_list;
};
