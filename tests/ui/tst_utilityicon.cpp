#include "UtilityIcon.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

namespace {

// The icon as Qt builds it from the installed files themselves.
QIcon InstalledIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(MERIDOCK_ICON_DIR "/meridock-netconf-%1.png").arg(size),
            QSize(size, size));
    return icon;
}

QImage Pixels(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestUtilityIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offersEveryInstalledSize();
    void sameAsTheInstalledFiles_data();
    void sameAsTheInstalledFiles();
};

void TestUtilityIcon::offersEveryInstalledSize()
{
    const QList<QSize> expected { QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
        QSize(64, 64), QSize(128, 128), QSize(256, 256) };
    QCOMPARE(UtilityIcon().availableSizes(), expected);
}

void TestUtilityIcon::sameAsTheInstalledFiles_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QIcon::Mode>("mode");
    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
        QTest::addRow("%d px is the installed %d px file", size, size) << size << QIcon::Normal;
    QTest::newRow("40 px is scaled as from the files") << 40 << QIcon::Normal;
    QTest::newRow("20 px is scaled as from the files") << 20 << QIcon::Normal;
    QTest::newRow("512 px asks for more than there is") << 512 << QIcon::Normal;
    QTest::newRow("disabled 48 px is greyed as from the files") << 48 << QIcon::Disabled;
    QTest::newRow("selected 32 px is tinted as from the files") << 32 << QIcon::Selected;
}

void TestUtilityIcon::sameAsTheInstalledFiles()
{
    QFETCH(int, size);
    QFETCH(QIcon::Mode, mode);

    const QImage installed = Pixels(InstalledIcon().pixmap(QSize(size, size), mode));
    QVERIFY(!installed.isNull());
    const QImage shown = Pixels(UtilityIcon().pixmap(QSize(size, size), mode));
    QCOMPARE(shown.size(), installed.size());
    QCOMPARE(shown, installed);
}

QTEST_MAIN(TestUtilityIcon)
#include "tst_utilityicon.moc"
