#include "MessageCatalog.h"

#include <QRegularExpression>
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

constexpr LanguageSlot Norwegian = 7;

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntryIsPresent();
    void secondEnglishSlotEqualsTheFirst();
    void securityModeNamesAreTheSameEverywhere();
    void windowTitleInEverySlot_data();
    void windowTitleInEverySlot();
    void translationsStateTheSameNumbers();
    void quotedCharacterRangesSurvive();
    void onlyTheTwoPlaceholderRowsHoldAPercentSign();
    void localSecurityTitlesDifferOnlyInNorwegian();
    void lookupFollowsTheCurrentSlot();
    void slotForLcid_data();
    void slotForLcid();
};

void TestCatalogue::everyEntryIsPresent()
{
    for (MessageId id = 0; id < MessageCount; ++id) {
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
            const QStringView text = MessageTextInSlot(id, slot);
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QStringLiteral("row %1 slot %2").arg(id).arg(slot)));
            QVERIFY(!text.contains(QChar(u'\0')));
        }
    }
}

void TestCatalogue::secondEnglishSlotEqualsTheFirst()
{
    for (MessageId id = 0; id < MessageCount; ++id)
        QCOMPARE(MessageTextInSlot(id, 1), MessageTextInSlot(id, 0));
}

void TestCatalogue::securityModeNamesAreTheSameEverywhere()
{
    const QStringList names = { QStringLiteral("WEP"), QStringLiteral("WPA PSK TKIP"),
                                QStringLiteral("WPA PSK AES"), QStringLiteral("WPA2 PSK AES"),
                                QStringLiteral("WPA2 PSK TKIP") };
    for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
        for (MessageId id = 130; id <= 134; ++id)
            QCOMPARE(MessageTextInSlot(id, slot).toString(), names[int(id - 130)]);
    }
}

void TestCatalogue::windowTitleInEverySlot_data()
{
    QTest::addColumn<unsigned>("slot");
    QTest::addColumn<QString>("title");
    const char *titles[] = { "Network configuration", "Network configuration",
                             "Configuration r\u00e9seau", "Netzwerkeinstellungen",
                             "N\u00e4tverkskonfigurering", "Netwerk instellingen",
                             "Verkon asetukset", "Nettverkskonfigurasjon",
                             "\u041a\u043e\u043d\u0444\u0438\u0433\u0443\u0440\u0430\u0446\u0438\u044f \u0441\u0435\u0442\u0438",
                             "\u30cd\u30c3\u30c8\u30ef\u30fc\u30af\u8a2d\u5b9a",
                             "\u7f51\u7edc\u914d\u7f6e", "Konfiguration af netv\u00e6rk",
                             "Configurazione rete", "Konfiguracja sieci",
                             "Configuraci\u00f3n de red" };
    for (unsigned slot = 0; slot < LanguageSlotCount; ++slot)
        QTest::addRow("slot %u", slot) << slot << QString::fromUtf8(titles[slot]);
}

void TestCatalogue::windowTitleInEverySlot()
{
    QFETCH(unsigned, slot);
    QFETCH(QString, title);
    QCOMPARE(MessageTextInSlot(Msg::MainWindowTitle, slot).toString(), title);
}

void TestCatalogue::translationsStateTheSameNumbers()
{
    // Limits such as "1 to 32" or "30" must survive translation, in ASCII digits, in order.
    for (MessageId id = 0; id < MessageCount; ++id) {
        const QString english = Digits(MessageTextInSlot(id, 0));
        for (LanguageSlot slot = 2; slot < LanguageSlotCount; ++slot)
            QVERIFY2(Digits(MessageTextInSlot(id, slot)) == english,
                     qPrintable(QStringLiteral("row %1 slot %2").arg(id).arg(slot)));
    }
    QCOMPARE(Digits(MessageTextInSlot(Msg::MaximumWirelessSettings, 0)), QStringLiteral("30"));
    QCOMPARE(Digits(MessageTextInSlot(Msg::UserIdLength, 0)), QStringLiteral("132"));
    QCOMPARE(Digits(MessageTextInSlot(Msg::FolderPasswordLength, 0)), QStringLiteral("032"));
    QCOMPARE(Digits(MessageTextInSlot(Msg::DeviceNameLength, 0)), QStringLiteral("115"));
    QCOMPARE(Digits(MessageTextInSlot(Msg::SsidLength, 0)), QStringLiteral("132"));
}

void TestCatalogue::quotedCharacterRangesSurvive()
{
    for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
        for (const QString &range : { QStringLiteral("\"0-9\""), QStringLiteral("\"a-z\""),
                                      QStringLiteral("\"A-Z\""), QStringLiteral("\"-\"") }) {
            QVERIFY(MessageTextInSlot(Msg::DeviceNameCharacters, slot).contains(range));
            QVERIFY(MessageTextInSlot(Msg::UserIdCharacters, slot).contains(range));
        }
        QVERIFY(MessageTextInSlot(Msg::UserIdCharacters, slot).contains(u"\"_\""));
    }
}

void TestCatalogue::onlyTheTwoPlaceholderRowsHoldAPercentSign()
{
    for (MessageId id = 0; id < MessageCount; ++id) {
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
            const QStringView text = MessageTextInSlot(id, slot);
            const bool placeholder = id == 31 || id == 156;
            QCOMPARE(text.count(u'%'), placeholder ? 1 : 0);
            QCOMPARE(text.count(u"%s"), placeholder ? 1 : 0);
        }
    }
}

void TestCatalogue::localSecurityTitlesDifferOnlyInNorwegian()
{
    for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
        const bool equal = MessageTextInSlot(Msg::LocalSecuritySettingTitle, slot)
            == MessageTextInSlot(Msg::LocalSecuritySettingTitle2, slot);
        QCOMPARE(equal, slot != Norwegian);
    }
}

void TestCatalogue::lookupFollowsTheCurrentSlot()
{
    QCOMPARE(CurrentLanguageSlot(), 0u);
    SelectLanguageSlot(0x0407);
    QCOMPARE(CurrentLanguageSlot(), 3u);
    QCOMPARE(MessageText(Msg::MainWindowTitle), u"Netzwerkeinstellungen");
    QCOMPARE(MessageText(Msg::SecurityWep), u"WEP");
    SelectLanguageSlot(0x0409);
    QCOMPARE(MessageText(Msg::MainWindowTitle), u"Network configuration");
}

void TestCatalogue::slotForLcid_data()
{
    QTest::addColumn<quint32>("lcid");
    QTest::addColumn<unsigned>("slot");
    const struct
    {
        unsigned slot;
        std::initializer_list<quint32> lcids;
    } table[] = {
        { 2, { 0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C } },
        { 3, { 0x0407, 0x0807, 0x0C07, 0x1007, 0x1407 } },
        { 4, { 0x041D, 0x081D } },
        { 5, { 0x0413, 0x0813 } },
        { 6, { 0x040B } },
        { 7, { 0x0414, 0x0814 } },
        { 8, { 0x0419, 0x0819 } },
        { 9, { 0x0411 } },
        { 10, { 0x0404, 0x0804, 0x0C04, 0x1004 } },
        { 11, { 0x0406 } },
        { 12, { 0x0410, 0x0810 } },
        { 13, { 0x0415 } },
        { 14, { 0x040A, 0x080A, 0x0C0A, 0x100A, 0x140A, 0x180A, 0x1C0A, 0x200A, 0x240A, 0x280A,
                0x2C0A, 0x300A, 0x340A, 0x380A, 0x3C0A, 0x400A, 0x440A, 0x480A, 0x4C0A, 0x500A } },
    };
    int listed = 0;
    for (const auto &row : table) {
        for (quint32 lcid : row.lcids) {
            QTest::addRow("0x%04X selects slot %u", lcid, row.slot) << lcid << row.slot;
            ++listed;
        }
    }
    QCOMPARE(listed, 48);
    for (quint32 lcid : { 0x0409u, 0x0809u, 0x0C09u, 0x10407u, 0x0416u, 0x0816u, 0x180Cu,
                          0x1404u, 0x540Au, 0x0000u, 0xFFFFFFFFu, 0x20C0Au })
        QTest::addRow("0x%04X stays English", lcid) << lcid << 0u;
}

void TestCatalogue::slotForLcid()
{
    QFETCH(quint32, lcid);
    QFETCH(unsigned, slot);
    QCOMPARE(LanguageSlotForLcid(lcid), slot);
    QVERIFY(LanguageSlotForLcid(lcid) != 1);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
