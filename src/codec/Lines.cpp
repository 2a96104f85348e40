#include "codec/Lines.h"

namespace codec {

LineWalker::LineWalker(QStringView text, LineEnds ends) : m_text(text)
{
    if (ends == LineEnds::AnyBreak)
        m_breaks = Breaks::Both;
    else
        m_breaks = text.contains(u'\n') ? Breaks::Lf : Breaks::Cr;
}

Line LineWalker::next()
{
    const qsizetype start = m_pos;
    qsizetype end = -1;
    switch (m_breaks) {
    case Breaks::Lf:
        end = m_text.indexOf(u'\n', start);
        break;
    case Breaks::Cr:
        end = m_text.indexOf(u'\r', start);
        break;
    case Breaks::Both:
        for (qsizetype i = start; i < m_text.size() && end < 0; ++i)
            if (m_text[i] == u'\r' || m_text[i] == u'\n')
                end = i;
        break;
    }
    if (end < 0) {
        m_pos = m_text.size();
        return {m_text.mid(start), false};
    }

    m_pos = end + 1;
    qsizetype textEnd = end;
    if (m_breaks == Breaks::Lf && end > start && m_text[end - 1] == u'\r')
        --textEnd; // the CR of CR LF
    else if (m_breaks == Breaks::Both && m_text[end] == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos; // CR LF is one line end
    return {m_text.mid(start, textEnd - start), true};
}

} // namespace codec
