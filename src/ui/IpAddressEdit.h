#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QPainter;
class QStyleOptionFrame;
class QSpacerItem;

// An IPv4 address entry of four octet fields, each blank or 0..255. It behaves like the host
// address control users know: digits only; a third digit, or '.' in a field that is not empty,
// moves on to the next field; Backspace in an empty field goes back; a value above 255 becomes
// 255. Tab enters and leaves the control as a whole.
//
// The four line edits are made the first time the address is entered (focus, a click) or asked
// for; until then the control paints the octets exactly where and as they will draw them.
class CIpAddressEdit : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 4;
    static constexpr int BlankField = -1;

    explicit CIpAddressEdit(QWidget *parent = nullptr);
    ~CIpAddressEdit() override;

    // Each field as a number, or BlankField.
    std::array<int, FieldCount> Fields() const;
    // Values below 0 leave a field blank; values above 255 show as 255.
    void SetFields(const std::array<int, FieldCount> &fields);

    // What a screen reader announces: `label` for the control and "label n/4" for each field.
    // The control's description is the address as shown, "a.b.c.d".
    void SetAccessibleLabel(const QString &label);
    // The description each field gives a screen reader beside its name.
    void SetFieldDescription(const QString &text);

    // The line edit of one octet; made, with the other three, the first time it is needed.
    QLineEdit *Field(int index);
    // Makes the four line edits now, for a window that sets them up along with its own.
    void CreateFields();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void AddressEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    class CFieldCell;

    int EditorHeight() const;
    void UpdateMetrics();
    QString FieldName(int index) const;
    QStyleOptionFrame PanelOption(int lineWidth) const;
    void PaintOctets(QPainter &painter);
    // Hands a mouse event on to an octet, in its coordinates.
    void Forward(const QMouseEvent *event, QLineEdit *field) const;
    int IndexOf(const QObject *field) const;
    bool HandleKey(int index, QKeyEvent *event);
    void OnFieldEdited(int index);
    void MoveTo(int index, bool selectAll, bool cursorAtEnd);
    void UpdateAccessibleValue();

    // Until the line edits exist, the octets live in m_values.
    std::array<QLineEdit *, FieldCount> m_fields {};
    std::array<int, FieldCount> m_values {};
    std::array<CFieldCell *, FieldCount> m_cells {}; // owned by the layout
    QString m_fieldDescription;
    QLineEdit *m_pressedField = nullptr;
    QSize m_sizeHint;
    // Owned by the layout.
    std::array<QSpacerItem *, FieldCount - 1> m_dotGaps {};
};
