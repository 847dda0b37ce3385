#include "ui/FileDialogChooser.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class CListedVolumes final : public IRemovableVolumes
{
public:
    QList<RemovableVolume> MountedVolumes() override { return m_volumes; }
    EjectResult Eject(const RemovableVolume &) override { return {}; }
    QList<RemovableVolume> m_volumes;
};

struct DialogSeen
{
    QString directory;
    QList<QUrl> places;
    QStringList placeNames;
};

// Reads the open dialog once it shows, then closes it as a cancel would.
void InspectThenCancel(DialogSeen &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return InspectThenCancel(seen);
        seen.directory = dialog->directory().absolutePath();
        seen.places = dialog->sidebarUrls();
        if (auto *list = dialog->findChild<QListView *>(u"sidebar"_s)) {
            for (int row = 0; row < list->model()->rowCount(); ++row)
                seen.placeNames.append(list->model()->index(row, 0).data().toString());
        }
        dialog->reject();
    });
}

} // namespace

class TestFileDialogChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cardsAmongPlaces_data();
    void cardsAmongPlaces();
};

void TestFileDialogChooser::cardsAmongPlaces_data()
{
    QTest::addColumn<bool>("folderDialog");
    QTest::addColumn<int>("cards");
    QTest::addColumn<bool>("rememberedExists");
    QTest::addColumn<QString>("opensOn"); // "card0", "remembered" or "home"

    QTest::newRow("folder: remembered folder gone, one card") << true << 1 << false << u"card0"_s;
    QTest::newRow("file: remembered folder gone, one card") << false << 1 << false << u"card0"_s;
    QTest::newRow("folder: remembered folder there") << true << 1 << true << u"remembered"_s;
    QTest::newRow("folder: two cards, nothing remembered") << true << 2 << false << u"home"_s;
}

void TestFileDialogChooser::cardsAmongPlaces()
{
    QFETCH(bool, folderDialog);
    QFETCH(int, cards);
    QFETCH(bool, rememberedExists);
    QFETCH(QString, opensOn);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CListedVolumes volumes;
    for (int i = 0; i < cards; ++i) {
        const QString mount = dir.filePath(u"card%1"_s.arg(i));
        QVERIFY(QDir().mkpath(mount));
        volumes.m_volumes.append({ mount, u"SD CARD %1"_s.arg(i), u"handle"_s });
    }
    const QString remembered = dir.filePath(u"last"_s);
    if (rememberedExists)
        QVERIFY(QDir().mkpath(remembered));

    CFileDialogChooser chooser(nullptr, volumes);
    DialogSeen seen;
    InspectThenCancel(seen);
    const QString picked = folderDialog ? chooser.ChooseFolder(remembered)
                                        : chooser.ChooseFileToOpen(remembered);
    QVERIFY(picked.isEmpty());

    const QString expected = opensOn == u"home" ? QDir::homePath()
        : opensOn == u"remembered"              ? remembered
                                                : dir.filePath(opensOn);
    QCOMPARE(seen.directory, QDir(expected).absolutePath());
    for (const RemovableVolume &volume : volumes.m_volumes) {
        QVERIFY(seen.places.contains(QUrl::fromLocalFile(volume.mountPath)));
        QVERIFY2(seen.placeNames.contains(volume.label), qPrintable(seen.placeNames.join(u',')));
    }
}

QTEST_MAIN(TestFileDialogChooser)
#include "tst_filedialogchooser.moc"
