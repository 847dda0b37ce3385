#include "ui/QtMessageBox.h"

#include "i18n/MessageCatalog.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

CQtMessageBox::CQtMessageBox(QWidget *owner)
    : m_owner(owner)
{ }

MessageAnswer CQtMessageBox::ShowMessage(const QString &text, const QString &caption,
    MessageIcon icon, MessageButtons buttons, const QString &detail)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::NoButton, m_owner);
    // Catalogue texts are plain; one that happens to look like markup must still read as typed.
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty())
        box.setInformativeText(
            u"<p>"_s + detail.toHtmlEscaped().replace(u'\n', u"<br>"_s) + u"</p>"_s);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    ok->setText(MessageText(Msg::OkButton).toString());
    box.setDefaultButton(ok);
    QPushButton *remove = nullptr;
    if (buttons == MessageButtons::OkCancel) {
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        cancel->setText(MessageText(Msg::CancelButton).toString());
        box.setEscapeButton(cancel);
    } else {
        if (buttons == MessageButtons::OkSafelyRemove)
            remove = box.addButton(
                MessageText(Msg::SafelyRemoveButton).toString(), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (remove && box.clickedButton() == remove)
        return MessageAnswer::SafelyRemove;
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}
