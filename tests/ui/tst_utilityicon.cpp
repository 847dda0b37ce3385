#include "AboutDlg.h"
#include "DialogScript.h"
#include "NetSetUtilDlg.h"

#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

// A pixmap holds premultiplied pixels; comparing in that form keeps the rounding of
// semi-transparent edges out of the comparison.
QImage Normalised(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The images the desktop entry installs into the hicolor theme.
QImage InstalledIcon(int size)
{
    return Normalised(
        QImage(QStringLiteral(MERIDOCK_ICON_DIR "/meridock-netconf-%1.png").arg(size)));
}

} // namespace

class TestUtilityIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIconIsTheInstalledImage_data()
    {
        QTest::addColumn<int>("size");
        for (int size : { 16, 24, 32, 48, 64, 128, 256 })
            QTest::addRow("%d px", size) << size;
    }
    // Compiled in, so an installed program needs neither the source tree nor an icon theme.
    void windowIconIsTheInstalledImage()
    {
        QFETCH(int, size);
        const QImage installed = InstalledIcon(size);
        QCOMPARE(installed.size(), QSize(size, size));
        CNetSetUtilDlg window;
        QCOMPARE(Normalised(window.windowIcon().pixmap(QSize(size, size)).toImage()), installed);
    }

    void aboutBoxShowsTheInstalledImage()
    {
        CAboutDlg about;
        QCOMPARE(
            Normalised(Find<QLabel>(about, "iconLabel")->pixmap().toImage()), InstalledIcon(48));
    }
};

QTEST_MAIN(TestUtilityIcon)
#include "tst_utilityicon.moc"
