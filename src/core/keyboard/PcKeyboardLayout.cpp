// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/PcKeyboardLayout.h"

#include <initializer_list>

namespace {

// Which finger types a character key, named by the key's unshifted character.
Finger fingerOf(QChar unshifted)
{
    static const QString little = QStringLiteral("`10-=qp[]\\a;'z/");
    static const QString ring = QStringLiteral("29wosl.x");
    static const QString middle = QStringLiteral("38eidkc,");
    static const QString index = QStringLiteral("4567rtyufghjvbnm");
    if (ring.contains(unshifted))
        return Finger::Ring;
    if (middle.contains(unshifted))
        return Finger::Middle;
    if (index.contains(unshifted))
        return Finger::Index;
    Q_ASSERT(little.contains(unshifted));
    return Finger::Little;
}

// Lays the keys of one row out from the left edge, each after the previous.
class RowBuilder
{
public:
    RowBuilder(QList<KeyCap> &keys, int row)
        : m_keys(keys)
        , m_row(row)
    {
    }

    // A key that types no character: drawn with its name, little finger.
    void named(const QString &name, int width, Hand hand)
    {
        KeyCap key = next(width, Finger::Little, hand);
        key.label = name;
        key.name = name;
        m_keys.append(key);
    }

    // Character keys, each given as its unshifted character followed by its
    // shifted one where that is not just the upper-case letter, then any
    // further characters the key stands for (not drawn). The right
    // hand takes over at the key numbered rightHandFrom.
    void characters(std::initializer_list<const char16_t *> keys, int rightHandFrom)
    {
        int column = 0;
        for (const char16_t *characters : keys) {
            const QString typed = QString::fromUtf16(characters);
            const QChar unshifted = typed.front();
            KeyCap key = next(PcKeyboardLayout::KeyWidth, fingerOf(unshifted),
                              column++ < rightHandFrom ? Hand::Left : Hand::Right);
            key.typed = typed;
            if (unshifted.isLetter()) {
                key.label = QString(unshifted.toUpper());
            } else {
                key.label = QString(unshifted);
                key.shiftLabel = typed.mid(1, 1);
            }
            key.name = key.label;
            m_keys.append(key);
        }
    }

    void spaceBar()
    {
        KeyCap key = next(PcKeyboardLayout::SpaceBarWidth, Finger::Thumb, Hand::Either);
        key.typed = QStringLiteral(" ");
        key.name = QStringLiteral("空格");
        m_keys.append(key);
    }

private:
    KeyCap next(int width, Finger finger, Hand hand)
    {
        KeyCap key;
        key.row = m_row;
        key.rect = QRect(m_x, m_row * PcKeyboardLayout::KeyHeight, width, PcKeyboardLayout::KeyHeight);
        key.finger = finger;
        key.hand = hand;
        m_x += width;
        return key;
    }

    QList<KeyCap> &m_keys;
    int m_row;
    int m_x = 0;
};

QList<KeyCap> buildKeys()
{
    QList<KeyCap> keys;

    RowBuilder digits(keys, 0);
    digits.characters({u"`~", u"1!", u"2@", u"3#", u"4$", u"5%", u"6^", u"7&", u"8*", u"9(",
                       u"0)", u"-_", u"=+"},
                      6);
    digits.named(QStringLiteral("Backspace"), 60, Hand::Right);

    RowBuilder top(keys, 1);
    top.named(QStringLiteral("Tab"), 60, Hand::Left);
    top.characters({u"q", u"w", u"e", u"r", u"t", u"y", u"u", u"i", u"o", u"p", u"[{", u"]}",
                    u"\\|"},
                   5);

    // The apostrophe key types the plain double quote when shifted, and also
    // stands for the typographic closing quote that Chinese texts carry.
    RowBuilder home(keys, 2);
    home.named(QStringLiteral("Caps Lock"), 70, Hand::Left);
    home.characters({u"a", u"s", u"d", u"f", u"g", u"h", u"j", u"k", u"l", u";:", u"'\"\u201d"}, 5);
    home.named(QStringLiteral("Enter"), 70, Hand::Right);

    RowBuilder bottom(keys, 3);
    bottom.named(QStringLiteral("Shift"), 90, Hand::Left);
    bottom.characters({u"z", u"x", u"c", u"v", u"b", u"n", u"m", u",<", u".>", u"/?"}, 5);
    bottom.named(QStringLiteral("Shift"), 90, Hand::Right);

    RowBuilder space(keys, 4);
    space.named(QStringLiteral("Ctrl"), 60, Hand::Left);
    space.named(QStringLiteral("Win"), 60, Hand::Left);
    space.named(QStringLiteral("Alt"), 60, Hand::Left);
    space.spaceBar();
    space.named(QStringLiteral("Alt"), 60, Hand::Right);
    space.named(QStringLiteral("Win"), 60, Hand::Right);
    space.named(QStringLiteral("Ctrl"), 60, Hand::Right);

    return keys;
}

} // namespace

QSize PcKeyboardLayout::size()
{
    return QSize(580, RowCount * KeyHeight);
}

const QList<KeyCap> &PcKeyboardLayout::keys()
{
    static const QList<KeyCap> keys = buildKeys();
    return keys;
}

const KeyCap *PcKeyboardLayout::keyFor(QStringView text)
{
    const QString lower = text.toString().toLower();
    if (lower.size() != 1)
        return nullptr;
    for (const KeyCap &key : keys()) {
        if (key.typed.contains(lower.front()))
            return &key;
    }
    return nullptr;
}
