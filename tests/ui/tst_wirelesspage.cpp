#include "DialogScript.h"
#include "MessageRecorder.h"
#include "ui/NetSetUtilDlg.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

// The wireless page with the real property dialog, run modally and played by a script.
class TestWirelessPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { FailOnWarnings(); }
    void entriesAndProfilesStayTogether()
    {
        CMessageRecorder box;
        CNetSetUtilDlg window;
        CWifiSecurityLauncher launcher(&window, &box);
        window.SetMessageBox(&box);
        window.SetPropertyDialog(&launcher);
        window.ShowPage(1);
        window.show();
        auto *list = Find<QListWidget>(window, "wirelessList");
        // The list's entries, top first, each with the profile slot it names: "A@0,B@1".
        const auto shown = [list] {
            QStringList texts;
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text() + u'@'
                        + list->item(row)->data(Qt::UserRole).toString();
            return texts.join(u',');
        };
        // Opens the dialog by `command`, or a double-click on the second entry, and plays it.
        const auto play = [&](const char *command, const QString &ssid, QList<const char *> keys) {
            CDialogScript script([&](CWifiSecurity &dialog) {
                QTest::keyClicks(Find<QLineEdit>(dialog, "ssid"), ssid);
                for (const char *key : keys)
                    Press(dialog, key);
            });
            if (command) {
                Press(window, command);
            } else {
                const QPoint second = list->visualItemRect(list->item(1)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
            }
        };
        for (const QString &ssid : { u"A"_s, u"B"_s, u"C"_s })
            play("addButton", ssid, { "ok" });
        play(nullptr, u" 5G"_s, { "ok" });

        // Cancel resets the dialog's working profile; the list and its profiles must survive it.
        play("addButton", u"Gamma"_s, { "clear", "cancel" });
        list->setCurrentRow(0);
        play("propertyButton", u"Gamma"_s, { "clear", "cancel" });
        QCOMPARE(shown(), u"A@0,B 5G@1,C@2"_s);
        QCOMPARE(window.Document().m_wirelessSettings[0].m_ssid, u"A"_s);
        QCOMPARE(window.Document().m_wirelessSettings[3], CNetworkSetting());

        // The list widget has already moved the row when the document hears of the drop; the entry
        // must land once, where it was dropped.
        QVERIFY(list->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
        QTRY_COMPARE(window.Document().m_controls.m_wirelessList.at(2).m_text, u"A"_s);
        QCOMPARE(shown(), u"B 5G@1,C@2,A@0"_s);
    }
};

QTEST_MAIN(TestWirelessPage)
#include "tst_wirelesspage.moc"
