#include "DialogScript.h"
#include "MessageRecorder.h"
#include "ui/NetSetUtilDlg.h"

#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

// The list's entries, top first, each with the profile slot it names: "A@0,B@1".
QString Shown(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text() + u'@' + list->item(row)->data(Qt::UserRole).toString();
    return texts.join(u',');
}

} // namespace

// The wireless page with the real property dialog, run modally and played by a script.
class TestWirelessPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void entriesAndProfilesStayTogether()
    {
        SetCurrentLanguageSlot(0);
        CMessageRecorder windowBox, dialogBox;
        CNetSetUtilDlg window;
        CWifiSecurityLauncher launcher(&window, &dialogBox);
        window.SetMessageBox(&windowBox);
        window.SetPropertyDialog(&launcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ShowPage(1);
        auto *list = Find<QListWidget>(window, "wirelessList");
        const CSettingsDocument &document = window.Document();
        const auto nameThenOk = [](const QString &ssid) {
            return [ssid](CWifiSecurity &dialog) {
                Find<QLineEdit>(dialog, "ssid")->selectAll();
                QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), ssid);
                Press(dialog, "ok");
            };
        };
        for (const QString &ssid : { u"A"_s, u"B"_s, u"C"_s }) {
            CDialogScript added(nameThenOk(ssid));
            Press(window, "addButton");
            QVERIFY(added.m_ran && !added.m_leftOpen);
        }

        // A double-click opens the entry under the pointer, on that entry's profile.
        CDialogScript renamed(nameThenOk(u"B 5G"_s));
        list->setCurrentRow(0);
        const QRect rect = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(renamed.m_ran);
        QCOMPARE(Shown(list), u"A@0,B 5G@1,C@2"_s);
        QCOMPARE(document.m_wirelessSettings[1].m_ssid, u"B 5G"_s);

        // Cancel resets the dialog's working profile; the list and its profiles must survive it.
        const CNetworkSetting before = document.m_wirelessSettings[0];
        for (const char *command : { "addButton", "propertyButton" }) {
            list->setCurrentRow(0);
            CDialogScript cancelled([](CWifiSecurity &dialog) {
                QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), u"Gamma"_s);
                Press(dialog, "clear");
                Press(dialog, "cancel");
            });
            Press(window, command);
            QVERIFY2(cancelled.m_ran, command);
        }
        QCOMPARE(Shown(list), u"A@0,B 5G@1,C@2"_s);
        QCOMPARE(document.m_wirelessSettings[0], before);
        QCOMPARE(document.m_wirelessSettings[3], CNetworkSetting());

        // The list widget has already moved the row when the document hears of the drop; the entry
        // must land once, where it was dropped.
        QVERIFY(list->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
        QTRY_COMPARE(document.m_controls.m_wirelessList.at(2).m_text, u"A"_s);
        QCOMPARE(Shown(list), u"B 5G@1,C@2,A@0"_s);
        QCOMPARE(windowBox.m_messages.size() + dialogBox.m_messages.size(), 0);
    }
};

QTEST_MAIN(TestWirelessPage)
#include "tst_wirelesspage.moc"
