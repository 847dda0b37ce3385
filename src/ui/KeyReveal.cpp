#include "ui/KeyReveal.h"

#include "i18n/MessageCatalog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolButton>

namespace {

QPixmap DrawEye(int size, bool shown)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const qreal s = size;
    painter.setPen(QPen(ink, s / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath eye;
    eye.moveTo(s * 0.06, s * 0.5);
    eye.quadTo(s * 0.5, s * 0.02, s * 0.94, s * 0.5);
    eye.quadTo(s * 0.5, s * 0.98, s * 0.06, s * 0.5);
    painter.drawPath(eye);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.13, s * 0.13);
    if (!shown)
        painter.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.85, s * 0.15));
    return pixmap;
}

} // namespace

QIcon RevealKeyIcon(bool shown)
{
    // The action reveals when the key is hidden, so its icon is the open eye then.
    QIcon fallback;
    for (const int size : { 16, 22, 32, 48 })
        fallback.addPixmap(DrawEye(size, !shown));
    const QString name = shown ? QStringLiteral("view-hidden") : QStringLiteral("view-visible");
    const QString symbolic
        = shown ? QStringLiteral("view-conceal-symbolic") : QStringLiteral("view-reveal-symbolic");
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return QIcon::fromTheme(symbolic, fallback);
}

CKeyReveal::CKeyReveal(const QList<QLineEdit *> &fields, QObject *parent)
    : QObject(parent)
    , m_fields(fields)
{
    for (QLineEdit *field : m_fields) {
        auto *action = new QAction(field);
        action->setObjectName(QStringLiteral("revealKeyAction"));
        action->setCheckable(true);
        field->addAction(action, QLineEdit::TrailingPosition);
        // The button inside the field takes the focus from Tab like any other control, so that
        // the key can be shown without a mouse; Space presses it.
        for (QObject *object : action->associatedObjects()) {
            if (auto *button = qobject_cast<QToolButton *>(object)) {
                button->setFocusPolicy(Qt::TabFocus);
                button->setObjectName(QStringLiteral("revealKeyButton"));
            }
        }
        connect(action, &QAction::triggered, this, [this](bool checked) { SetShown(checked); });
        m_actions.append(action);
    }
    SetShown(false);
}

void CKeyReveal::SetShown(bool shown)
{
    m_shown = shown;
    for (QLineEdit *field : std::as_const(m_fields))
        field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    for (QAction *action : std::as_const(m_actions)) {
        action->setChecked(shown);
        action->setIcon(RevealKeyIcon(shown));
    }
    ApplyTexts();
}

QAction *CKeyReveal::ActionOf(const QLineEdit *field) const
{
    const qsizetype index = m_fields.indexOf(field);
    return index < 0 ? nullptr : m_actions.at(index);
}

QWidget *CKeyReveal::ButtonOf(const QLineEdit *field) const
{
    if (QAction *action = ActionOf(field)) {
        for (QObject *object : action->associatedObjects()) {
            if (auto *button = qobject_cast<QToolButton *>(object))
                return button;
        }
    }
    return nullptr;
}

void CKeyReveal::ApplyTexts()
{
    const QString text
        = MessageText(m_shown ? Msg::HideNetworkKey : Msg::ShowNetworkKey).toString();
    for (QAction *action : std::as_const(m_actions)) {
        action->setText(text);
        action->setToolTip(text);
        for (QObject *object : action->associatedObjects()) {
            if (auto *button = qobject_cast<QToolButton *>(object)) {
                button->setAccessibleName(text);
                button->setToolTip(text);
            }
        }
    }
}
