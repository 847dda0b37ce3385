#include "DialogScript.h"
#include "MessageRecorder.h"
#include "ui/ImportNetworksDlg.h"
#include "ui/KeyReveal.h"
#include "ui/WifiSecurity.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool Encode(const QString &text, const QString &path)
{
    QProcess qrencode;
    qrencode.start(u"qrencode"_s, { u"-8"_s, u"-s"_s, u"6"_s, u"-o"_s, path, text });
    return qrencode.waitForFinished(20000) && qrencode.exitStatus() == QProcess::NormalExit
        && qrencode.exitCode() == 0;
}

// The fields a network code fills, as one line.
QString Filled(const CWifiSecurity &dialog)
{
    return u"%1|%2|%3|%4|%5"_s.arg(Find<QLineEdit>(dialog, "ssid")->text(),
        QString::number(Find<QComboBox>(dialog, "security")->currentData().toInt()),
        Find<QLineEdit>(dialog, "networkKey")->text(),
        Find<QLineEdit>(dialog, "keyConfirm")->text(),
        Find<QCheckBox>(dialog, "stealthSsid")->isChecked() ? u"stealth"_s : u"visible"_s);
}

QString Text(MessageId id)
{
    return MessageText(id).toString();
}

// A profile the dialog opens on, so that a refused code visibly changes nothing.
CNetworkSetting Existing()
{
    CNetworkSetting profile;
    profile.m_ssid = u"Before"_s;
    profile.m_securityMode = SecurityModeWpa2PskTkip;
    profile.m_networkKey = u"before-key"_s;
    return profile;
}
const QString kExisting = u"Before|5|before-key|before-key|visible"_s;

} // namespace

class TestWifiQrFill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { SetCurrentLanguageSlot(0); }

    void newTextsFitInEverySlot_data()
    {
        QTest::addColumn<unsigned>("slot");
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot)
            QTest::addRow("slot %u", slot) << slot;
    }

    void newTextsFitInEverySlot()
    {
        QFETCH(unsigned, slot);
        SetCurrentLanguageSlot(slot);
        CWifiSecurity dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.width() <= 1024 && dialog.height() <= 720);
        auto *qr = Find<QPushButton>(dialog, "qrImport");
        QVERIFY2(qr->size() == qr->size().expandedTo(qr->sizeHint()), qPrintable(qr->text()));

        KnownWifiNetwork refused;
        refused.m_connectionName = u"Work"_s;
        refused.m_result.m_refusal = WifiImportRefusal::Enterprise;
        refused.m_result.m_profile.m_ssid = u"Corporate network 5 GHz"_s;
        CImportNetworksDlg list({ refused }, nullptr);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.width() <= 1024 && list.height() <= 720);
        for (QPushButton *button : list.findChildren<QPushButton *>())
            QVERIFY2(button->size() == button->size().expandedTo(button->sizeHint()),
                qPrintable(button->text()));
    }

    void keyIsHiddenUntilShownAndBothFollow()
    {
        for (int round = 0; round < 2; ++round) {
            CWifiSecurity dialog;
            dialog.SetProfile(Existing());
            auto *key = Find<QLineEdit>(dialog, "networkKey");
            auto *confirm = Find<QLineEdit>(dialog, "keyConfirm");
            // A new dialog never remembers that the key was shown.
            QCOMPARE(key->echoMode(), QLineEdit::Password);
            QCOMPARE(confirm->echoMode(), QLineEdit::Password);
            QAction *action = dialog.KeyReveal()->ActionOf(confirm);
            QVERIFY(action);
            QCOMPARE(action->toolTip(), Text(Msg::ShowNetworkKey));
            QVERIFY(!action->icon().isNull());
            action->trigger();
            QCOMPARE(key->echoMode(), QLineEdit::Normal);
            QCOMPARE(confirm->echoMode(), QLineEdit::Normal);
            QCOMPARE(dialog.KeyReveal()->ActionOf(key)->toolTip(), Text(Msg::HideNetworkKey));
            dialog.KeyReveal()->ActionOf(key)->trigger();
            QCOMPARE(key->echoMode(), QLineEdit::Password);
            QCOMPARE(confirm->echoMode(), QLineEdit::Password);
            action->trigger(); // left shown for the next round
        }
    }

    void showKeyIsReachableByKeyboard()
    {
        CWifiSecurity dialog;
        dialog.SetProfile(Existing());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *key = Find<QLineEdit>(dialog, "networkKey");
        key->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Tab);
        auto *button = qobject_cast<QToolButton *>(QApplication::focusWidget());
        QVERIFY2(button && button->parent() == key,
            qPrintable(QApplication::focusWidget()->objectName()));
        QCOMPARE(button->accessibleName(), Text(Msg::ShowNetworkKey));
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(key->echoMode(), QLineEdit::Normal);
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "keyConfirm"));
    }

    void fillsFromQrImage_data()
    {
        QTest::addColumn<QString>("code"); // empty: a blank image; "-": not an image
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("message");

        QTest::newRow("WPA sticker with a hidden SSID")
            << u"WIFI:T:WPA;S:Home;P:pa\\;ss\\\\word;H:true;;"_s
            << u"Home|4|pa;ss\\word|pa;ss\\word|stealth"_s << QString();
        QTest::newRow("WEP") << u"WIFI:S:Old;T:WEP;P:abcde;;"_s << u"Old|1|abcde|abcde|visible"_s
                             << QString();
        QTest::newRow("open network empties the key")
            << u"WIFI:S:Caf\u00e9;;"_s << u"Caf\u00e9|0|||visible"_s << QString();
        QTest::newRow("SAE is refused")
            << u"WIFI:T:SAE;S:New;P:12345678;;"_s << kExisting << Text(Msg::ImportWpa3Security);
        QTest::newRow("SSID of 33 characters is refused")
            << u"WIFI:S:"_s + QString(33, u'x') + u";;"_s << kExisting << Text(Msg::SsidLength);
        QTest::newRow("a web address is no Wi-Fi code")
            << u"https://example.org/"_s << kExisting << Text(Msg::QrNoWifiCode);
        QTest::newRow("damaged Wi-Fi code")
            << u"WIFI:T:WPA;P:12345678;;"_s << kExisting << Text(Msg::QrTextNotWifi);
        QTest::newRow("image without a code") << QString() << kExisting << Text(Msg::QrNoWifiCode);
        QTest::newRow("not an image") << u"-"_s << kExisting << Text(Msg::QrImageUnreadable);
    }

    void fillsFromQrImage()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"code.png"_s);
        if (code.isEmpty()) {
            QImage blank(200, 200, QImage::Format_RGB32);
            blank.fill(Qt::white);
            QVERIFY(blank.save(path));
        } else if (code == u"-") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not an image");
        } else {
            QVERIFY(Encode(code, path));
        }

        CMessageRecorder box;
        CWifiSecurity dialog;
        dialog.SetMessageBox(&box);
        dialog.SetProfile(Existing());
        int asked = 0;
        dialog.SetQrImageChooser([&] {
            ++asked;
            return path;
        });
        Press(dialog, "qrImport");
        QCOMPARE(asked, 1);
        QTEST(Filled(dialog), "filled");
        QCOMPARE(box.m_messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(box.m_messages.front().text, ComposedMessage(message));
    }

    void cancelledChoiceChangesNothing()
    {
        CMessageRecorder box;
        CWifiSecurity dialog;
        dialog.SetMessageBox(&box);
        dialog.SetProfile(Existing());
        dialog.SetQrImageChooser([] { return QString(); });
        Press(dialog, "qrImport");
        QCOMPARE(Filled(dialog), kExisting);
        QVERIFY(box.m_messages.isEmpty());
    }

    void pastedCodeFillsTheDialog_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("fieldText"); // what the field holds afterwards
        QTest::addColumn<int>("messages");

        QTest::newRow("code pasted into the SSID")
            << u"ssid"_s << u"WIFI:S:Home;T:WPA;P:12345678;;\n"_s
            << u"Home|4|12345678|12345678|visible"_s << u"Home"_s << 0;
        QTest::newRow("code pasted into the key fills the key, not the code")
            << u"networkKey"_s << u"WIFI:P:abcdefgh;S:Lab;T:WPA;;"_s
            << u"Lab|4|abcdefgh|abcdefgh|visible"_s << u"abcdefgh"_s << 0;
        QTest::newRow("plain text pastes as usual")
            << u"ssid"_s << u"Guest"_s << u"BeforeGuest|5|before-key|before-key|visible"_s
            << u"BeforeGuest"_s << 0;
        QTest::newRow("damaged code is refused, not pasted")
            << u"ssid"_s << u"WIFI:T:WPA;;"_s << kExisting << u"Before"_s << 1;
    }

    void pastedCodeFillsTheDialog()
    {
        QFETCH(QString, field);
        QFETCH(QString, clipboard);
        CMessageRecorder box;
        CWifiSecurity dialog;
        dialog.SetMessageBox(&box);
        dialog.SetProfile(Existing());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *edit = Find<QLineEdit>(dialog, field.toLatin1().constData());
        edit->setFocus();
        edit->end(false);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTEST(Filled(dialog), "filled");
        QTEST(edit->text(), "fieldText");
        QTEST(int(box.m_messages.size()), "messages");
    }

    void droppedImageFillsTheDialog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"dropped.png"_s);
        QVERIFY(Encode(u"WIFI:T:WPA;S:Dropped;P:87654321;;"_s, path));
        CWifiSecurity dialog;
        dialog.SetProfile(Existing());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&dialog, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&dialog, &drop);
        QCOMPARE(Filled(dialog), u"Dropped|4|87654321|87654321|visible"_s);
    }
};

QTEST_MAIN(TestWifiQrFill)
#include "tst_wifiqrfill.moc"
