#include "DialogScript.h"
#include "MessageRecorder.h"
#include "platform/QrImageDecoder.h"
#include "ui/KeyReveal.h"

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

// The dialog opens on this profile, so that a refused code visibly changes nothing.
void OpenOnExisting(CWifiSecurity &dialog, CMessageRecorder *box = nullptr)
{
    CNetworkSetting profile;
    profile.m_ssid = u"Before"_s;
    profile.m_securityMode = SecurityModeWpa2PskTkip;
    profile.m_networkKey = u"before-key"_s;
    dialog.SetMessageBox(box);
    dialog.SetProfile(profile);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}
const QString kExisting = u"Before|5|before-key|before-key|visible"_s;

// A QR code image of `code` made by qrencode; empty: an image without one; "-": not an image.
bool MakeImage(const QString &code, const QString &path)
{
    if (code == u"-") {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("not an image") > 0;
    }
    if (code.isEmpty()) {
        QImage blank(200, 200, QImage::Format_RGB32);
        blank.fill(Qt::white);
        return blank.save(path);
    }
    QProcess qrencode;
    qrencode.start(u"qrencode"_s, { u"-8"_s, u"-s"_s, u"6"_s, u"-o"_s, path, code });
    return qrencode.waitForFinished(20000) && qrencode.exitCode() == 0;
}

} // namespace

class TestWifiQrFill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        SetCurrentLanguageSlot(0);
        SetQrCodeModule(QStringLiteral(MERIDOCK_QR_MODULE));
    }

    // Hidden by default, in both fields at once, by mouse or keyboard; a new dialog never
    // remembers that the key was shown.
    void keyIsHiddenUntilShownAndBothFollow()
    {
        for (int round = 0; round < 2; ++round) {
            CWifiSecurity dialog;
            OpenOnExisting(dialog);
            auto *key = Find<QLineEdit>(dialog, "networkKey");
            auto *confirm = Find<QLineEdit>(dialog, "keyConfirm");
            const auto both = [&](QLineEdit::EchoMode mode) {
                return key->echoMode() == mode && confirm->echoMode() == mode;
            };
            QVERIFY(both(QLineEdit::Password));
            key->setFocus();
            QTest::keyClick(&dialog, Qt::Key_Tab);
            auto *button = qobject_cast<QToolButton *>(QApplication::focusWidget());
            QVERIFY(button && button->parent() == key);
            QCOMPARE(button->accessibleName(), Text(Msg::ShowNetworkKey));
            QVERIFY(!dialog.KeyReveal()->ActionOf(key)->icon().isNull());
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY(both(QLineEdit::Normal));
            QTest::keyClick(&dialog, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), confirm);
            QAction *hide = dialog.KeyReveal()->ActionOf(confirm);
            QCOMPARE(hide->toolTip(), Text(Msg::HideNetworkKey));
            hide->trigger();
            QVERIFY(both(QLineEdit::Password));
            hide->trigger(); // left shown for the next round
        }
    }

    // A network code from a QR image chosen, an image dropped, or text pasted into a field.
    void fillsFromCode_data()
    {
        QTest::addColumn<QString>("code"); // see MakeImage
        QTest::addColumn<QString>("how"); // "button", "drop", "cancel", "paste into <field>"
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("message");

        QTest::newRow("WPA sticker with a hidden SSID")
            << u"WIFI:T:WPA;S:Home;P:pa\\;ss\\\\word;H:true;;"_s << u"button"_s
            << u"Home|4|pa;ss\\word|pa;ss\\word|stealth"_s << QString();
        QTest::newRow("open network empties the key")
            << u"WIFI:S:Caf\u00e9;;"_s << u"button"_s << u"Caf\u00e9|0|||visible"_s << QString();
        QTest::newRow("image dropped on the dialog")
            << u"WIFI:T:WPA;S:Dropped;P:87654321;;"_s << u"drop"_s
            << u"Dropped|4|87654321|87654321|visible"_s << QString();
        QTest::newRow("choice cancelled")
            << u"WIFI:S:Home;;"_s << u"cancel"_s << kExisting << QString();
        QTest::newRow("SAE is refused") << u"WIFI:T:SAE;S:New;P:12345678;;"_s << u"button"_s
                                        << kExisting << Text(Msg::ImportWpa3Security);
        QTest::newRow("a web address is no Wi-Fi code")
            << u"https://example.org/"_s << u"button"_s << kExisting << Text(Msg::QrNoWifiCode);
        QTest::newRow("damaged Wi-Fi code")
            << u"WIFI:T:WPA;P:12345678;;"_s << u"button"_s << kExisting << Text(Msg::QrTextNotWifi);
        QTest::newRow("image without a code")
            << QString() << u"button"_s << kExisting << Text(Msg::QrNoWifiCode);
        QTest::newRow("not an image")
            << u"-"_s << u"button"_s << kExisting << Text(Msg::QrImageUnreadable);
        QTest::newRow("reader module not installed") << u"WIFI:S:Home;;"_s
            << u"button without the reader"_s << kExisting << Text(Msg::QrReaderMissing);
        QTest::newRow("code pasted into the SSID")
            << u"WIFI:S:Home;T:WPA;P:12345678;;\n"_s << u"paste into ssid"_s
            << u"Home|4|12345678|12345678|visible"_s << QString();
        QTest::newRow("code pasted into the key fills the key, not the code")
            << u"WIFI:P:abcdefgh;S:Lab;T:WPA;;"_s << u"paste into networkKey"_s
            << u"Lab|4|abcdefgh|abcdefgh|visible"_s << QString();
        QTest::newRow("plain text pastes as usual")
            << u"Guest"_s << u"paste into ssid"_s
            << u"BeforeGuest|5|before-key|before-key|visible"_s << QString();
        QTest::newRow("damaged code is refused, not pasted")
            << u"WIFI:T:WPA;;"_s << u"paste into ssid"_s << kExisting << Text(Msg::QrTextNotWifi);
    }

    void fillsFromCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, how);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"code.png"_s);
        if (!how.startsWith(u"paste"))
            QVERIFY(MakeImage(code, path));

        CMessageRecorder box;
        CWifiSecurity dialog;
        OpenOnExisting(dialog, &box);
        int asked = 0;
        dialog.SetQrImageChooser([&] {
            ++asked;
            return how == u"cancel" ? QString() : path;
        });
        if (how.startsWith(u"paste into ")) {
            auto *edit = Find<QLineEdit>(dialog, how.mid(11).toLatin1().constData());
            edit->setFocus();
            edit->end(false);
            QGuiApplication::clipboard()->setText(code);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"drop") {
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&dialog, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&dialog, &drop);
        } else {
            if (how == u"button without the reader")
                SetQrCodeModule(dir.filePath(u"absent.so"_s));
            Press(dialog, "qrImport");
            QCOMPARE(asked, 1);
        }
        QTEST(Filled(dialog), "filled");
        QCOMPARE(box.m_messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(box.m_messages.front().text, ComposedMessage(message));
    }
};

QTEST_MAIN(TestWifiQrFill)
#include "tst_wifiqrfill.moc"
