#include "AnsiInput.h"

#include <algorithm>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "codec/Ansi.h"

void KeepAnsiWhileTyping(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString kept = codec::KeepAnsiOnly(text);
        if (kept == text)
            return;
        // The cursor stays after the same character, whatever was replaced before it.
        const int cursor = int(codec::KeepAnsiOnly(QStringView(text).left(edit->cursorPosition())).size());
        edit->setText(kept);
        edit->setCursorPosition(cursor);
    });
}

namespace {

bool Unstorable(QChar c)
{
    return c != QChar::ParagraphSeparator && !codec::IsAnsiRepresentable(c);
}

// Replaces, from the end backwards so positions hold, every character the
// file cannot store; one edit block, so one undo takes it back.
void ReplaceUnstorable(QPlainTextEdit *memo)
{
    QTextDocument *document = memo->document();
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    const QString text = all.selectedText();
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (!Unstorable(text[i]))
            continue;
        qsizetype first = i;
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            first = i - 1;
        edit.setPosition(int(first));
        edit.setPosition(int(i + 1), QTextCursor::KeepAnchor);
        edit.insertText(QStringLiteral("?"));
        i = first;
    }
    edit.endEditBlock();
}

} // namespace

void KeepAnsiWhileTyping(QPlainTextEdit *memo)
{
    QObject::connect(memo->document(), &QTextDocument::contentsChange, memo, [memo](int position, int, int added) {
        if (added <= 0)
            return;
        QTextCursor range(memo->document());
        range.setPosition(position);
        range.setPosition(position + added, QTextCursor::KeepAnchor);
        const QString text = range.selectedText();
        if (std::none_of(text.begin(), text.end(), Unstorable))
            return;
        // Not while the box is still handling its own change: right after it.
        QMetaObject::invokeMethod(
            memo, [memo] { ReplaceUnstorable(memo); }, Qt::QueuedConnection);
    });
}
