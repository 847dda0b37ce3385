#include "DialogScript.h"
#include "ui/FileDialogChooser.h"

#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct CListedVolumes final : IRemovableVolumes
{
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
    // The remembered folder is gone in every row: one card stands in for it, two do not.
    void cardsAmongPlaces_data()
    {
        QTest::addColumn<bool>("folderDialog");
        QTest::addColumn<int>("cards");
        QTest::newRow("file, one card: opens on it") << false << 1;
        QTest::newRow("folder, two cards: opens at home") << true << 2;
    }
    void cardsAmongPlaces()
    {
        QFETCH(bool, folderDialog);
        QFETCH(int, cards);
        QTemporaryDir dir;
        CListedVolumes volumes;
        for (int i = 0; i < cards; ++i)
            volumes.m_volumes.append({ dir.filePath(u"c%1"_s.arg(i)), u"CARD %1"_s.arg(i), {} });
        for (const RemovableVolume &volume : volumes.m_volumes)
            QVERIFY(QDir().mkpath(volume.mountPath));
        QString directory;
        QStringList names;
        CModalScript<QFileDialog> script([&](QFileDialog &dialog) {
            directory = dialog.directory().absolutePath();
            const QAbstractItemModel *model = Find<QListView>(dialog, "sidebar")->model();
            for (int row = 0; row < model->rowCount(); ++row)
                names.append(model->index(row, 0).data().toString());
        });
        CFileDialogChooser chooser(nullptr, volumes);
        const QString last = dir.filePath(u"last"_s);
        QVERIFY(
            (folderDialog ? chooser.ChooseFolder(last) : chooser.ChooseFileToOpen(last)).isEmpty());
        QCOMPARE(directory, cards == 1 ? dir.filePath(u"c0"_s) : QDir::homePath());
        for (const RemovableVolume &volume : volumes.m_volumes)
            QVERIFY2(names.contains(volume.label), qPrintable(names.join(u',')));
    }
};

QTEST_MAIN(TestFileDialogChooser)
#include "tst_filedialogchooser.moc"
