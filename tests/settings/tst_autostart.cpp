#include <QtTest>

#include "settings/AutostartEntry.h"

namespace {

// Reads an Exec value back the way a desktop reads it: first the string
// escapes, then the double quotes and their backslash escapes, then "%%".
QString UnquoteExecValue(const QString &value)
{
    QString unescaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            c = next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next == u't' ? QChar(u'\t') : next;
        }
        unescaped += c;
    }
    if (unescaped.size() < 2 || !unescaped.startsWith(u'"') || !unescaped.endsWith(u'"'))
        return QStringLiteral("<not quoted>");
    QString argument;
    for (qsizetype i = 1; i + 1 < unescaped.size(); ++i) {
        QChar c = unescaped.at(i);
        if (c == u'"')
            return QStringLiteral("<bare quote>");
        if (c == u'\\')
            c = unescaped.at(++i);
        else if (c == u'%' && unescaped.at(++i) != u'%')
            return QStringLiteral("<field code>");
        argument += c;
    }
    return argument;
}

} // namespace

class TstAutostart : public QObject {
    Q_OBJECT

private slots:
    void quote_data();
    void quote();
    void quotedValueReadsBack_data();
    void quotedValueReadsBack();
    void entryForPlainPath();
    void entryIsUtf8WithOneExecLine();
};

void TstAutostart::quote_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain path") << "/usr/bin/tolvik"
                                << "\"/usr/bin/tolvik\"";
    QTest::newRow("spaces") << "/opt/My Apps/tolvik"
                            << "\"/opt/My Apps/tolvik\"";
    QTest::newRow("double quote") << "/opt/a\"b/tolvik"
                                  << "\"/opt/a\\\\\"b/tolvik\"";
    QTest::newRow("dollar") << "/opt/$HOME/tolvik"
                            << "\"/opt/\\\\$HOME/tolvik\"";
    QTest::newRow("backtick") << "/opt/a`b/tolvik"
                              << "\"/opt/a\\\\`b/tolvik\"";
    QTest::newRow("backslash takes four") << "/opt/a\\b/tolvik"
                                          << "\"/opt/a\\\\\\\\b/tolvik\"";
    QTest::newRow("percent doubled") << "/opt/100%/tolvik"
                                     << "\"/opt/100%%/tolvik\"";
    QTest::newRow("single quote and semicolon") << "/opt/it's;x/tolvik"
                                                << "\"/opt/it's;x/tolvik\"";
    QTest::newRow("newline") << "/opt/a\nb/tolvik"
                             << "\"/opt/a\\nb/tolvik\"";
    QTest::newRow("Cyrillic") << "/home/иван/Толвик/tolvik"
                              << "\"/home/иван/Толвик/tolvik\"";
}

void TstAutostart::quote()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QCOMPARE(settings::QuoteExecArgument(path), exec);
}

void TstAutostart::quotedValueReadsBack_data()
{
    quote_data();
    QTest::newRow("every special at once") << "/t m\\p/\"$`%\t'x" << QString();
}

void TstAutostart::quotedValueReadsBack()
{
    QFETCH(QString, path);
    const QString exec = settings::QuoteExecArgument(path);
    QVERIFY(!exec.contains(u'\n') && !exec.contains(u'\r') && !exec.contains(u'\t'));
    QCOMPARE(UnquoteExecValue(exec), path);
}

void TstAutostart::entryForPlainPath()
{
    QCOMPARE(settings::AutostartDesktopEntry(QStringLiteral("/usr/local/bin/tolvik")),
             QByteArray("[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Tolvik\n"
                        "Exec=\"/usr/local/bin/tolvik\"\n"
                        "X-GNOME-Autostart-enabled=true\n"
                        "Terminal=false\n"));
}

void TstAutostart::entryIsUtf8WithOneExecLine()
{
    const QByteArray entry = settings::AutostartDesktopEntry(QStringLiteral("/home/иван/%1 $x/tolvik"));
    QVERIFY(!entry.contains('\r'));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.endsWith('\n'));
    const QList<QByteArray> exec = [&] {
        QList<QByteArray> found;
        for (const QByteArray &line : entry.split('\n'))
            if (line.startsWith("Exec="))
                found << line;
        return found;
    }();
    QCOMPARE(exec.size(), 1);
    QCOMPARE(QString::fromUtf8(exec.first()), QStringLiteral("Exec=\"/home/иван/%%1 \\\\$x/tolvik\""));
}

QTEST_GUILESS_MAIN(TstAutostart)
#include "tst_autostart.moc"
