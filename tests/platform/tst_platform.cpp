#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/OwnerName.h"
#include "platform/StartWithSession.h"

namespace {

const QString ExecutablePath = QStringLiteral("/opt/My Apps/tolvik");

const QByteArray ExpectedEntry = "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=Tolvik\n"
                                 "Exec=\"/opt/My Apps/tolvik\"\n"
                                 "X-GNOME-Autostart-enabled=true\n"
                                 "Terminal=false\n";

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TstPlatform : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entryPath_data();
    void entryPath();
    void switchOnAndOff();
    void blockedEntryGivesReason_data();
    void blockedEntryGivesReason();
    void ownerNameRule_data();
    void ownerNameRule();
    void ownerNameOfThisAccount();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_oldConfigHome;
    QByteArray m_oldHome;
};

void TstPlatform::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    m_oldHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("home"))));
}

void TstPlatform::cleanup()
{
    qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    qputenv("HOME", m_oldHome);
    m_dir.reset();
}

void TstPlatform::entryPath_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("expected"); // relative to the test folder

    QTest::newRow("absolute XDG_CONFIG_HOME") << QByteArray("<dir>/config") << "config/autostart/Tolvik.desktop";
    QTest::newRow("relative XDG_CONFIG_HOME ignored")
        << QByteArray("rel/config") << "home/.config/autostart/Tolvik.desktop";
    QTest::newRow("empty XDG_CONFIG_HOME") << QByteArray("") << "home/.config/autostart/Tolvik.desktop";
}

void TstPlatform::entryPath()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, expected);
    qputenv("XDG_CONFIG_HOME", configHome.replace("<dir>", QFile::encodeName(m_dir->path())));
    QCOMPARE(platform::XdgAutostart(ExecutablePath).entryPath(), m_dir->filePath(expected));
}

void TstPlatform::switchOnAndOff()
{
    platform::XdgAutostart autostart(ExecutablePath);
    const QString path = m_dir->filePath(QStringLiteral("config/autostart/Tolvik.desktop"));
    QCOMPARE(autostart.entryPath(), path);
    QVERIFY(!autostart.isEnabled());

    QCOMPARE(autostart.setEnabled(true), QString());
    QVERIFY(autostart.isEnabled());
    QCOMPARE(ReadAll(path), ExpectedEntry);
    QCOMPARE(
        QDir(m_dir->filePath(QStringLiteral("config/autostart"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("Tolvik.desktop")});

    // On again replaces a stale entry rather than keeping it.
    QVERIFY(WriteFile(path, "stale"));
    QCOMPARE(autostart.setEnabled(true), QString());
    QCOMPARE(ReadAll(path), ExpectedEntry);

    QCOMPARE(autostart.setEnabled(false), QString());
    QVERIFY(!autostart.isEnabled());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(autostart.setEnabled(false), QString()); // already off: no error
}

void TstPlatform::blockedEntryGivesReason_data()
{
    QTest::addColumn<QString>("fileInTheWay");
    QTest::addColumn<QString>("folderInTheWay");

    QTest::newRow("config home is a file") << "config"
                                           << "";
    QTest::newRow("autostart folder is a file") << "config/autostart"
                                                << "";
    QTest::newRow("entry is a folder") << ""
                                       << "config/autostart/Tolvik.desktop";
}

void TstPlatform::blockedEntryGivesReason()
{
    QFETCH(QString, fileInTheWay);
    QFETCH(QString, folderInTheWay);
    QDir root(m_dir->path());
    if (!fileInTheWay.isEmpty()) {
        QVERIFY(root.mkpath(QFileInfo(fileInTheWay).path()));
        QVERIFY(WriteFile(root.filePath(fileInTheWay), "x"));
    }
    if (!folderInTheWay.isEmpty())
        QVERIFY(root.mkpath(folderInTheWay));

    platform::XdgAutostart autostart(ExecutablePath);
    const QString reason = autostart.setEnabled(true);
    QVERIFY2(!reason.isEmpty(), "switching on must report why it failed");
    QVERIFY(!autostart.isEnabled());
    if (!fileInTheWay.isEmpty())
        QCOMPARE(ReadAll(m_dir->filePath(fileInTheWay)), QByteArray("x"));
}

void TstPlatform::ownerNameRule_data()
{
    QTest::addColumn<bool>("hasEntry");
    QTest::addColumn<QByteArray>("gecos");
    QTest::addColumn<QByteArray>("login");
    QTest::addColumn<QString>("name");

    QTest::newRow("full name before room and phones")
        << true << QByteArray("Ivan Petrov,Room 12,555-1234,,") << QByteArray("ivan") << "Ivan Petrov";
    QTest::newRow("full name only") << true << QByteArray("Anna Smith") << QByteArray("anna") << "Anna Smith";
    QTest::newRow("blanks trimmed") << true << QByteArray("  Anna Smith  ,x") << QByteArray("anna") << "Anna Smith";
    QTest::newRow("empty GECOS: login") << true << QByteArray("") << QByteArray("ivan") << "ivan";
    QTest::newRow("commas only: login") << true << QByteArray(",,,") << QByteArray("ivan") << "ivan";
    QTest::newRow("blank name: login") << true << QByteArray("   ,Room 1") << QByteArray("ivan") << "ivan";
    QTest::newRow("UTF-8 full name") << true << QByteArray("Иван Петров,,,") << QByteArray("ivan") << "Иван Петров";
    QTest::newRow("no passwd entry: $USER") << false << QByteArray() << QByteArray() << "from-environment";
}

void TstPlatform::ownerNameRule()
{
    QFETCH(bool, hasEntry);
    QFETCH(QByteArray, gecos);
    QFETCH(QByteArray, login);
    QFETCH(QString, name);
    QCOMPARE(platform::OwnerNameFromPasswd(hasEntry ? gecos.constData() : nullptr,
                                           hasEntry ? login.constData() : nullptr, "from-environment"),
             name);
}

void TstPlatform::ownerNameOfThisAccount()
{
    const QString name = platform::PasswdOwnerName().ownerName();
    QVERIFY(!name.isEmpty());
    QCOMPARE(name, name.trimmed());
    QVERIFY(!name.contains(u','));
}

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
