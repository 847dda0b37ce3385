#pragma once

#include <QIcon>
#include <QList>
#include <QObject>

class QAction;
class QLineEdit;

// The show/hide action inside key fields, as desktop password fields have it. Both fields share
// one state: showing one shows both. Hidden at start and never remembered.
class CKeyReveal : public QObject
{
    Q_OBJECT

public:
    CKeyReveal(const QList<QLineEdit *> &fields, QObject *parent);

    bool IsShown() const { return m_shown; }
    void SetShown(bool shown);
    QAction *ActionOf(const QLineEdit *field) const;
    // The button that shows the action inside `field`; it follows the field in the tab order.
    QWidget *ButtonOf(const QLineEdit *field) const;
    // Texts follow the current language.
    void ApplyTexts();

private:
    QList<QLineEdit *> m_fields;
    QList<QAction *> m_actions;
    bool m_shown = false;
};

// The eye of the icon theme, or our own drawing where the theme has none.
QIcon RevealKeyIcon(bool shown);
