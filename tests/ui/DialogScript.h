#pragma once

#include "i18n/MessageCatalog.h"
#include "ui/CatalogText.h"
#include "ui/IpAddressEdit.h"
#include "ui/WifiSecurity.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

// Called from each test's init(): any warning fails the test. The offscreen platform has no window
// manager to pass size hints to or raise a window with, and says so on every show; that alone goes.
inline void FailOnWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.startsWith(u"This plugin does not support "))
                previous(type, context, message);
        });
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

// Plays a user at a dialog: once it runs modally, `script` types into it and presses a button.
// A dialog the script left open is cancelled so that no test can hang.
template<typename Dialog> class CModalScript
{
public:
    explicit CModalScript(std::function<void(Dialog &)> script)
        : m_script(std::move(script))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    bool m_ran = false;
    bool m_leftOpen = false;

private:
    void Poll()
    {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        m_timer.stop();
        m_ran = true;
        m_script(*dialog);
        if (dialog->isVisible()) {
            m_leftOpen = true;
            dialog->reject();
        }
    }

    std::function<void(Dialog &)> m_script;
    QTimer m_timer;
};

using CDialogScript = CModalScript<CWifiSecurity>;

template<typename Widget> Widget *Find(const QWidget &parent, const char *name)
{
    auto *widget = parent.findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

inline void Press(const QWidget &parent, const char *name)
{
    QTest::mouseClick(Find<QPushButton>(parent, name), Qt::LeftButton);
}

// Clicks a check box or radio button on its indicator, where a user aims.
inline void Click(QAbstractButton *button)
{
    QTest::mouseClick(
        button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

// Types a dotted address as a user does: digits and dots, starting in the first field.
inline void TypeAddress(CIpAddressEdit *edit, const QString &text)
{
    edit->Field(0)->setFocus();
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
