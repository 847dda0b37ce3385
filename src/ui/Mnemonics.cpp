#include "ui/Mnemonics.h"

#include "i18n/MessageCatalog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QVariant>

#include <algorithm>

namespace {

// Preference of one character over another in the same text.
constexpr int TextStartWeight = 300;
constexpr int WordStartWeight = 200;
constexpr int LetterWeight = 50;

// Marks that sit below the letter, where the underline is drawn: cedilla, ogonek, comma below
// and the like.
bool HasMarkBelow(QChar c)
{
    const QString parts = c.decomposition();
    return std::any_of(parts.begin(), parts.end(), [](QChar part) {
        const char16_t u = part.unicode();
        return u >= 0x0316 && u <= 0x0333 && u != 0x031B;
    });
}

bool RendersBadlyUnderlined(QChar c)
{
    // Letters whose descender the underline runs into.
    constexpr QStringView Descenders = u"gjpqyÿýруфдцщўДЦЩђјџЏ";
    return Descenders.contains(c) || HasMarkBelow(c);
}

QChar KeyOf(QChar c)
{
    return c.toUpper();
}

bool IsWordStart(const QString &text, qsizetype at)
{
    return at == 0 || !text.at(at - 1).isLetterOrNumber();
}

struct Candidate
{
    QChar key;
    qsizetype position; // in the text; -1 for an added "(&X)"
    int weight;
};

QList<Candidate> InlineCandidates(const QString &text)
{
    QList<Candidate> found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate() || !c.isLetterOrNumber() || RendersBadlyUnderlined(c))
            continue;
        int weight = (c.isLetter() ? LetterWeight : 0) - int(qMin<qsizetype>(i, 100));
        if (i == 0)
            weight += TextStartWeight;
        if (IsWordStart(text, i))
            weight += WordStartWeight;
        const QChar key = KeyOf(c);
        auto same = std::find_if(
            found.begin(), found.end(), [key](const Candidate &e) { return e.key == key; });
        if (same == found.end())
            found.append({ key, i, weight });
        else if (weight > same->weight)
            *same = { key, i, weight };
    }
    std::stable_sort(found.begin(), found.end(),
        [](const Candidate &a, const Candidate &b) { return a.weight > b.weight; });
    return found;
}

bool IsLatinKey(QChar key)
{
    return key >= u'A' && key <= u'Z';
}

// For a text in Han or kana: the Latin letters of its English text in that text's order of
// preference, then the rest of the alphabet.
QList<Candidate> SuffixCandidates(const QString &englishText)
{
    QList<Candidate> found;
    for (const Candidate &c : InlineCandidates(englishText)) {
        if (IsLatinKey(c.key))
            found.append({ c.key, -1, 0 });
    }
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        if (std::none_of(found.begin(), found.end(),
                [letter](const Candidate &c) { return c.key == letter; }))
            found.append({ QChar(letter), -1, 0 });
    }
    return found;
}

QString Escaped(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&&"));
    return escaped;
}

// Where "(&X)" goes: before a closing colon or ellipsis and trailing blanks, as in "名前(&N):".
qsizetype SuffixPosition(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    for (;;) {
        if (end > 0
            && (text.at(end - 1) == u':' || text.at(end - 1) == u'\uFF1A'
                || text.at(end - 1) == u'\u2026')) {
            --end;
        } else if (end >= 3 && QStringView(text).sliced(end - 3, 3) == u"...") {
            end -= 3;
        } else {
            break;
        }
    }
    return end;
}

QString Marked(const QString &text, const Candidate *chosen)
{
    if (!chosen)
        return Escaped(text);
    if (chosen->position < 0) {
        const qsizetype at = SuffixPosition(text);
        return Escaped(text.left(at)) + QStringLiteral("(&") + chosen->key + u')'
            + Escaped(text.mid(at));
    }
    return Escaped(text.left(chosen->position)) + u'&' + Escaped(text.mid(chosen->position));
}

// Assignment as a bipartite matching between texts and keys: every text first takes its most
// wanted free key; one that finds none may move an earlier text to another of its keys, so
// that as many texts as possible get one.
class CMatcher
{
public:
    CMatcher(const QList<QList<Candidate>> &candidates, const QList<QChar> &taken)
        : m_candidates(candidates)
        , m_chosen(candidates.size(), -1)
    {
        for (QChar key : taken)
            m_owner.insert(KeyOf(key), -2);
    }

    QList<int> Run()
    {
        for (int item = 0; item < m_candidates.size(); ++item) {
            if (TakeFree(item))
                continue;
            m_visited.clear();
            Augment(item);
        }
        return m_chosen;
    }

private:
    bool TakeFree(int item)
    {
        const QList<Candidate> &list = m_candidates[item];
        for (int i = 0; i < list.size(); ++i) {
            if (!m_owner.contains(list[i].key)) {
                Assign(item, i);
                return true;
            }
        }
        return false;
    }

    bool Augment(int item)
    {
        const QList<Candidate> &list = m_candidates[item];
        for (int i = 0; i < list.size(); ++i) {
            const QChar key = list[i].key;
            if (m_visited.contains(key))
                continue;
            m_visited.insert(key, true);
            const int owner = m_owner.value(key, -1);
            if (owner == -2)
                continue;
            if (owner == -1 || Augment(owner)) {
                Assign(item, i);
                return true;
            }
        }
        return false;
    }

    void Assign(int item, int candidate)
    {
        m_chosen[item] = candidate;
        m_owner.insert(m_candidates[item][candidate].key, item);
    }

    const QList<QList<Candidate>> &m_candidates;
    QList<int> m_chosen;
    QHash<QChar, int> m_owner; // -2: taken outside these items
    QHash<QChar, bool> m_visited;
};

} // namespace

bool TakesLatinMnemonic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        switch (c.script()) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Bopomofo:
            return true;
        default:
            return false;
        }
    });
}

QList<MnemonicResult> AssignMnemonics(const QList<MnemonicItem> &items, const QList<QChar> &taken)
{
    QList<QList<Candidate>> candidates;
    candidates.reserve(items.size());
    for (const MnemonicItem &item : items) {
        candidates.append(TakesLatinMnemonic(item.m_text) ? SuffixCandidates(item.m_englishText)
                                                          : InlineCandidates(item.m_text));
    }
    const QList<int> chosen = CMatcher(candidates, taken).Run();

    QList<MnemonicResult> results;
    results.reserve(items.size());
    for (int i = 0; i < items.size(); ++i) {
        const Candidate *candidate = chosen[i] < 0 ? nullptr : &candidates[i][chosen[i]];
        results.append(
            { Marked(items[i].m_text, candidate), candidate ? candidate->key : QChar() });
    }
    return results;
}

QString StripMnemonic(const QString &marked)
{
    QString text;
    text.reserve(marked.size());
    for (qsizetype i = 0; i < marked.size(); ++i) {
        const QChar c = marked.at(i);
        if (c == u'(' && i + 3 < marked.size() && marked.at(i + 1) == u'&'
            && IsLatinKey(marked.at(i + 2)) && marked.at(i + 3) == u')') {
            i += 3;
            continue;
        }
        if (c == u'&') {
            if (i + 1 < marked.size() && marked.at(i + 1) == u'&') {
                text += u'&';
                ++i;
            }
            continue;
        }
        text += c;
    }
    return text;
}

namespace {

constexpr char PlainTextProperty[] = "meridockPlainText";
constexpr char MarkedTextProperty[] = "meridockMarkedText";

// The English row with the same text in the current language, for a Han or kana text's letter.
QString EnglishTextOf(const QString &text)
{
    if (!TakesLatinMnemonic(text))
        return {};
    const LanguageSlot slot = CurrentLanguageSlot();
    auto matches = [&](MessageId id) {
        return MessageTextInSlot(id, slot) == text;
    };
    for (MessageId id = 0; id < MessageCount; ++id) {
        if (matches(id))
            return MessageTextInSlot(id, 0).toString();
    }
    for (int i = 0; i < OwnMessageCount(); ++i) {
        if (matches(OwnMessageAt(i)))
            return MessageTextInSlot(OwnMessageAt(i), 0).toString();
    }
    return {};
}

// One control's text, however it is held: read as shown without the marking, written marked.
struct Labelled
{
    QWidget *m_widget;
    int m_tab; // for a tab bar, the tab; -1 otherwise
};

QString CurrentText(const Labelled &l)
{
    if (auto *bar = qobject_cast<QTabBar *>(l.m_widget))
        return bar->tabText(l.m_tab);
    if (auto *button = qobject_cast<QAbstractButton *>(l.m_widget))
        return button->text();
    if (auto *group = qobject_cast<QGroupBox *>(l.m_widget))
        return group->title();
    return static_cast<QLabel *>(l.m_widget)->text();
}

void SetText(const Labelled &l, const QString &text)
{
    if (auto *bar = qobject_cast<QTabBar *>(l.m_widget))
        bar->setTabText(l.m_tab, text);
    else if (auto *button = qobject_cast<QAbstractButton *>(l.m_widget))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(l.m_widget))
        group->setTitle(text);
    else
        static_cast<QLabel *>(l.m_widget)->setText(text);
}

QByteArray PropertyName(const char *base, const Labelled &l)
{
    QByteArray name(base);
    if (l.m_tab >= 0)
        name += QByteArray::number(l.m_tab);
    return name;
}

// The text without marking: what was last marked, unless the program set another text since.
QString PlainText(const Labelled &l)
{
    const QString current = CurrentText(l);
    if (current == l.m_widget->property(PropertyName(MarkedTextProperty, l).constData()).toString())
        return l.m_widget->property(PropertyName(PlainTextProperty, l).constData()).toString();
    return current;
}

struct Scope
{
    QList<Labelled> m_controls;
    QList<Scope> m_pages;
};

bool TakesMnemonic(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        // A tab bar's own scroll and close buttons carry no text worth a key.
        return !button->text().isEmpty() && !qobject_cast<QTabBar *>(button->parentWidget());
    }
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->isCheckable() && !group->title().isEmpty();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        return label->buddy() && !label->text().isEmpty() && label->textFormat() != Qt::RichText;
    }
    return false;
}

void Collect(QWidget *parent, Scope &scope)
{
    const QObjectList children = parent->children();
    for (QObject *object : children) {
        auto *widget = qobject_cast<QWidget *>(object);
        // Other windows have keys of their own; what the program hid for good takes none.
        if (!widget || widget->isWindow()
            || (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            continue;
        if (auto *stack = qobject_cast<QStackedWidget *>(widget)) {
            // Only one page shows at a time.
            for (int i = 0; i < stack->count(); ++i) {
                scope.m_pages.append(Scope());
                Collect(stack->widget(i), scope.m_pages.last());
            }
            continue;
        }
        if (auto *bar = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (!bar->tabText(i).isEmpty())
                    scope.m_controls.append({ bar, i });
            }
        } else if (TakesMnemonic(widget)) {
            scope.m_controls.append({ widget, -1 });
        }
        Collect(widget, scope);
    }
}

// Commands first, then what they select: buttons keep their first letters before labels.
int Rank(const Labelled &l)
{
    if (qobject_cast<QTabBar *>(l.m_widget))
        return 1;
    if (qobject_cast<QLabel *>(l.m_widget))
        return 3;
    if (auto *button = qobject_cast<QAbstractButton *>(l.m_widget))
        return button->isCheckable() ? 2 : 0;
    return 2;
}

void Assign(Scope &scope, const QList<QChar> &taken)
{
    std::stable_sort(scope.m_controls.begin(), scope.m_controls.end(),
        [](const Labelled &a, const Labelled &b) { return Rank(a) < Rank(b); });
    QList<MnemonicItem> items;
    for (const Labelled &l : std::as_const(scope.m_controls)) {
        const QString text = PlainText(l);
        items.append({ text, EnglishTextOf(text) });
    }
    const QList<MnemonicResult> results = AssignMnemonics(items, taken);
    QList<QChar> used = taken;
    for (int i = 0; i < results.size(); ++i) {
        const Labelled &l = scope.m_controls[i];
        SetText(l, results[i].m_marked);
        l.m_widget->setProperty(PropertyName(PlainTextProperty, l).constData(), items[i].m_text);
        l.m_widget->setProperty(
            PropertyName(MarkedTextProperty, l).constData(), results[i].m_marked);
        if (!results[i].m_key.isNull())
            used.append(results[i].m_key);
    }
    for (Scope &page : scope.m_pages)
        Assign(page, used);
}

} // namespace

void ApplyMnemonics(QWidget *window)
{
    Scope scope;
    Collect(window, scope);
    Assign(scope, {});
}
