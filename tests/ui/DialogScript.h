#pragma once

#include "ui/WifiSecurity.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Plays a user at the property dialog: once the dialog runs modally, `script` types into it and
// presses a button. A dialog the script left open is cancelled so that no test can hang.
class CDialogScript
{
public:
    explicit CDialogScript(std::function<void(CWifiSecurity &)> script)
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
        auto *dialog = qobject_cast<CWifiSecurity *>(QApplication::activeModalWidget());
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

    std::function<void(CWifiSecurity &)> m_script;
    QTimer m_timer;
};

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
