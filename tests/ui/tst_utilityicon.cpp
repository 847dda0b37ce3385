#include "ui/NetSetUtilDlg.h"

#include <QImage>
#include <QTest>

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
        // The image the desktop entry installs into the hicolor theme. Compared as premultiplied
        // pixels, the pixmap's own form, so that rounding at semi-transparent edges stays out.
        const QImage installed
            = QImage(QStringLiteral(MERIDOCK_ICON_DIR "/meridock-netconf-%1.png").arg(size))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(installed.size(), QSize(size, size));
        CNetSetUtilDlg window;
        const QImage shown = window.windowIcon().pixmap(QSize(size, size)).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), installed);
    }
};

QTEST_MAIN(TestUtilityIcon)
#include "tst_utilityicon.moc"
