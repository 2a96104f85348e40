#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/desktop/DesktopFileLauncher.h"

// The real launcher on real files. Every program it may start writes a line
// to the marker file, so the test sees what ran, how often, with which
// arguments; a stand-in xdg-open on PATH takes the files for the desktop.
namespace {

// A program that appends "name argument-count" to the marker.
QByteArray Script(const QString &marker, const QString &name)
{
    return "#!/bin/sh\necho \"" + name.toUtf8() + " $#\" >> '" + QFile::encodeName(marker) + "'\n";
}

bool WriteFile(const QString &path, const QByteArray &bytes, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    return file.setPermissions(executable ? readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther : readable);
}

} // namespace

class TstLauncher : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void launch_data();
    void launch();

private:
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }
    QStringList markerLines() const;

    QTemporaryDir m_dir;
    QString m_marker;
};

void TstLauncher::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_marker = path(QStringLiteral("marker"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("bin"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("work"))));
    // The desktop's opener, replaced for the test: it notes the file it got.
    QVERIFY(WriteFile(path(QStringLiteral("bin/xdg-open")),
                      "#!/bin/sh\necho \"xdg-open $*\" >> '" + QFile::encodeName(m_marker) + "'\n", true));
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ":/usr/bin:/bin");
    // A shell would run "$(...)" here, in the current folder.
    QVERIFY(QDir::setCurrent(path(QStringLiteral("work"))));
}

void TstLauncher::init()
{
    QFile::remove(m_marker);
}

QStringList TstLauncher::markerLines() const
{
    QFile file(m_marker);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TstLauncher::launch_data()
{
    QTest::addColumn<QString>("subject"); // relative to the test folder
    QTest::addColumn<QString>("kind");    // program, document, folder, missing
    QTest::addColumn<QStringList>("ran");

    const QString hostile = QStringLiteral("odd dir; $(touch pwned)/-run me; $(touch pwned) 'q\" `touch pwned`.sh");
    QTest::newRow("program with blanks, quotes, ; and $() in its path")
        << hostile << "program" << QStringList{"subject 0"};
    QTest::newRow("program whose name starts with -") << "-run"
                                                      << "program" << QStringList{"subject 0"};
    QTest::newRow("document goes to the desktop's opener")
        << "notes; $(touch pwned).txt"
        << "document" << QStringList{"xdg-open file://" + QDir(m_dir.path()).filePath("notes;%20$(touch%20pwned).txt")};
    QTest::newRow("folder starts nothing") << "a folder"
                                           << "folder" << QStringList{};
    QTest::newRow("missing path starts nothing") << "no such file"
                                                 << "missing" << QStringList{};
}

void TstLauncher::launch()
{
    QFETCH(QString, subject);
    QFETCH(QString, kind);
    QFETCH(QStringList, ran);

    const QString target = path(subject);
    QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
    if (kind == QLatin1String("program"))
        QVERIFY(WriteFile(target, Script(m_marker, QStringLiteral("subject")), true));
    else if (kind == QLatin1String("document"))
        QVERIFY(WriteFile(target, "a note\n", false));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(target));
    // Programs a split path would start instead: the part before ";" and
    // before the first blank.
    QVERIFY(WriteFile(path(QStringLiteral("odd")), Script(m_marker, QStringLiteral("split at blank")), true));
    QVERIFY(WriteFile(path(QStringLiteral("odd dir")), Script(m_marker, QStringLiteral("split at ;")), true));

    platform::DesktopFileLauncher launcher;
    QString copy = target;
    launcher.launch(copy);
    copy.fill(u'x'); // the launch keeps its own path

    // A last program marks the end: what was started before has had its time.
    const QString sentinel = path(QStringLiteral("sentinel"));
    QVERIFY(WriteFile(sentinel, Script(m_marker, QStringLiteral("sentinel")), true));
    QTest::qWait(300);
    launcher.launch(sentinel);
    QTRY_VERIFY_WITH_TIMEOUT(markerLines().contains(QStringLiteral("sentinel 0")), 10000);
    QTest::qWait(300);

    QStringList lines = markerLines();
    lines.removeAll(QStringLiteral("sentinel 0"));
    QCOMPARE(lines, ran);
    QVERIFY2(!QFileInfo::exists(path(QStringLiteral("work/pwned"))), "a shell ran part of the path");
}

QTEST_MAIN(TstLauncher)
#include "tst_launcher.moc"
