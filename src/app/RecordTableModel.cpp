#include "RecordTableModel.h"

#include <iterator>

QString ShownCellText(const QString &text)
{
    return text.size() <= MaxCellCharacters ? text : text.left(MaxCellCharacters);
}

RecordTableModel::RecordTableModel(QObject *parent)
    : QAbstractTableModel(parent), m_captions{QStringLiteral("Дата"),
                                              QStringLiteral("Время"),
                                              QStringLiteral("Сообщение"),
                                              QStringLiteral("Запускаемый файл"),
                                              QStringLiteral("параметры записи"),
                                              QStringLiteral("дата наоборот")}
{
}

void RecordTableModel::setRows(std::vector<diary::VisibleRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void RecordTableModel::sortByColumn(int column, bool ascending)
{
    emit layoutAboutToBeChanged();
    diary::SortRows(m_rows, column, ascending);
    emit layoutChanged();
}

void RecordTableModel::setColumnCaption(int column, const QString &caption)
{
    if (column < 0 || column >= m_captions.size())
        return;
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int RecordTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecordTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : diary::ColumnCount;
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    return ShownCellText(diary::CellText(m_rows[size_t(index.row())], index.column()));
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return {};
    return m_captions.at(section);
}

UnvisibleListModel::UnvisibleListModel(const diary::UnvisibleList *list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void UnvisibleListModel::reload()
{
    beginResetModel();
    endResetModel();
}

int UnvisibleListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list->size());
}

int UnvisibleListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 6;
}

QVariant UnvisibleListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_list->size())
        return {};
    const diary::DiaryRecord &record = (*m_list)[size_t(index.row())];
    const QString *const cells[] = {&record.date,        &record.time,      &record.msg,
                                    &record.launch_file, &record.param_str, &record.reversdate};
    if (index.column() < 0 || index.column() >= int(std::size(cells)))
        return {};
    return ShownCellText(*cells[index.column()]);
}

QVariant UnvisibleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions{QStringLiteral("date"),      QStringLiteral("time"),
                                      QStringLiteral("msg"),       QStringLiteral("launch_file"),
                                      QStringLiteral("param_str"), QStringLiteral("reversdate time (not in file)")};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= captions.size())
        return {};
    return captions.at(section);
}
