#pragma once

#include <QStringView>

// Splitting a file's text into lines: the one place that knows what ends a line.
namespace codec {

enum class LineEnds {
    // As a text-mode read sees a file: CR LF and LF end a line, and a lone CR
    // is an ordinary character of its line. Only a text that holds no LF at
    // all has CR as its line end.
    TextFile,
    // CR LF, a lone CR and a lone LF each end one line, as a text box takes
    // a pasted text.
    AnyBreak,
};

struct Line {
    QStringView text; // without its line end
    bool closed;      // a line end followed; false only for a last line cut short
};

// Gives the lines of a text one by one. A text that ends with a line end has
// no empty line after it; an empty text has no line.
class LineWalker {
public:
    explicit LineWalker(QStringView text, LineEnds ends = LineEnds::TextFile);

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The next line. Call only while !atEnd().
    Line next();

private:
    enum class Breaks { Lf, Cr, Both };

    QStringView m_text;
    qsizetype m_pos = 0;
    Breaks m_breaks;
};

} // namespace codec
