#include "core/file/AtomicFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A save file on a card that is full, or that is pulled out while it is written.
class FaultySaveFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;
    bool m_pulled = false;

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (!m_pulled)
            return -1;
        QFileInfo(fileName()).dir().removeRecursively();
        return QSaveFile::writeData(data, len);
    }
};

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedWrite_data();
    void failedWrite();
};

void TestAtomicFile::failedWrite_data()
{
    QTest::addColumn<bool>("pulled");
    QTest::newRow("a full card keeps the old file, with nothing beside it") << false;
    QTest::newRow("a pulled card's folder is not made again") << true;
}

void TestAtomicFile::failedWrite()
{
    QFETCH(bool, pulled);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"card"_s);
    const QString path = folder + u"/NetworkSetting.ini"_s;
    const QByteArray old = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
    QVERIFY(QDir().mkpath(folder) && TestFiles::Write(path, old));
    {
        FaultySaveFile file(path);
        file.m_pulled = pulled;
        QVERIFY(!CommitThrough(file, QByteArray(200 * 1024, 'n'), FileAccess::Shared));
    }
    QCOMPARE(QFileInfo::exists(folder), !pulled);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
        pulled ? QStringList() : QStringList { u"NetworkSetting.ini"_s });
    QCOMPARE(TestFiles::ReadAll(path), pulled ? QByteArray() : old);
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
