#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QSpacerItem;

// An IPv4 address entry of four octet fields, each blank or 0..255. It behaves like the host
// address control users know: digits only; a third digit, or '.' in a field that is not empty,
// moves on to the next field; Backspace in an empty field goes back; a value above 255 becomes
// 255. Tab enters and leaves the control as a whole.
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

    QLineEdit *Field(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void AddressEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int IndexOf(const QObject *field) const;
    bool HandleKey(int index, QKeyEvent *event);
    void OnFieldEdited(int index);
    void MoveTo(int index, bool selectAll, bool cursorAtEnd);
    void UpdateAccessibleValue();

    std::array<QLineEdit *, FieldCount> m_fields {};
    // Owned by the layout.
    std::array<QSpacerItem *, FieldCount - 1> m_dotGaps {};
};
