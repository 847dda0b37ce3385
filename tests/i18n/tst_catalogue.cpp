#include "MessageCatalog.h"

#include <QTest>

namespace {

QString Digits(QStringView text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetCurrentLanguageSlot(0); }

    // A translation must not leave the user a blank box, a wrong limit or a stray format sign.
    void everySlotKeepsWhatTheEnglishStates()
    {
        QCOMPARE(Digits(MessageTextInSlot(Msg::MaximumWirelessSettings, 0)), QStringLiteral("30"));
        QCOMPARE(Digits(MessageTextInSlot(Msg::UserIdLength, 0)), QStringLiteral("132"));
        QCOMPARE(Digits(MessageTextInSlot(Msg::FolderPasswordLength, 0)), QStringLiteral("032"));
        QCOMPARE(Digits(MessageTextInSlot(Msg::DeviceNameLength, 0)), QStringLiteral("115"));
        QCOMPARE(Digits(MessageTextInSlot(Msg::SsidLength, 0)), QStringLiteral("132"));
        for (MessageId id = 0; id < MessageCount; ++id) {
            const int placeholders = id == 31 || id == 156 ? 1 : 0; // rows given one "%s"
            for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
                const QStringView text = MessageTextInSlot(id, slot);
                const QByteArray where = QByteArray("row ") + QByteArray::number(id) + " slot "
                    + QByteArray::number(slot);
                QVERIFY2(
                    !text.trimmed().isEmpty() && !text.contains(QChar(u'\0')), where.constData());
                QVERIFY2(Digits(text) == Digits(MessageTextInSlot(id, 0)), where.constData());
                QVERIFY2(text.count(u'%') == placeholders && text.count(u"%s") == placeholders,
                    where.constData());
            }
        }
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
            const QStringView userId = MessageTextInSlot(Msg::UserIdCharacters, slot);
            for (const QStringView range : { u"\"0-9\"", u"\"a-z\"", u"\"A-Z\"", u"\"-\"" }) {
                QVERIFY(MessageTextInSlot(Msg::DeviceNameCharacters, slot).contains(range));
                QVERIFY(userId.contains(range));
            }
            QVERIFY(userId.contains(u"\"_\""));
        }
    }

    void localeSelectsItsLanguage_data()
    {
        QTest::addColumn<quint32>("lcid");
        QTest::addColumn<unsigned>("slot");
        QTest::addColumn<QString>("windowTitle");
        const struct
        {
            const char *name;
            quint32 lcid;
            unsigned slot;
            const char *title;
        } rows[] = {
            { "English (United States)", 0x0409, 0, "Network configuration" },
            { "French (Canada)", 0x0C0C, 2, "Configuration r\u00e9seau" },
            { "German (Switzerland)", 0x0807, 3, "Netzwerkeinstellungen" },
            { "Swedish (Finland)", 0x081D, 4, "N\u00e4tverkskonfigurering" },
            { "Dutch (Belgium)", 0x0813, 5, "Netwerk instellingen" },
            { "Finnish", 0x040B, 6, "Verkon asetukset" },
            { "Norwegian Nynorsk", 0x0814, 7, "Nettverkskonfigurasjon" },
            { "Russian (Moldova)", 0x0819, 8,
                "\u041a\u043e\u043d\u0444\u0438\u0433\u0443\u0440\u0430\u0446\u0438\u044f "
                "\u0441\u0435\u0442\u0438" },
            { "Japanese", 0x0411, 9, "\u30cd\u30c3\u30c8\u30ef\u30fc\u30af\u8a2d\u5b9a" },
            { "Chinese (Taiwan)", 0x0404, 10, "\u7f51\u7edc\u914d\u7f6e" },
            { "Danish", 0x0406, 11, "Konfiguration af netv\u00e6rk" },
            { "Italian (Switzerland)", 0x0810, 12, "Configurazione rete" },
            { "Polish", 0x0415, 13, "Konfiguracja sieci" },
            { "Spanish (Puerto Rico), the last Spanish one", 0x500A, 14,
                "Configuraci\u00f3n de red" },
            { "Chinese (Macao) stays English", 0x1404, 0, "Network configuration" },
            { "a sort order in the upper bits stays English", 0x10407, 0, "Network configuration" },
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.lcid << row.slot << QString::fromUtf8(row.title);
    }
    void localeSelectsItsLanguage()
    {
        QFETCH(quint32, lcid);
        QFETCH(unsigned, slot);
        QFETCH(QString, windowTitle);
        QCOMPARE(LanguageSlotForLcid(lcid), slot);
        SelectLanguageSlot(lcid);
        QCOMPARE(CurrentLanguageSlot(), slot);
        QCOMPARE(MessageText(Msg::MainWindowTitle), windowTitle);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
