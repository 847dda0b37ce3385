#pragma once

#include "core/model/ConnectionBlock.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Copying between widgets and the core's control values, the same way in every window.

inline bool IsOwnEnabled(const QWidget *widget)
{
    // The widget's own flag, whatever its ancestors say.
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

// 0 or 1 for the chosen button of a pair, -1 when neither is chosen.
inline int RadioIndex(const QRadioButton *first, const QRadioButton *second)
{
    if (first->isChecked())
        return 0;
    if (second->isChecked())
        return 1;
    return -1;
}

inline void SetRadioIndex(QButtonGroup *group, QRadioButton *first, QRadioButton *second, int index)
{
    if (index == 0) {
        first->setChecked(true);
    } else if (index == 1) {
        second->setChecked(true);
    } else {
        group->setExclusive(false);
        first->setChecked(false);
        second->setChecked(false);
        group->setExclusive(true);
    }
}

inline void CollectEdit(const QLineEdit *edit, EditControl &control)
{
    control.m_text = edit->text();
    control.m_enabled = IsOwnEnabled(edit);
}

inline void ApplyEdit(QLineEdit *edit, const EditControl &control)
{
    // Setting the same text again would move the cursor and end an undo step.
    if (edit->text() != control.m_text)
        edit->setText(control.m_text);
    edit->setEnabled(control.m_enabled);
}

// At least the arranged size, and never less than the widget's text needs.
inline void SetMinimumExtent(QWidget *widget, int width, int height)
{
    const QSize hint = widget->sizeHint();
    // A long text still gets some air at both ends of its button.
    const int padding = qobject_cast<QPushButton *>(widget) ? 16 : 0;
    widget->setMinimumSize(qMax(hint.width() + padding, width), qMax(hint.height(), height));
}
