#include "i18n/MessageCatalog.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

static QString Digits(QStringView text)
{
    return text.toString().remove(QRegularExpression(u"[^0-9]"_s));
}

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No translation may show a blank box, a limit other than the English one or a '%' place
    // the English does not have; our own rows are filled in with QString::arg.
    void everySlotKeepsWhatTheEnglishStates()
    {
        QList<MessageId> ids;
        for (MessageId id = 0; id < MessageCount; ++id)
            ids.append(id);
        for (int index = 0; index < OwnMessageCount(); ++index)
            ids.append(OwnMessageAt(index));
        for (const MessageId id : ids) {
            const QString english = MessageTextInSlot(id, 0).toString();
            QCOMPARE(english.count(u"%s"), id == 31 || id == 156 ? 1 : 0);
            QCOMPARE(MessageTextInSlot(id, 1), english);
            for (LanguageSlot slot = 2; slot < LanguageSlotCount; ++slot) {
                const QString text = MessageTextInSlot(id, slot).toString();
                const QByteArray where = u"row %1 slot %2"_s.arg(id).arg(slot).toUtf8();
                QVERIFY2(!text.trimmed().isEmpty() && !text.contains(u'\0'), where.constData());
                QVERIFY2(IsOwnMessage(id) ? text != english || english.size() < 8
                                          : Digits(text) == Digits(english),
                    where.constData());
                for (const auto &place : { u"%"_s, u"%s"_s, u"%1"_s, u"%2"_s, u"%3"_s })
                    QVERIFY2(text.count(place) == english.count(place), where.constData());
            }
        }
    }

    void localeSelectsItsLanguage_data()
    {
        QTest::addColumn<quint32>("lcid");
        QTest::addColumn<unsigned>("slot");
        QTest::addColumn<QString>("windowTitle");
        const QString english = u"Network configuration"_s;
        QTest::newRow("Chinese (Taiwan)") << 0x0404u << 10u << u"\u7f51\u7edc\u914d\u7f6e"_s;
        QTest::newRow("Spanish (Puerto Rico), the last one")
            << 0x500Au << 14u << u"Configuraci\u00f3n de red"_s;
        QTest::newRow("a sort order in the upper bits stays English") << 0x10407u << 0u << english;
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
