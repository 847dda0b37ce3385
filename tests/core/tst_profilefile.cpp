#include "core/file/ProfileFile.h"

#include <QScopeGuard>
#include <QTest>

#include <array>
#include <memory>

using namespace Qt::StringLiterals;

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueOfKeyInSection_data();
    void valueOfKeyInSection();
    void keepsOrderOfFirstWriteAndRefusesLineBreaks();
    void unpairedSurrogatesReadAsTheyWillBeWritten();
    void copyOutlivesAndIgnoresItsOriginal();
    void namesWhoseHashesAgree_data();
    void namesWhoseHashesAgree();
};

void TestProfileFile::valueOfKeyInSection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("value"); // of K in section S, as the host's profile functions read
    QTest::addColumn<bool>("written"); // the value alone is also written as exactly these bytes
    const QString euro = u"\u20ac\u00e9"_s;
    QTest::newRow("names ignore case") << QByteArray("[s]\r\nk=0\r\n") << u"0"_s << false;
    QTest::newRow("first occurrence wins across repeated sections")
        << QByteArray("[S]\nK=1\nK=2\n[T]\nK=3\n[s]\nK=4\n") << u"1"_s << false;
    QTest::newRow("comment line is no key")
        << QByteArray("[S]\r\n;K=x\r\n") << u"<default>"_s << false;
    QTest::newRow("blanks around key and section names are not part of them")
        << QByteArray("  [ S ]  \r\n  K =v\r\n") << u"v"_s << false;
    QTest::newRow("LF, CR and blank lines of every kind")
        << QByteArray("\n\n[S]\r\n\r\n\r\rA=1\rK=2\n\n") << u"2"_s << false;
    QTest::newRow("value is cut to 1023 characters") << "[S]\r\nK=" + QByteArray(1500, 'x') + "\r\n"
                                                     << QString(1023, u'x') << false;
    QTest::newRow("UTF-16 LE with BOM and an odd byte count")
        << QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xAC\x20\xE9\0A", 19) << euro << false;
    QTest::newRow("UTF-8 without BOM")
        << QByteArray("[S]\nK=\xE2\x82\xAC\xC3\xA9") << euro << false;
    QTest::newRow("invalid UTF-8 is Windows-1252")
        << QByteArray("[S]\nK=\x80\xE9") << euro << false;
    QTest::newRow("Latin-1 letters as single bytes")
        << QByteArray("[S]\r\nK=caf\xe9 \xff\r\n") << u"caf\u00e9 \u00ff"_s << true;
    QTest::newRow("beyond Latin-1 as UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc4\x85\r\n") << u"\u0105"_s << true;
    QTest::newRow("Latin-1 that would read as UTF-8 goes out as UTF-8")
        << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc3\x83\xc2\xa9\r\n") << u"\u00c3\u00a9"_s << true;
    QTest::newRow("C1 control would read as Windows-1252: UTF-8")
        << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc2\x80\r\n") << QString(QChar(0x80)) << true;
}

void TestProfileFile::valueOfKeyInSection()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, value);
    QFETCH(bool, written);
    QCOMPARE(CProfileFile::FromBytes(file).Value(u"S", u"K", u"<default>"_s), value);
    CProfileFile composed;
    if (written && composed.SetValue(u"S"_s, u"K"_s, value))
        QCOMPARE(composed.ToBytes(), file);
    QCOMPARE(composed.IsEmpty(), !written);
}

void TestProfileFile::keepsOrderOfFirstWriteAndRefusesLineBreaks()
{
    CProfileFile file;
    QVERIFY(file.SetValue(u"A"_s, u"one"_s, u"1"_s));
    QVERIFY(file.SetValue(u"B"_s, u"two"_s, u"2"_s));
    QVERIFY(file.SetValue(u"a"_s, u"three"_s, u"3"_s));
    QVERIFY(file.SetValue(u"A"_s, u"ONE"_s, u"1b"_s));
    // A line break would smuggle in another key; a NUL would cut the value short.
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, u"a\rX=1"_s));
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, u"a\nb"_s));
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, QString(QChar(u'\0'))));
    QCOMPARE(file.ToBytes(), QByteArray("[A]\r\none=1b\r\nthree=3\r\n[B]\r\ntwo=2\r\n"));
}

void TestProfileFile::unpairedSurrogatesReadAsTheyWillBeWritten()
{
    // Keys apart only by unpaired surrogates; U+1F600 is a proper pair and stays.
    const QString text = u"[S]\nK"_s + QChar(0xD800) + u"=1\nK"_s + QChar(0xDC01) + u"=2\nE="_s
        + QChar(0xD83D) + QChar(0xDE00) + u"\n"_s;
    QByteArray le("\xFF\xFE");
    for (const QChar c : text)
        le += char(c.unicode() & 0xFF), le += char(c.unicode() >> 8);

    const CProfileFile file = CProfileFile::FromBytes(le);
    QCOMPARE(file.Value(u"S", u"K\ufffd"), u"1"_s);
    QCOMPARE(file.Value(u"S", u"E"), u"\U0001F600"_s);
    const QByteArray written = file.ToBytes();
    QCOMPARE(DecodeProfileBytes(written), u"[S]\r\nK\ufffd=1\r\nE=\U0001F600\r\n"_s);
    QCOMPARE(CProfileFile::FromBytes(written).ToBytes(), written);
}

void TestProfileFile::copyOutlivesAndIgnoresItsOriginal()
{
    // Values are views into the loaded text and into what SetValue kept: a copy must stay
    // readable once the original is gone, and changes to either must not show in the other.
    auto original = std::make_unique<CProfileFile>(CProfileFile::FromBytes("[S]\r\nK=loaded\r\n"));
    QVERIFY(original->SetValue(u"S"_s, u"N"_s, u"added"_s));
    CProfileFile copy = *original;
    QVERIFY(copy.SetValue(u"S"_s, u"K"_s, u"copy"_s));
    QVERIFY(original->SetValue(u"S"_s, u"N"_s, u"again"_s));
    QVERIFY(original->SetValue(u"S"_s, u"N"_s, u"third"_s));
    QCOMPARE(original->ToBytes(), QByteArray("[S]\r\nK=loaded\r\nN=third\r\n"));
    original.reset();
    QCOMPARE(copy.ValueView(u"S", u"N"), u"added");
    QCOMPARE(copy.ToBytes(), QByteArray("[S]\r\nK=copy\r\nN=added\r\n"));
}

void TestProfileFile::namesWhoseHashesAgree_data()
{
    QTest::addColumn<bool>("sameHash");
    QTest::newRow("with the real hash") << false;
    QTest::newRow("every name with the same hash") << true;
}

void TestProfileFile::namesWhoseHashesAgree()
{
    QFETCH(bool, sameHash);
    if (sameHash)
        SetProfileNameHashForTesting([](QStringView, size_t) { return size_t(7); });
    const auto restore = qScopeGuard([] { SetProfileNameHashForTesting(nullptr); });

    CProfileFile file = CProfileFile::FromBytes(
        "[A]\r\nk=1\r\nK2=2\r\n[b]\r\nk=3\r\nk=dropped\r\n[a]\r\nK=dropped\r\nk3=4\r\n");
    // Section and key names ignore case; the first of a repeated key wins.
    for (const auto &[section, key, value] :
        { std::array { u"a", u"K", u"1" }, std::array { u"A", u"k2", u"2" },
            std::array { u"B", u"K", u"3" }, std::array { u"a", u"k3", u"4" },
            std::array { u"b", u"k2", u"-" }, std::array { u"c", u"k", u"-" } })
        QCOMPARE(file.Value(section, key, u"-"_s), QString::fromUtf16(value));
    QVERIFY(file.SetValue(u"B"_s, u"K"_s, u"5"_s));
    QVERIFY(file.SetValue(u"b"_s, u"new"_s, u"6"_s));
    QVERIFY(file.SetValue(u"C"_s, u"k"_s, u"7"_s));
    QCOMPARE(file.ToBytes(),
        QByteArray("[A]\r\nk=1\r\nK2=2\r\nk3=4\r\n[b]\r\nk=5\r\nnew=6\r\n[C]\r\nk=7\r\n"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
