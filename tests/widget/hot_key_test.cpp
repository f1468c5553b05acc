// The hot key: the stored key heard, each press hiding or showing, a key not had said.
#include "creature/settings_io.h"
#include "main/hot_key.h"
#include "platform/desktop/desktop.h"
#include "running_creature.h"

#include <QtTest/QSignalSpy>

#include <gtest/gtest.h>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

struct Row {
    const char* Stored; // nullptr: nothing stored
    bool Listens;       // whether the desktop lets a program listen for keys
    std::optional<QString> Refusal;
    std::optional<QString> Later; // found taken later, twice
    QKeyCombination Held;
    QString Told; // in what the user is told
};

TEST(ListenForHotKey, EachPressHidesOrShowsAndAKeyNotHadIsSaid) {
    // Quoted back cut short: the message must fit on the screen.
    static const std::string kLong = "Ctrl+Alt+" + std::string(100000, 'x');
    const QKeyCombination ctrlAltO = Qt::CTRL | Qt::ALT | Qt::Key_O;
    const std::vector<Row> rows = {
        {nullptr, true, {}, {}, ctrlAltO, {}},
        {"Meta+F2", true, {}, {}, Qt::META | Qt::Key_F2, {}},
        {"", true, {}, {}, {}, {}},
        {"Ctrl+Alt+O", false, {}, {}, {}, {}},
        {"Ctrl+Alt+O", true, u"another program already uses it"_s, u"again"_s, ctrlAltO,
         u"Ctrl+Alt+O cannot hide and show Orbo: another program already uses it."_s},
        {"Ctrl+Alt+O", true, {}, u"the shell has it"_s, ctrlAltO, u"Orbo: the shell has it."_s},
        {"O", true, {}, {}, {}, u"\"O\", the HotKey in Orbo's settings, is no key"_s},
        {kLong.c_str(), true, {}, {}, {}, u"Ctrl+Alt+"_s + QString(31, u'x') + u"\u2026\""_s}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Stored ? row.Stored : "(none)");
        SCOPED_TRACE(row.Later.value_or(u"-"_s).toStdString());
        testing::RunningCreature c;
        auto& [desk, store, model, form] = c;
        desk.Keys = row.Listens;
        desk.KeyRefusal = row.Refusal;
        if (row.Stored)
            store.SaveSetting(kSettingsApp, kSettingsSection, u"HotKey"_s, row.Stored);
        QSignalSpy told(&form, &Form1::Told);
        form.Form_Load();
        ListenForHotKey(desk, form);
        for (int i = 0; row.Later && i < 2; ++i)
            desk.RefuseKeyLater(*row.Later);
        EXPECT_EQ(row.Held, desk.HeldKey);
        EXPECT_EQ(row.Told.isEmpty() ? 0 : 1, told.count());
        if (!told.isEmpty()) {
            EXPECT_TRUE(told.front().front().toString().contains(row.Told))
                << told.front().front().toString().toStdString();
        }
        if (desk.KeyPressed && !row.Refusal && !row.Later) {
            desk.KeyPressed();
            EXPECT_FALSE(form.CreatureShown());
            desk.KeyPressed();
            EXPECT_TRUE(form.CreatureShown());
        }
    }
}

#if defined(Q_OS_WIN)
// Windows refuses a key another program registered; the reason is said in plain words.
TEST(ListenForHotKey, WindowsSaysWhenAnotherProgramHoldsTheKey) {
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'O'));
    const auto desktop = MakeDesktop();
    ASSERT_TRUE(desktop->ListensForKeys());
    EXPECT_EQ(u"another program already uses it"_s,
              desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, [] {}).value_or(QString()));
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(std::nullopt, desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, [] {}));
}
#endif

} // namespace
} // namespace orbo
