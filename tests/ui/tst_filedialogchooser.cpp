#include "DialogScript.h"
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
    void Eject(const RemovableVolume &, EjectDone) override { }
    QList<RemovableVolume> m_volumes;
};

} // namespace

class TestFileDialogChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void cardsAmongPlaces_data()
    {
        QTest::addColumn<bool>("folderDialog");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("opensOn"); // "card0" or "home"
        // The remembered folder is gone in every row: the one card stands in for it.
        QTest::newRow("file, one card") << false << 1 << u"card0"_s;
        QTest::newRow("folder, two cards") << true << 2 << u"home"_s;
    }

    void cardsAmongPlaces()
    {
        QFETCH(bool, folderDialog);
        QFETCH(int, cards);
        QFETCH(QString, opensOn);
        QTemporaryDir dir;
        CListedVolumes volumes;
        for (int i = 0; i < cards; ++i) {
            const QString mount = dir.filePath(u"card%1"_s.arg(i));
            QVERIFY(QDir().mkpath(mount));
            volumes.m_volumes.append({ mount, u"SD CARD %1"_s.arg(i), u"handle"_s });
        }
        const QString remembered = dir.filePath(u"last"_s);

        // Reads the dialog once it shows, then cancels it.
        QString directory;
        QList<QUrl> places;
        QStringList names;
        std::function<void()> inspect = [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return QTimer::singleShot(0, inspect);
            directory = dialog->directory().absolutePath();
            places = dialog->sidebarUrls();
            const QAbstractItemModel *model = dialog->findChild<QListView *>(u"sidebar"_s)->model();
            for (int row = 0; row < model->rowCount(); ++row)
                names.append(model->index(row, 0).data().toString());
            dialog->reject();
        };
        QTimer::singleShot(0, inspect);
        CFileDialogChooser chooser(nullptr, volumes);
        QVERIFY(
            (folderDialog ? chooser.ChooseFolder(remembered) : chooser.ChooseFileToOpen(remembered))
                .isEmpty());
        QCOMPARE(directory,
            QDir(opensOn == u"home" ? QDir::homePath() : dir.filePath(opensOn)).absolutePath());
        for (const RemovableVolume &volume : volumes.m_volumes) {
            QVERIFY(places.contains(QUrl::fromLocalFile(volume.mountPath)));
            QVERIFY2(names.contains(volume.label), qPrintable(names.join(u',')));
        }
    }
};

QTEST_MAIN(TestFileDialogChooser)
#include "tst_filedialogchooser.moc"
