#include "ProfileFile.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLikeTheHostProfileFunctions_data();
    void readsLikeTheHostProfileFunctions();
    void keepsOrderOfFirstWriteAndRefusesLineBreaks();
    void choosesTheByteForm_data();
    void choosesTheByteForm();
    void decodesEveryAcceptedByteForm_data();
    void decodesEveryAcceptedByteForm();
    void unpairedSurrogatesReadAsTheyWillBeWritten();
};

void TestProfileFile::readsLikeTheHostProfileFunctions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // value of K in section S

    const QString missing = u"<default>"_s;
    QTest::newRow("section and key names ignore case") << QByteArray("[s]\r\nk=0\r\n") << u"0"_s;
    QTest::newRow("first occurrence wins across repeated sections")
        << QByteArray("[S]\nK=first\nK=again\n[T]\nK=other\n[s]\nK=second\n") << u"first"_s;
    QTest::newRow("value is verbatim: blanks, quotes, = and ;")
        << QByteArray("[S]\r\nK= \"a=b;c\" \r\n") << u" \"a=b;c\" "_s;
    QTest::newRow("comment line is no key") << QByteArray("[S]\r\n;K=commented\r\n") << missing;
    QTest::newRow("key outside any section is ignored") << QByteArray("K=1\r\n[S]\r\n") << missing;
    QTest::newRow("blanks around key and section names are not part of them")
        << QByteArray("  [ S ]  \r\n  K =v\r\n") << u"v"_s;
    QTest::newRow("unclosed section header still opens the section")
        << QByteArray("[S\nK=open\n") << u"open"_s;
    QTest::newRow("empty value is a value") << QByteArray("[S]\r\nK=\r\n") << QString();
    QTest::newRow("key of another section is not found") << QByteArray("[T]\r\nK=1\r\n") << missing;
    QTest::newRow("LF, CR and blank lines of every kind")
        << QByteArray("\n\n[S]\r\n\r\n\r\rA=1\rK=2\n\n") << u"2"_s;
    QTest::newRow("line without = is ignored") << QByteArray("[S]\r\nK\r\nK=real\r\n") << u"real"_s;
    QTest::newRow("value is cut to 1023 characters") << "[S]\r\nK=" + QByteArray(1500, 'x') + "\r\n"
                                                     << QString(1023, u'x');
}

void TestProfileFile::readsLikeTheHostProfileFunctions()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(CProfileFile::FromBytes(file).Value(u"S", u"K", u"<default>"_s), expected);
}

void TestProfileFile::keepsOrderOfFirstWriteAndRefusesLineBreaks()
{
    CProfileFile file;
    QVERIFY(file.SetValue(u"A"_s, u"one"_s, u"1"_s));
    QVERIFY(file.SetValue(u"B"_s, u"two"_s, u"2"_s));
    QVERIFY(file.SetValue(u"a"_s, u"three"_s, u"3"_s));
    QVERIFY(file.SetValue(u"A"_s, u"ONE"_s, u"1b"_s));
    // A line break would smuggle in another key; a NUL would cut the value short.
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, u"a\r\nX=1"_s));
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, u"a\nb"_s));
    QVERIFY(!file.SetValue(u"B"_s, u"two"_s, QString(QChar(u'\0'))));
    QCOMPARE(file.ToBytes(), QByteArray("[A]\r\none=1b\r\nthree=3\r\n[B]\r\ntwo=2\r\n"));
}

void TestProfileFile::choosesTheByteForm_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII as it is") << u"abc"_s << QByteArray("[S]\r\nK=abc\r\n");
    QTest::newRow("Latin-1 letters as single bytes")
        << u"caf\u00e9 \u00ff"_s << QByteArray("[S]\r\nK=caf\xe9 \xff\r\n");
    QTest::newRow("beyond Latin-1 as UTF-8 with BOM")
        << u"\u0105"_s << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc4\x85\r\n");
    QTest::newRow("Latin-1 that would read as UTF-8 goes out as UTF-8")
        << u"\u00c3\u00a9"_s << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc3\x83\xc2\xa9\r\n");
    QTest::newRow("C1 control would read as Windows-1252: UTF-8")
        << QString(QChar(0x80)) << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc2\x80\r\n");
}

void TestProfileFile::choosesTheByteForm()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    CProfileFile file;
    QVERIFY(file.SetValue(u"S"_s, u"K"_s, value));
    QCOMPARE(file.ToBytes(), bytes);
    QCOMPARE(CProfileFile::FromBytes(bytes).Value(u"S", u"K"), value);
}

void TestProfileFile::decodesEveryAcceptedByteForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray le("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xAC\x20\xE9\0", 18);
    QTest::newRow("UTF-16 LE with BOM") << le;
    QTest::newRow("UTF-16 LE with an odd byte count") << le + "A";
    QTest::newRow("UTF-16 BE with BOM")
        << QByteArray("\xFE\xFF\0[\0S\0]\0\n\0K\0=\x20\xAC\0\xE9", 18);
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[S]\nK=\xE2\x82\xAC\xC3\xA9");
    QTest::newRow("UTF-8 without BOM") << QByteArray("[S]\nK=\xE2\x82\xAC\xC3\xA9");
    QTest::newRow("invalid UTF-8 is Windows-1252") << QByteArray("[S]\nK=\x80\xE9");
}

void TestProfileFile::decodesEveryAcceptedByteForm()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(CProfileFile::FromBytes(bytes).Value(u"S", u"K"), u"\u20ac\u00e9"_s);
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

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
