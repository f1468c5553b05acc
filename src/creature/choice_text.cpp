// How stored texts read.
#include "choice_text.h"

#include <QtCore/QLocale>
#include <QtGui/QKeySequence>

#include <cmath>

namespace orbo {

namespace {

// The text as the C locale reads it: digits of any script as 0 to 9, direction marks gone, the
// minus and the Arabic decimal and group signs as the C locale has them (or none), and the user's
// decimal sign a point.
QString PlainNumberText(const QString& text, const QLocale& user) {
    const QString decimal = user.decimalPoint();
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Format || c == u'\u066C')
            continue;
        if (const int digit = c.digitValue(); digit >= 0 && digit <= 9)
            plain += QChar(u'0' + digit);
        else if (c == u'\u2212')
            plain += u'-';
        else if (c == u'\u066B' || (decimal.size() == 1 && c == decimal[0]))
            plain += u'.';
        else
            plain += c;
    }
    return plain;
}

} // namespace

QString UserLocaleSingleText(float value, const QLocale& user) {
    // Digits 0 to 9 in every language: another language's digits would not read back in a third.
    QString text = QLocale::c().toString(static_cast<double>(value), 'g', 7);
    const QString decimal = user.decimalPoint();
    if (decimal.size() == 1 && decimal[0].digitValue() < 0)
        text.replace(u'.', decimal[0]);
    return text;
}

bool UserLocaleTextToSingle(const QString& text, float& value, const QLocale& user) {
    QString plain = PlainNumberText(text, user);
    // Written with no group separators, a comma can only be another locale's decimal point.
    if (plain.count(u',') == 1 && !plain.contains(u'.'))
        plain.replace(u',', u'.');
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const float parsed = c.toFloat(plain, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool SwitchFromText(const QString& text, bool damaged) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return damaged;
}

std::optional<QKeyCombination> HotKeyFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    // Keys named as a settings file stores them, or as the user's own language names them (the
    // way Orbo's messages name the key: "Strg+Alt+O").
    for (const auto format : {QKeySequence::PortableText, QKeySequence::NativeText}) {
        const QKeySequence sequence = QKeySequence::fromString(trimmed, format);
        if (sequence.count() != 1)
            continue;
        const QKeyCombination key = sequence[0];
        const Qt::Key code = key.key();
        const bool modifierAlone = code == Qt::Key_Shift || code == Qt::Key_Control ||
                                   code == Qt::Key_Alt || code == Qt::Key_Meta;
        const bool held = (key.keyboardModifiers() &
                           (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (code == Qt::Key_unknown || modifierAlone ||
            !(held || (code >= Qt::Key_F1 && code <= Qt::Key_F35)))
            continue;
        // A key named by its letter is that letter's key: Qt reads the dotless i as I, another key.
        const QString name = QKeySequence(code).toString(QKeySequence::PortableText);
        const QChar typed = trimmed.back();
        if (name.size() == 1 &&
            (typed.toUpper() != name[0] || name[0].toLower() != typed.toLower()))
            continue;
        return key;
    }
    return {};
}

} // namespace orbo
