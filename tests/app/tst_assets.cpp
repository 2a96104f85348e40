#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "WindowFixture.h"

// The pictures and the alarm wave the window is built with.
class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pictures_data();
    void pictures();
    void alarmWave();
};

void TestAssets::initTestCase()
{
    // Building a window registers the compiled-in resources.
    WindowFixture fixture;
    fixture.start();
}

void TestAssets::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("tray icon") << ":/icons/tray.png" << QSize(16, 16);
    QTest::newRow("program icon") << ":/icons/tolvik.png" << QSize(48, 48);
    QTest::newRow("reminder picture") << ":/pictures/image1.png" << QSize(15, 15);
    QTest::newRow("records picture") << ":/pictures/image2.png" << QSize(15, 15);
    QTest::newRow("picture under the reminder") << ":/pictures/image3.png" << QSize(15, 15);
    QTest::newRow("banner") << ":/pictures/banner.png" << QSize(471, 36);
    QTest::newRow("button face") << ":/buttons/face81_up.png" << QSize(81, 20);
    QTest::newRow("open button face") << ":/buttons/face75_up.png" << QSize(75, 20);
    QTest::newRow("check glyph") << ":/glyphs/check_blue_on.png" << QSize(13, 13);
    QTest::newRow("black check glyph") << ":/glyphs/check_black_on.png" << QSize(13, 13);
}

void TestAssets::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestAssets::alarmWave()
{
    QFile wave(QStringLiteral(":/sound/alarm.wav"));
    QVERIFY(wave.open(QIODevice::ReadOnly));
    const QByteArray bytes = wave.readAll();
    QVERIFY(bytes.size() >= 44);
    const uchar *header = reinterpret_cast<const uchar *>(bytes.constData());
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(header + 20), quint16(1)); // PCM
    QCOMPARE(qFromLittleEndian<quint16>(header + 22), quint16(2)); // channels
    QCOMPARE(qFromLittleEndian<quint32>(header + 24), quint32(44100));
    QCOMPARE(qFromLittleEndian<quint16>(header + 34), quint16(16)); // bits
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(qFromLittleEndian<quint32>(header + 40), quint32(906740));
    QCOMPARE(bytes.size(), 44 + 906740);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
