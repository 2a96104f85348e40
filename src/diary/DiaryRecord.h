#pragma once

#include <vector>

#include <QString>

namespace diary {

// One diary entry. Every field is text: the diary compares dates as text and
// keeps whatever the file held, so nothing is lost on a rewrite.
struct DiaryRecord {
    QString date;        // "dd.MM.yyyy"
    QString time;        // "hh:mm"
    QString msg;         // one line; "(null)" stands for no message
    QString launch_file; // full path, or "(null)"
    QString param_str;   // "1" at position 1 yearly, 2 sound, 3 power-off; 4-10 kept as read
    QString reversdate;  // sort key "yyyy.MM.ddhh:mm"; derived, never written

    bool operator==(const DiaryRecord &other) const
    {
        return date == other.date && time == other.time && msg == other.msg && launch_file == other.launch_file &&
               param_str == other.param_str && reversdate == other.reversdate;
    }
};

// All records in file order. A plain container: the window shows views of it.
using UnvisibleList = std::vector<DiaryRecord>;

// The text the files hold in place of an empty field.
inline const QString NullText = QStringLiteral("(null)");

} // namespace diary
