#pragma once

#include <QTableView>

// A list in report view: one row per item, columns of text, grid lines,
// whole-row selection of one row, no in-place editing, no border, header
// hidden at creation and not clickable.
class ReportList : public QTableView {
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);
    bool headerShown() const;
    void setHeaderShown(bool shown);
};
