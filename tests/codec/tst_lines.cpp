#include <QTest>

#include "codec/Lines.h"

using codec::LineEnds;

Q_DECLARE_METATYPE(codec::LineEnds)

namespace {

// Each line as its text, CR shown as <CR>, and '$' when a line end closed it.
QStringList Describe(QStringView text, LineEnds ends)
{
    QStringList lines;
    codec::LineWalker walker(text, ends);
    while (!walker.atEnd()) {
        const codec::Line line = walker.next();
        lines << line.text.toString().replace(u'\r', QLatin1String("<CR>")) + (line.closed ? "$" : "");
    }
    return lines;
}

} // namespace

class TestLines : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
};

void TestLines::walk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineEnds>("ends");
    QTest::addColumn<QStringList>("lines");

    const LineEnds file = LineEnds::TextFile;
    const LineEnds any = LineEnds::AnyBreak;
    QTest::newRow("file: empty text has no line") << "" << file << QStringList();
    QTest::newRow("file: last line without an end") << "abc" << file << QStringList{"abc"};
    QTest::newRow("file: no empty line after the last end") << "abc\r\n" << file << QStringList{"abc$"};
    QTest::newRow("file: CR LF and LF") << "a\r\nb\nc" << file << QStringList{"a$", "b$", "c"};
    QTest::newRow("file: lone CR is part of its line") << "a\rb\r\nc" << file << QStringList{"a<CR>b$", "c"};
    QTest::newRow("file: CR before CR LF is part of its line") << "a\r\r\nb" << file << QStringList{"a<CR>$", "b"};
    QTest::newRow("file: CR after LF starts the next line") << "\n\r" << file << QStringList{"$", "<CR>"};
    QTest::newRow("file: empty lines") << "\r\n\r\n" << file << QStringList{"$", "$"};
    QTest::newRow("file without LF: CR ends lines") << "a\rb\rc" << file << QStringList{"a$", "b$", "c"};
    QTest::newRow("file without LF: a lone CR") << "\r" << file << QStringList{"$"};
    QTest::newRow("file: one LF anywhere makes CR ordinary") << "a\rb\rc\n" << file << QStringList{"a<CR>b<CR>c$"};
    QTest::newRow("any: CR, LF and CR LF each end one line")
        << "a\rb\nc\r\nd" << any << QStringList{"a$", "b$", "c$", "d"};
    QTest::newRow("any: LF then CR is two ends") << "a\n\rb" << any << QStringList{"a$", "$", "b"};
    QTest::newRow("any: CR then CR LF is two ends") << "a\r\r\nb" << any << QStringList{"a$", "$", "b"};
    QTest::newRow("any: a lone CR") << "\r" << any << QStringList{"$"};
}

void TestLines::walk()
{
    QFETCH(QString, text);
    QFETCH(LineEnds, ends);
    QFETCH(QStringList, lines);
    QCOMPARE(Describe(text, ends), lines);
}

QTEST_APPLESS_MAIN(TestLines)
#include "tst_lines.moc"
