// The hot key: the stored key listened for, its failures told.
#include "hot_key.h"

#include "creature/choice_text.h"
#include "creature/stored_choices.h"
#include "creature_widget/creature_widget.h"
#include "platform/desktop/desktop.h"
#include "platform/system/console.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeySequence>

#include <cstdio>
#include <memory>
#include <utility>

namespace orbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::HotKey", text);
}

// A stored value quoted back to the user, cut short: a message must fit on the screen.
QString Quoted(const QString& text) {
    constexpr qsizetype kLongest = 40;
    return text.size() <= kLongest ? text : text.left(kLongest) + u'\u2026';
}

} // namespace

void ListenForHotKey(Desktop& desktop, CreatureWidget& form) {
    const QString text = form.Chosen().HotKey.trimmed();
    if (text.isEmpty())
        return;
    const auto key = HotKeyFromText(text);
    if (!key) {
        Q_EMIT form.Told(
            Tr(QT_TRANSLATE_NOOP("orbo::HotKey", "\"%1\", the HotKey in Orbo's settings, is no key "
                                                 "Orbo can listen for: name one key with Ctrl, Alt "
                                                 "or Meta, such as \"%2\"."))
                .arg(Quoted(text), kDefaultHotKey));
        return;
    }
    const QString name = QKeySequence(*key).toString(QKeySequence::NativeText);
    // Where no program can have a key, a note: another key would fare no better.
    const auto noted = [name] {
        const QString line = Tr(QT_TRANSLATE_NOOP(
            "orbo::HotKey", "orbo: %1 does not hide and show Orbo on this desktop"));
        PrintText(stderr, line.arg(name) + u'\n');
    };
    if (!desktop.ListensForKeys()) {
        noted();
        return;
    }
    // Said once, whether the desktop refuses the key now or finds it taken later.
    auto said = std::make_shared<bool>(false);
    const auto refused = [&form, name, said, noted](const QString& why) {
        if (std::exchange(*said, true))
            return;
        if (why.isEmpty()) {
            noted();
            return;
        }
        Q_EMIT form.Told(Tr(QT_TRANSLATE_NOOP("orbo::HotKey",
                                              "%1 cannot hide and show Orbo: %2. Another key can "
                                              "be set as HotKey in Orbo's settings."))
                             .arg(name, why));
    };
    desktop.SetKeyRefusalListener(refused);
    if (const auto why =
            desktop.ListenForKey(*key, [&form] { form.SetCreatureShown(!form.CreatureShown()); }))
        refused(*why);
}

} // namespace orbo
