#include "DialogScript.h"
#include "ui/IpAddressEdit.h"
#include "MessageRecorder.h"
#include "platform/QrImageDecoder.h"
#include "ui/KeyReveal.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The dialog opens on this profile, so that a refused code visibly changes nothing.
const QString Existing = u"Before|5|before-key|before-key"_s;

class TestWifiQrFill : public QObject
{
    Q_OBJECT

    CMessageRecorder m_box;
    std::unique_ptr<CWifiSecurity> m_dialog;
    QLineEdit *Edit(const char *name) const { return Find<QLineEdit>(*m_dialog, name); }

private Q_SLOTS:
    void init()
    {
        FailOnWarnings();
        SetCurrentLanguageSlot(0);
        SetQrCodeModule(QStringLiteral(MERIDOCK_QR_MODULE));
        CNetworkSetting profile;
        profile.m_ssid = u"Before"_s;
        profile.m_securityMode = SecurityModeWpa2PskTkip;
        profile.m_networkKey = u"before-key"_s;
        m_box = CMessageRecorder();
        m_dialog = std::make_unique<CWifiSecurity>();
        m_dialog->SetMessageBox(&m_box);
        m_dialog->SetProfile(profile);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    // Hidden at first, shown and hidden in both fields at once by keyboard or mouse.
    void keyIsHiddenUntilShownAndBothFollow()
    {
        QCOMPARE(Edit("keyConfirm")->echoMode(), QLineEdit::Password);
        Edit("networkKey")->setFocus();
        QTest::keyClick(m_dialog.get(), Qt::Key_Tab);
        auto *button = qobject_cast<QToolButton *>(QApplication::focusWidget());
        QVERIFY(button && button->parent() == Edit("networkKey"));
        QCOMPARE(button->accessibleName(), Text(Msg::ShowNetworkKey));
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(Edit("keyConfirm")->echoMode(), QLineEdit::Normal);
        QAction *hide = m_dialog->KeyReveal()->ActionOf(Edit("keyConfirm"));
        QCOMPARE(hide->toolTip(), Text(Msg::HideNetworkKey));
        hide->trigger();
        QCOMPARE(Edit("networkKey")->echoMode(), QLineEdit::Password);
    }

    // A network code from a QR image chosen, an image dropped, or text pasted into a field.
    void fillsFromCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("how"); // "button", "drop", "paste into <field>"
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QString>("message");
        QTest::newRow("WPA code from the chosen image")
            << u"WIFI:T:WPA;S:Home;P:pa\\;ss\\\\word;;"_s << u"button"_s
            << u"Home|4|pa;ss\\word|pa;ss\\word"_s << QString();
        QTest::newRow("image dropped on the dialog")
            << u"WIFI:T:WPA;S:Dropped;P:87654321;;"_s << u"drop"_s
            << u"Dropped|4|87654321|87654321"_s << QString();
        QTest::newRow("no image to read")
            << u"-"_s << u"button"_s << Existing << Text(Msg::QrImageUnreadable);
        QTest::newRow("reader module not installed")
            << u"WIFI:S:Home;;"_s << u"button without the reader"_s << Existing
            << Text(Msg::QrReaderMissing);
        QTest::newRow("code pasted into the key fills the key, not the code")
            << u"WIFI:P:abcdefgh;S:Lab;T:WPA;;"_s << u"paste into networkKey"_s
            << u"Lab|4|abcdefgh|abcdefgh"_s << QString();
        QTest::newRow("code pasted into an address octet fills the dialog")
            << u"WIFI:T:WPA;S:Octet;P:12345678;;"_s << u"paste into ipAddress"_s
            << u"Octet|4|12345678|12345678"_s << QString();
        QTest::newRow("plain text pastes as usual")
            << u"Guest"_s << u"paste into ssid"_s << u"BeforeGuest|5|before-key|before-key"_s
            << QString();
        QTest::newRow("damaged code is refused, not pasted")
            << u"WIFI:T:WPA;;"_s << u"paste into ssid"_s << Existing << Text(Msg::QrTextNotWifi);
    }
    void fillsFromCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, how);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"code.png"_s);
        if (!how.startsWith(u"paste") && code != u"-") // "-": no image there to read
            QCOMPARE(
                QProcess::execute(u"qrencode"_s, { u"-8"_s, u"-s"_s, u"6"_s, u"-o"_s, path, code }),
                0);
        m_dialog->SetQrImageChooser([&] { return path; });
        if (how.startsWith(u"paste into ")) {
            const QByteArray name = how.mid(11).toLatin1();
            // An address's first octet, as the dialog made it.
            auto *address = m_dialog->findChild<CIpAddressEdit *>(QLatin1String(name));
            QLineEdit *edit = address ? address->findChild<QLineEdit *>() : Edit(name.constData());
            QVERIFY(edit);
            edit->setFocus();
            edit->end(false);
            QGuiApplication::clipboard()->setText(code);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"drop") {
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(m_dialog.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(m_dialog.get(), &drop);
        } else {
            if (how == u"button without the reader")
                SetQrCodeModule(dir.filePath(u"absent.so"_s));
            Press(*m_dialog, "qrImport");
        }
        QTEST(u"%1|%2|%3|%4"_s.arg(Edit("ssid")->text(),
                  QString::number(Find<QComboBox>(*m_dialog, "security")->currentData().toInt()),
                  Edit("networkKey")->text(), Edit("keyConfirm")->text()),
            "filled");
        QCOMPARE(m_box.m_messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(m_box.m_messages.front().text, ComposedMessage(message));
    }
};

QTEST_MAIN(TestWifiQrFill)
#include "tst_wifiqrfill.moc"
