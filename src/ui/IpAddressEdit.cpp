#include "ui/IpAddressEdit.h"

#include "ui/DigitsValidator.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <utility>

namespace {

constexpr int MaxOctet = 255;

// "a.b.c.d" with four decimal parts of one to three ASCII digits, each 0..255; blanks around
// the whole text are dropped. Anything else is not an address and is refused whole.
bool ParseDottedQuad(const QString &text, std::array<int, CIpAddressEdit::FieldCount> &fields)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != CIpAddressEdit::FieldCount)
        return false;
    for (int i = 0; i < CIpAddressEdit::FieldCount; ++i) {
        const QString &part = parts[i];
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return false;
        }
        const int value = part.toInt();
        if (value > MaxOctet)
            return false;
        fields[size_t(i)] = value;
    }
    return true;
}

bool IsDigitKey(const QKeyEvent *event)
{
    const QString text = event->text();
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
}

bool IsFieldSeparatorKey(const QKeyEvent *event)
{
    // A German keypad types ',' where others type '.'.
    return event->text() == QStringLiteral(".")
        || (event->key() == Qt::Key_Comma && (event->modifiers() & Qt::KeypadModifier));
}

// A label showing "." would ask for exactly this much room.
QSize DotSize(const QFontMetrics &metrics)
{
    return metrics.boundingRect(QRect(0, 0, 2000, 2000), 0, QStringLiteral(".")).size();
}

// The margins a line edit keeps around its text.
constexpr int EditorHorizontalMargin = 2;
constexpr int EditorVerticalMargin = 1;

} // namespace

// An octet's place in the layout: it takes what the layout gives a line edit there (all the
// width the layout hands out, the line edit's own height, centred) and passes it on to the
// octet's editor once that exists.
class CIpAddressEdit::CFieldCell : public QSpacerItem
{
public:
    CFieldCell()
        : QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Fixed)
    {
    }

    void setGeometry(const QRect &given) override
    {
        QRect cell = given;
        cell.setHeight(qMin(given.height(), m_height));
        cell.moveTop(given.y() + (given.height() - cell.height()) / 2);
        QSpacerItem::setGeometry(cell);
        if (m_editor)
            m_editor->setGeometry(cell);
    }

    int m_height = 0;
    QLineEdit *m_editor = nullptr;
};

CIpAddressEdit::CIpAddressEdit(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    for (int i = 0; i < FieldCount; ++i) {
        // The four line edits are made the first time the address is entered: five addresses
        // on the wired page alone would otherwise build twenty before the window can show.
        // Until then the control paints the octets where the line edits will show them.
        auto *cell = new CFieldCell;
        m_cells[size_t(i)] = cell;
        layout->addItem(cell);
        layout->setStretch(layout->count() - 1, 1);
        if (i + 1 < FieldCount) {
            // The dots are painted into gaps the layout keeps for them: fifteen labels in the
            // wired page cost more to create, polish and lay out than anything they show.
            auto *gap = new QSpacerItem(0, 0);
            m_dotGaps[size_t(i)] = gap;
            layout->addItem(gap);
        }
    }
    UpdateMetrics();
    m_values.fill(BlankField);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CIpAddressEdit::CreateFields()
{
    if (m_fields[0])
        return;
    for (int i = 0; i < FieldCount; ++i) {
        auto *field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(new CDigitsValidator(field));
        const int value = m_values[size_t(i)];
        if (value >= 0)
            field->setText(QString::number(value));
        // One tab stop for the whole address, as users of the host control expect.
        field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        field->setContextMenuPolicy(Qt::NoContextMenu);
        if (!accessibleName().isEmpty())
            field->setAccessibleName(FieldName(i));
        field->setAccessibleDescription(m_fieldDescription);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
        connect(field, &QLineEdit::textChanged, this, &CIpAddressEdit::UpdateAccessibleValue);
        connect(field, &QLineEdit::editingFinished, this, [field] {
            // "007" means 7; show it the way it will be read back.
            if (!field->text().isEmpty())
                field->setText(QString::number(field->text().toInt()));
        });
        m_fields[size_t(i)] = field;
        m_cells[size_t(i)]->m_editor = field;
        field->setGeometry(m_cells[size_t(i)]->geometry());
        // Children made after their parent shows do not show with it.
        if (isVisible())
            field->show();
    }
    // New widgets join the end of the window's tab order; the octets belong where the address
    // is. Set before the focus proxy, which would make "after this control" mean after octet 1.
    QWidget::setTabOrder(this, m_fields[0]);
    for (int i = 1; i < FieldCount; ++i)
        QWidget::setTabOrder(m_fields[size_t(i - 1)], m_fields[size_t(i)]);
    setFocusProxy(m_fields[0]);
}

CIpAddressEdit::~CIpAddressEdit() = default;

std::array<int, CIpAddressEdit::FieldCount> CIpAddressEdit::Fields() const
{
    if (!m_fields[0])
        return m_values;
    std::array<int, FieldCount> fields {};
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString text = m_fields[i]->text();
        fields[i] = text.isEmpty() ? BlankField : qMin(text.toInt(), MaxOctet);
    }
    return fields;
}

void CIpAddressEdit::SetFields(const std::array<int, FieldCount> &fields)
{
    if (!m_fields[0]) {
        for (size_t i = 0; i < fields.size(); ++i)
            m_values[i] = fields[i] < 0 ? BlankField : qMin(fields[i], MaxOctet);
        UpdateAccessibleValue();
        update();
        return;
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        const int value = fields[i];
        m_fields[i]->setText(value < 0 ? QString() : QString::number(qMin(value, MaxOctet)));
    }
}

void CIpAddressEdit::SetAccessibleLabel(const QString &label)
{
    QString bare = label.trimmed();
    while (bare.endsWith(u':') || bare.endsWith(QChar(0xFF1A)))
        bare.chop(1);
    setAccessibleName(bare);
    for (int i = 0; i < FieldCount && m_fields[0]; ++i)
        m_fields[size_t(i)]->setAccessibleName(FieldName(i));
}

QString CIpAddressEdit::FieldName(int index) const
{
    return QStringLiteral("%1 %2/%3").arg(accessibleName()).arg(index + 1).arg(FieldCount);
}

void CIpAddressEdit::SetFieldDescription(const QString &text)
{
    m_fieldDescription = text;
    for (int i = 0; i < FieldCount && m_fields[0]; ++i)
        m_fields[size_t(i)]->setAccessibleDescription(text);
}

void CIpAddressEdit::UpdateAccessibleValue()
{
    // The focus rests on one octet; the address as a whole is read from the control's
    // description, which also tells a screen reader when it changes.
    QStringList octets;
    bool blank = true;
    for (int value : Fields()) {
        octets.append(value < 0 ? QString() : QString::number(value));
        blank = blank && value < 0;
    }
    setAccessibleDescription(blank ? QString() : octets.join(u'.'));
}

QLineEdit *CIpAddressEdit::Field(int index)
{
    Q_ASSERT(index >= 0 && index < FieldCount);
    CreateFields();
    return m_fields[size_t(index)];
}

QStyleOptionFrame CIpAddressEdit::PanelOption(int lineWidth) const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = lineWidth;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return option;
}

int CIpAddressEdit::EditorHeight() const
{
    // What a frameless line edit asks for.
    const QFontMetrics metrics = fontMetrics();
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int height
        = qMax(metrics.height(), qMax(14, iconSize - 2)) + 2 * EditorVerticalMargin;
    const QStyleOptionFrame option = PanelOption(0);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(0, height), nullptr)
        .height();
}

void CIpAddressEdit::UpdateMetrics()
{
    // Everything the font and the style decide, worked out once for each of them: the layouts
    // ask for the size hint many times over.
    const QFontMetrics metrics = fontMetrics();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    layout()->setContentsMargins(frame, frame, frame, frame);
    const QSize dot = DotSize(metrics);
    for (QSpacerItem *gap : m_dotGaps)
        gap->changeSize(dot.width(), dot.height(), QSizePolicy::Minimum, QSizePolicy::Minimum);
    const int cellHeight = EditorHeight();
    for (CFieldCell *cell : m_cells)
        cell->m_height = cellHeight;
    layout()->invalidate();

    const int fieldWidth = metrics.horizontalAdvance(QStringLiteral("000")) + 8;
    const int dotWidth = metrics.horizontalAdvance(u'.') + 4;
    const int height = qMax(cellHeight, metrics.height() + 4);
    m_sizeHint = QSize(FieldCount * fieldWidth + (FieldCount - 1) * dotWidth + 2 * frame,
        height + 2 * frame);
    updateGeometry();
}

QSize CIpAddressEdit::sizeHint() const
{
    return m_sizeHint;
}

QSize CIpAddressEdit::minimumSizeHint() const
{
    return sizeHint();
}

int CIpAddressEdit::IndexOf(const QObject *field) const
{
    for (int i = 0; i < FieldCount; ++i) {
        if (m_fields[size_t(i)] == field)
            return i;
    }
    return -1;
}

bool CIpAddressEdit::eventFilter(QObject *watched, QEvent *event)
{
    const int index = IndexOf(watched);
    if (index >= 0) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return HandleKey(index, static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CIpAddressEdit::HandleKey(int index, QKeyEvent *event)
{
    QLineEdit *field = m_fields[size_t(index)];
    const bool last = index + 1 == FieldCount;

    if (event->matches(QKeySequence::Paste)) {
        std::array<int, FieldCount> pasted {};
        const QClipboard *clipboard = QApplication::clipboard();
        if (clipboard && ParseDottedQuad(clipboard->text(), pasted)) {
            SetFields(pasted);
            MoveTo(FieldCount - 1, false, true);
            Q_EMIT AddressEdited();
            return true;
        }
        return false; // the field's digit rule decides about anything else
    }
    if (IsFieldSeparatorKey(event)) {
        // After a third digit has already moved on, the '.' that a user types out of habit
        // lands in an empty field and must not skip it.
        if (!last && !field->text().isEmpty())
            MoveTo(index + 1, true, false);
        return true;
    }
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;

    const bool atStart = field->cursorPosition() == 0 && !field->hasSelectedText();
    const bool atEnd = field->cursorPosition() == field->text().size() && !field->hasSelectedText();
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (field->text().isEmpty() && index > 0) {
            MoveTo(index - 1, false, true);
            return true;
        }
        return false;
    case Qt::Key_Left:
        if (atStart && index > 0 && !(event->modifiers() & Qt::ShiftModifier)) {
            MoveTo(index - 1, false, true);
            return true;
        }
        return false;
    case Qt::Key_Right:
        if (atEnd && !last && !(event->modifiers() & Qt::ShiftModifier)) {
            MoveTo(index + 1, false, false);
            return true;
        }
        return false;
    default:
        break;
    }
    // A digit typed into a full field goes on into the next one.
    if (IsDigitKey(event) && atEnd && field->text().size() == field->maxLength() && !last) {
        MoveTo(index + 1, true, false);
        QCoreApplication::sendEvent(m_fields[size_t(index + 1)], event);
        return true;
    }
    return false;
}

void CIpAddressEdit::OnFieldEdited(int index)
{
    QLineEdit *field = m_fields[size_t(index)];
    const QString text = field->text();
    if (!text.isEmpty()) {
        if (text.toInt() > MaxOctet)
            field->setText(QString::number(MaxOctet));
        const bool full = field->text().size() == field->maxLength()
            && field->cursorPosition() == field->text().size();
        if (full && index + 1 < FieldCount)
            MoveTo(index + 1, true, false);
    }
    Q_EMIT AddressEdited();
}

void CIpAddressEdit::MoveTo(int index, bool selectAll, bool cursorAtEnd)
{
    QLineEdit *field = m_fields[size_t(index)];
    field->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        field->selectAll();
    else
        field->setCursorPosition(cursorAtEnd ? int(field->text().size()) : 0);
}

void CIpAddressEdit::focusInEvent(QFocusEvent *event)
{
    // Only before the octets exist: from then on they take the focus in the control's place.
    CreateFields();
    m_fields[0]->setFocus(event->reason());
}

void CIpAddressEdit::Forward(const QMouseEvent *event, QLineEdit *field) const
{
    QMouseEvent moved(event->type(), field->mapFrom(this, event->position()),
        event->scenePosition(), event->globalPosition(), event->button(), event->buttons(),
        event->modifiers());
    QCoreApplication::sendEvent(field, &moved);
}

void CIpAddressEdit::mousePressEvent(QMouseEvent *event)
{
    // A press reaches the control itself only where no line edit is: on a dot or the frame, or
    // under the pointer before the line edits were made. The press that makes them goes on to
    // the octet under the pointer, so that its cursor lands where the click put it.
    CreateFields();
    for (QLineEdit *field : m_fields) {
        if (!field->geometry().contains(event->position().toPoint()))
            continue;
        field->setFocus(Qt::MouseFocusReason);
        Forward(event, field);
        m_pressedField = field;
        return;
    }
    QWidget::mousePressEvent(event);
}

void CIpAddressEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The release of the press that made the octets comes here, as the press did.
    if (QLineEdit *field = std::exchange(m_pressedField, nullptr)) {
        Forward(event, field);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CIpAddressEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateMetrics();
    QWidget::changeEvent(event);
}

void CIpAddressEdit::paintEvent(QPaintEvent *)
{
    QStyleOptionFrame option
        = PanelOption(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    for (const QLineEdit *field : m_fields) {
        if (field && field->hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    if (!m_fields[0])
        PaintOctets(painter);
    for (const QSpacerItem *gap : m_dotGaps) {
        style()->drawItemText(&painter, gap->geometry(), Qt::AlignCenter | Qt::TextForceLeftToRight,
            option.palette, isEnabled(), QStringLiteral("."), QPalette::WindowText);
    }
}

void CIpAddressEdit::PaintOctets(QPainter &painter)
{
    // Each octet as its line edit draws it: its frameless panel over the cell, which covers the
    // frame's inner shade where the cell reaches it; the number centred in the cell less the
    // edit's margins, on the same baseline, in the colour of text on a field.
    QStyleOptionFrame panel = PanelOption(0);
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < FieldCount; ++i) {
        const QRect cell = m_cells[size_t(i)]->geometry();
        panel.rect = cell;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, nullptr);
        const int value = m_values[size_t(i)];
        if (value < 0)
            continue;
        const QString text = QString::number(value);
        const int textHeight = qMax(metrics.boundingRect(text).height(), metrics.height());
        const QRect line(cell.x() + EditorHorizontalMargin,
            cell.y() + (cell.height() - textHeight + 1) / 2,
            cell.width() - 2 * EditorHorizontalMargin, textHeight);
        QTextLayout layout(text, font());
        QTextOption textOption = layout.textOption();
        textOption.setTextDirection(layoutDirection());
        textOption.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(textOption);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        layout.endLayout();
        const int widthUsed = qRound(textLine.naturalTextWidth()) + 1;
        const int scroll = (widthUsed - line.width()) / 2;
        const QPoint topLeft = line.topLeft()
            - QPoint(scroll, qRound(textLine.ascent()) - metrics.ascent());
        painter.save();
        painter.setPen(panel.palette.color(QPalette::Text));
        painter.setClipRect(cell);
        layout.draw(&painter, topLeft);
        painter.restore();
    }
}
