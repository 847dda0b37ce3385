#include "AboutDlg.h"
#include "NetSetUtilDlg.h"
#include "UtilityIcon.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

// A pixmap holds premultiplied pixels; comparing in that form keeps the rounding of
// semi-transparent edges out of the comparison.
constexpr QImage::Format kCompareFormat = QImage::Format_ARGB32_Premultiplied;

// The images the desktop entry installs into the hicolor theme.
QImage InstalledIcon(int size)
{
    return QImage(QStringLiteral(MERIDOCK_ICON_DIR "/meridock-netconf-%1.png").arg(size))
        .convertToFormat(kCompareFormat);
}

QImage Normalised(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(kCompareFormat);
}

} // namespace

class TestUtilityIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIconIsTheInstalledImage_data();
    void windowIconIsTheInstalledImage();
    void aboutBoxShowsTheInstalledImage();
};

void TestUtilityIcon::windowIconIsTheInstalledImage_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16 px for title bars and menus") << 16;
    QTest::newRow("24 px for panels") << 24;
    QTest::newRow("32 px for task switchers") << 32;
    QTest::newRow("48 px for the About box") << 48;
    QTest::newRow("64 px") << 64;
    QTest::newRow("128 px") << 128;
    QTest::newRow("256 px for large launchers") << 256;
}

void TestUtilityIcon::windowIconIsTheInstalledImage()
{
    QFETCH(int, size);
    const QImage installed = InstalledIcon(size);
    QCOMPARE(installed.size(), QSize(size, size));

    // Compiled in, so an installed program needs neither the source tree nor an icon theme.
    QCOMPARE(Normalised(UtilityIcon().pixmap(QSize(size, size))), installed);

    CNetSetUtilDlg window;
    QCOMPARE(Normalised(window.windowIcon().pixmap(QSize(size, size))), installed);
}

void TestUtilityIcon::aboutBoxShowsTheInstalledImage()
{
    CAboutDlg about;
    const auto *icon = about.findChild<QLabel *>(QStringLiteral("iconLabel"));
    QVERIFY(icon);
    QCOMPARE(Normalised(icon->pixmap()), InstalledIcon(48));
}

QTEST_MAIN(TestUtilityIcon)
#include "tst_utilityicon.moc"
