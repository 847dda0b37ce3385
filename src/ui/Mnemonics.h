#pragma once

#include <QChar>
#include <QList>
#include <QString>

class QWidget;

// Keyboard accelerators (Alt+letter) chosen per window and language, as a desktop's accelerator
// manager does: the catalogue's texts carry none, and a hand-picked letter would clash in some
// of the languages.

struct MnemonicItem
{
    // The text as shown, without any accelerator marking.
    QString m_text;
    // The same control's text in English, if known: a Japanese or Chinese text takes its
    // Latin letter from it, as those desktops' own programs do.
    QString m_englishText;
};

struct MnemonicResult
{
    // The text to set on the control: one '&' before the chosen character, or "(&X)" added for
    // a text in Han or kana, and any '&' of the text itself doubled.
    QString m_marked;
    // The key, upper case; null when no free character was left for this text.
    QChar m_key;
};

// Chooses one key for each item, no two alike (letters compared without case) and none of
// `taken`. Earlier items are served first; a word's first letter is preferred to its others,
// the text's first letter above all, and a letter that an underline would run into (one with a
// descender or a mark below it) is never chosen.
QList<MnemonicResult> AssignMnemonics(
    const QList<MnemonicItem> &items, const QList<QChar> &taken = {});

// Whether a text is written in Han or kana and so takes its key as an added "(&X)".
bool TakesLatinMnemonic(const QString &text);

// The text as shown, from a text marked by AssignMnemonics.
QString StripMnemonic(const QString &marked);

// Marks every labelled control of `window` (push buttons, check boxes, radio buttons, tabs,
// checkable group boxes, and labels with a buddy) after its texts are set, and again whenever
// texts change. Controls that show together never share a key: the pages of a tab control may
// reuse one another's keys, never those of the controls around them.
void ApplyMnemonics(QWidget *window);
