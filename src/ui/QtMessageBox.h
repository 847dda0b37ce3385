#pragma once

#include "core/commands/MessageBox.h"

class QWidget;

// The core's message boxes as real modal message boxes over `owner`.
class CQtMessageBox : public IMessageBox
{
public:
    explicit CQtMessageBox(QWidget *owner);

    MessageAnswer ShowMessage(const QString &text, const QString &caption, MessageIcon icon,
        MessageButtons buttons, const QString &detail) override;

private:
    QWidget *m_owner;
};
