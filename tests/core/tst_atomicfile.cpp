#include "AtomicFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A save file whose device fails part-way through the write, after running `onFirstWrite`.
class FaultySaveFile : public QSaveFile
{
public:
    FaultySaveFile(const QString &name, qint64 failAfter, std::function<void()> onFirstWrite = {})
        : QSaveFile(name)
        , m_failAfter(failAfter)
        , m_onFirstWrite(std::move(onFirstWrite))
    { }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_onFirstWrite)
            std::exchange(m_onFirstWrite, {})();
        if (len > m_failAfter) {
            QSaveFile::writeData(data, m_failAfter);
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        m_failAfter -= len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_failAfter;
    std::function<void()> m_onFirstWrite;
};

const QByteArray kOld = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
const QByteArray kNew(200 * 1024, 'n');

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void replacesTheWholeFileOwnerOnlyIfAsked();
    void targetFolderVanishing();
    void deviceFailingPartWayKeepsTheOldFile();

private:
    QString Path() const { return m_dir->filePath(u"NetworkSetting.ini"_s); }
    QStringList Files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(TestFiles::Write(Path(), kOld));
}

void TestAtomicFile::replacesTheWholeFileOwnerOnlyIfAsked()
{
    QVERIFY(QFile::setPermissions(
        Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    QVERIFY(CommitFileAtomically(Path(), "new", FileAccess::OwnerOnly));
    QCOMPARE(TestFiles::ReadAll(Path()), QByteArray("new"));
    // Someone had widened it; the rewrite narrows it again.
    QCOMPARE(QFile::permissions(Path())
            & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Files(), QStringList { u"NetworkSetting.ini"_s });
}

// The card is pulled while the file is written.
void TestAtomicFile::targetFolderVanishing()
{
    const QString folder = m_dir->filePath(u"card"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/NetworkSetting.ini"_s;
    QVERIFY(TestFiles::Write(path, kOld));
    {
        FaultySaveFile file(path, kNew.size() * 2, [folder] { QDir(folder).removeRecursively(); });
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    }
    QVERIFY(!QFileInfo::exists(folder)); // not made again
}

void TestAtomicFile::deviceFailingPartWayKeepsTheOldFile()
{
    {
        FaultySaveFile file(Path(), kNew.size() - 1);
        QVERIFY(!CommitThrough(file, kNew, FileAccess::Shared));
    }
    QCOMPARE(TestFiles::ReadAll(Path()), kOld);
    QCOMPARE(Files(), QStringList { u"NetworkSetting.ini"_s });
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
