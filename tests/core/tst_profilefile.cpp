#include "ProfileFile.h"
#include "SettingsKeys.h"
#include "SettingsWriter.h"

#include <QTest>

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLikeTheHostProfileFunctions_data();
    void readsLikeTheHostProfileFunctions();
    void cutsLongValuesTo1023Characters();
    void keepsOrderOfFirstWrite();
    void refusesLineBreaksAndNul();
    void choosesTheByteForm_data();
    void choosesTheByteForm();
    void decodesEveryAcceptedByteForm_data();
    void decodesEveryAcceptedByteForm();
    void thirtyProfilesReadBackUnchanged();
};

void TestProfileFile::readsLikeTheHostProfileFunctions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString missing = QStringLiteral("<default>");
    QTest::newRow("section and key names ignore case")
        << QByteArray("[usernetworksetting]\r\nwired_dhcp=0\r\n") << QStringLiteral("UserNetworkSetting")
        << QStringLiteral("WIRED_DHCP") << QStringLiteral("0");
    QTest::newRow("first occurrence wins")
        << QByteArray("[S]\r\nK=first\r\nK=second\r\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral("first");
    QTest::newRow("first occurrence wins across repeated sections")
        << QByteArray("[S]\nK=first\n[T]\nK=other\n[s]\nK=second\n") << QStringLiteral("S")
        << QStringLiteral("K") << QStringLiteral("first");
    QTest::newRow("value is verbatim: blanks, quotes, = and ;")
        << QByteArray("[S]\r\nK= \"a=b;c\" \r\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral(" \"a=b;c\" ");
    QTest::newRow("comment line is no key")
        << QByteArray("[S]\r\n;K=commented\r\n") << QStringLiteral("S") << QStringLiteral("K") << missing;
    QTest::newRow("key outside any section is ignored")
        << QByteArray("K=1\r\n[S]\r\n") << QStringLiteral("S") << QStringLiteral("K") << missing;
    QTest::newRow("blanks around the key name are not part of it")
        << QByteArray("[S]\r\n  K =v\r\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral("v");
    QTest::newRow("empty value is a value")
        << QByteArray("[S]\r\nK=\r\n") << QStringLiteral("S") << QStringLiteral("K") << QString();
    QTest::newRow("missing key gives the default")
        << QByteArray("[S]\r\nOther=1\r\n") << QStringLiteral("S") << QStringLiteral("K") << missing;
    QTest::newRow("missing section gives the default")
        << QByteArray("[T]\r\nK=1\r\n") << QStringLiteral("S") << QStringLiteral("K") << missing;
    QTest::newRow("LF-only and CR-only line ends")
        << QByteArray("[S]\nA=1\rK=2\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral("2");
    QTest::newRow("blank lines of every kind")
        << QByteArray("\n\n[S]\r\n\r\n\r\rK=v\n\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral("v");
    QTest::newRow("line without = is ignored")
        << QByteArray("[S]\r\nK\r\nK=real\r\n") << QStringLiteral("S") << QStringLiteral("K")
        << QStringLiteral("real");
}

void TestProfileFile::readsLikeTheHostProfileFunctions()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const CProfileFile profile = CProfileFile::FromBytes(file);
    QCOMPARE(profile.Value(section, key, QStringLiteral("<default>")), expected);
}

void TestProfileFile::cutsLongValuesTo1023Characters()
{
    const QByteArray value(1500, 'x');
    const CProfileFile profile = CProfileFile::FromBytes("[S]\r\nK=" + value + "\r\nL="
                                                         + value.left(1023) + "\r\n");
    QCOMPARE(profile.Value(u"S", u"K").size(), 1023);
    QCOMPARE(profile.Value(u"S", u"L").size(), 1023);
}

void TestProfileFile::keepsOrderOfFirstWrite()
{
    CProfileFile file;
    QVERIFY(file.SetValue(QStringLiteral("A"), QStringLiteral("one"), QStringLiteral("1")));
    QVERIFY(file.SetValue(QStringLiteral("B"), QStringLiteral("two"), QStringLiteral("2")));
    QVERIFY(file.SetValue(QStringLiteral("a"), QStringLiteral("three"), QStringLiteral("3")));
    QVERIFY(file.SetValue(QStringLiteral("A"), QStringLiteral("ONE"), QStringLiteral("1b")));
    QCOMPARE(file.ToBytes(), QByteArray("[A]\r\none=1b\r\nthree=3\r\n[B]\r\ntwo=2\r\n"));
}

void TestProfileFile::refusesLineBreaksAndNul()
{
    CProfileFile file;
    QVERIFY(file.SetValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("kept")));
    QVERIFY(!file.SetValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\r\nX=1")));
    QVERIFY(!file.SetValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\nb")));
    QVERIFY(!file.SetValue(QStringLiteral("S"), QStringLiteral("K"), QString(QChar(u'\0'))));
    QCOMPARE(file.Value(u"S", u"K"), QStringLiteral("kept"));
}

void TestProfileFile::choosesTheByteForm_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII as it is") << QStringLiteral("abc") << QByteArray("[S]\r\nK=abc\r\n");
    QTest::newRow("Latin-1 letters as single bytes")
        << QString::fromUtf8("caf\u00e9 \u00ff") << QByteArray("[S]\r\nK=caf\xe9 \xff\r\n");
    QTest::newRow("beyond Latin-1 as UTF-8 with BOM")
        << QString::fromUtf8("\u0105") << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc4\x85\r\n");
    QTest::newRow("Latin-1 that would read as UTF-8 goes out as UTF-8")
        << QString::fromUtf8("\u00c3\u00a9") << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc3\x83\xc2\xa9\r\n");
    QTest::newRow("C1 control would read as Windows-1252: UTF-8")
        << QString(QChar(0x80)) << QByteArray("\xEF\xBB\xBF[S]\r\nK=\xc2\x80\r\n");
}

void TestProfileFile::choosesTheByteForm()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    CProfileFile file;
    QVERIFY(file.SetValue(QStringLiteral("S"), QStringLiteral("K"), value));
    QCOMPARE(file.ToBytes(), bytes);
    QCOMPARE(CProfileFile::FromBytes(bytes).Value(u"S", u"K"), value);
}

void TestProfileFile::decodesEveryAcceptedByteForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QString euroE = QString::fromUtf8("\u20ac\u00e9");
    QTest::newRow("UTF-16 LE with BOM") << QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xAC\x20\xE9\0", 18)
                                        << euroE;
    QTest::newRow("UTF-16 BE with BOM") << QByteArray("\xFE\xFF\0[\0S\0]\0\n\0K\0=\x20\xAC\0\xE9", 18)
                                        << euroE;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[S]\nK=\xE2\x82\xAC\xC3\xA9") << euroE;
    QTest::newRow("UTF-8 without BOM") << QByteArray("[S]\nK=\xE2\x82\xAC\xC3\xA9") << euroE;
    QTest::newRow("invalid UTF-8 is Windows-1252") << QByteArray("[S]\nK=\x80\xE9") << euroE;
}

void TestProfileFile::decodesEveryAcceptedByteForm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(CProfileFile::FromBytes(bytes).Value(u"S", u"K"), expected);
}

void TestProfileFile::thirtyProfilesReadBackUnchanged()
{
    CSettingsDocument document;
    QString latin1High;
    for (char16_t c = 160; c <= 255; ++c)
        latin1High += QChar(c);
    const QStringList hostile = { QStringLiteral("  leading and trailing  "),
                                  QStringLiteral("\"quoted\""),
                                  QStringLiteral("a=b=c"),
                                  QStringLiteral(";not a comment"),
                                  QStringLiteral("[not a section]"),
                                  latin1High };
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(i)];
        p.m_ssid = hostile[i % hostile.size()] + QString::number(i);
        p.m_proxyAddress = hostile[(i + 1) % hostile.size()];
        p.m_proxyPort = hostile[(i + 2) % hostile.size()];
        p.m_securityMode = i % 6;
        p.m_dhcp = i % 2;
        p.m_ipAddress = IpAddressField::Complete(10, 0, 0, std::uint8_t(i));
        document.m_controls.m_wirelessList.append({ p.m_ssid, i });
    }
    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const CProfileFile read = CProfileFile::FromBytes(file.ToBytes());
    const QStringView s = Section::UserNetworkSetting;
    for (int i = 0; i < MaxWirelessProfiles; ++i) {
        const CNetworkSetting &p = document.m_wirelessSettings[size_t(i)];
        QCOMPARE(read.Value(s, ProfileKeyName(i, FieldSsid)), p.m_ssid);
        QCOMPARE(read.Value(s, ProfileKeyName(i, FieldProxyAddress)), p.m_proxyAddress);
        QCOMPARE(read.Value(s, ProfileKeyName(i, FieldProxyPort)), p.m_proxyPort);
        QCOMPARE(read.Value(s, ProfileKeyName(i, FieldSecurityMode)), QString::number(i % 6));
        QCOMPARE(read.Value(s, ProfileKeyName(i, FieldIpAddress)),
                 QStringLiteral("10.0.0.") + QString::number(i));
    }
    QCOMPARE(read.Value(Section::Common, Key::WirelessTotal), QStringLiteral("30"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
