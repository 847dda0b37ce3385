#include "DialogScript.h"
#include "ui/GroupFrameStyle.h"
#include "ui/NetSetUtilDlg.h"

#include <QFile>
#include <QGroupBox>
#include <QStyleFactory>

// Qt image-format plugins mapped into this process.
static QStringList ImageFormatPlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return { QStringLiteral("(maps unreadable)") };
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins.append(QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1)));
    }
    plugins.removeDuplicates();
    return plugins;
}

static QImage Rendered(QGroupBox &box, QStyle *style)
{
    box.setStyle(style);
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    box.render(&image);
    return image;
}

class TestGroupFrameStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }

    // Runs first: once Fusion has read its frame image, the plugins stay loaded.
    void windowPaintsWithoutImageReader()
    {
        UseGroupFrameStyle();
        QVERIFY(qobject_cast<CGroupFrameStyle *>(QApplication::style())->DrawsGroupFrame());
        CNetSetUtilDlg window;
        window.show();
        window.grab();
        window.ShowPage(1);
        window.grab();
        QCOMPARE(ImageFormatPlugins(), QStringList());
    }

    void sameFrameAsFusion_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addRow("titled") << QStringLiteral("IP address settings") << false;
        QTest::addRow("with a check box") << QStringLiteral("Use proxy") << true;
        QTest::addRow("untitled") << QString() << false;
        QTest::addRow("check box without title") << QString() << true;
    }
    void sameFrameAsFusion()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        CGroupFrameStyle own(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(own.DrawsGroupFrame());
        QGroupBox box(title);
        box.setCheckable(checkable);
        box.resize(230, 140);
        const QImage expected = Rendered(box, fusion.get());
        QCOMPARE(Rendered(box, &own), expected);
        box.resize(40, 30); // smaller than the image: the corners must still meet
        QCOMPARE(Rendered(box, &own), Rendered(box, fusion.get()));
    }
};

QTEST_MAIN(TestGroupFrameStyle)
#include "tst_groupframestyle.moc"
