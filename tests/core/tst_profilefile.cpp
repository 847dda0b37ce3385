#include "core/file/ProfileFile.h"

#include <QScopeGuard>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueOfKeyInSection_data()
    {
        // The value of K in section S, as the host's profile functions read it; where `written`,
        // the value alone is also written as exactly these bytes.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("written");
        const auto row = [](const char *r, const QByteArray &f, const QString &v, bool w = false) {
            QTest::newRow(r) << f << v << w;
        };
        // Blanks around a name are not part of it; lines end in LF, CR or both, some are blank.
        row("names trimmed, any line end", "\n\n [ S ] \r\n\r\n\r\rA=1\r K =v\n\n", u"v"_s);
        row("value cut to 1023 chars", "[S]\r\nK=" + QByteArray(1500, 'x'), QString(1023, u'x'));
        row("UTF-16 LE with BOM and an odd byte count",
            QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xAC\x20\xE9\0A", 19), u"\u20ac\u00e9"_s);
        row("UTF-8 without BOM", "[S]\nK=\xE2\x82\xAC\xC3\xA9", u"\u20ac\u00e9"_s);
        row("invalid UTF-8 is Windows-1252", "[S]\nK=\x80\xE9", u"\u20ac\u00e9"_s);
        row("Latin-1 as single bytes", "[S]\r\nK=caf\xe9 \xff\r\n", u"caf\u00e9 \u00ff"_s, true);
        row("beyond Latin-1: UTF-8, BOM", "\xEF\xBB\xBF[S]\r\nK=\xc4\x85\r\n", u"\u0105"_s, true);
        row("Latin-1 that would read as UTF-8 goes out as UTF-8",
            "\xEF\xBB\xBF[S]\r\nK=\xc3\x83\xc2\xa9\r\n", u"\u00c3\u00a9"_s, true);
        // A C1 control would read as Windows-1252.
        row("C1 control goes out as UTF-8", "\xEF\xBB\xBF[S]\r\nK=\xc2\x80\r\n", u"\u0080"_s, true);
    }
    void valueOfKeyInSection()
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

    void unpairedSurrogatesReadAsTheyWillBeWritten()
    {
        // UTF-16 LE: "[S]\nK" U+D800 "=1\nK" U+DC01 "=2\nE=" U+1F600 "\n"
        const CProfileFile file = CProfileFile::FromBytes(
            QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0\0\xD8=\0""1\0\n\0K\0\x01\xDC=\0""2\0\n\0"
                       "E\0=\0=\xD8\0\xDE\n\0", 40));
        QCOMPARE(file.Value(u"S", u"K\ufffd"), u"1"_s);
        const QByteArray written = file.ToBytes();
        QCOMPARE(DecodeProfileBytes(written), u"[S]\r\nK\ufffd=1\r\nE=\U0001F600\r\n"_s);
        QCOMPARE(CProfileFile::FromBytes(written).ToBytes(), written);
    }

    void copyOutlivesAndIgnoresItsOriginal()
    {
        // Values are views into the loaded text and into what SetValue kept.
        std::optional original = CProfileFile::FromBytes("[S]\r\nK=loaded\r\n");
        QVERIFY(original->SetValue(u"S"_s, u"N"_s, u"added"_s));
        CProfileFile copy = *original;
        QVERIFY(copy.SetValue(u"S"_s, u"K"_s, u"copy"_s));
        QVERIFY(original->SetValue(u"S"_s, u"N"_s, u"again"_s));
        QCOMPARE(original->ToBytes(), QByteArray("[S]\r\nK=loaded\r\nN=again\r\n"));
        original.reset();
        QCOMPARE(copy.ValueView(u"S", u"N"), u"added");
        QCOMPARE(copy.ToBytes(), QByteArray("[S]\r\nK=copy\r\nN=added\r\n"));
    }

    void namesWhoseHashesAgree()
    {
        const auto restore = qScopeGuard([] { SetProfileNameHashForTesting(nullptr); });
        for (const bool everyNameAlike : { false, true }) {
            if (everyNameAlike)
                SetProfileNameHashForTesting([](QStringView, size_t) { return size_t(7); });
            CProfileFile file = CProfileFile::FromBytes(
                "[A]\r\nk=1\r\nK2=2\r\n[b]\r\nk=3\r\nk=dropped\r\n[a]\r\nK=dropped\r\nk3=4\r\n");
            // Names ignore case; the first of a repeated key wins; new keys keep first-write order.
            for (const QString &probe : u"a K 1|A k2 2|B K 3|a k3 4|b k2 -|c k -"_s.split(u'|')) {
                const QStringList p = probe.split(u' ');
                QCOMPARE(file.Value(p[0], p[1], u"-"_s), p[2]);
            }
            QVERIFY(file.SetValue(u"B"_s, u"K"_s, u"5"_s) && file.SetValue(u"b"_s, u"new"_s, u"6"_s)
                && file.SetValue(u"C"_s, u"k"_s, u"7"_s));
            // A line break would smuggle in another key; a NUL would cut the value short.
            for (const QString &bad : { u"a\rX=1"_s, u"a\nb"_s, QString(QChar(u'\0')) })
                QVERIFY(!file.SetValue(u"C"_s, u"k"_s, bad));
            QCOMPARE(file.ToBytes(),
                QByteArray("[A]\r\nk=1\r\nK2=2\r\nk3=4\r\n[b]\r\nk=5\r\nnew=6\r\n[C]\r\nk=7\r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
