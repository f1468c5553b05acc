// The options window on Qt's offscreen platform: pages, credits, slider, toggles, skin list; and
// every text translated in each shipped language, and shown whole in the fixed layout.
#include "creature/activation.h"
#include "creature/creature.h"
#include "creature/default_skin.h"
#include "creature/stored_choices.h"
#include "creature_widget/creature_widget.h"
#include "creature_widget/hot_key.h"
#include "creature_widget/tray.h"
#include "memory_settings_store.h"
#include "options/options_host.h"
#include "options/options_layout.h"
#include "options/options_window.h"
#include "options/shape_box.h"
#include "platform/desktop/desktop.h"
#include "platform/system/files.h"
#include "platform/system/settings_store.h"
#include "resources/resources.h"
#include "running_creature.h"
#include "scripted_desktop.h"
#include "wait_for.h"
#ifndef Q_OS_WIN
#include "creature_widget/pointer_notice.h"
#include "platform/desktop/gnome_extension.h"
#endif

#include <QtCore/QDir>
#include <QtCore/QLibraryInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QTranslator>
#include <QtCore/QUuid>
#include <QtGui/QImage>
#include <QtGui/QRegion>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMessageBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

const QColor kPage(191, 255, 0);
const QColor kSelected(199, 255, 0);
const QColor kInk(253, 0, 177);

// The control of a window a person reads a text on; a page's entry in the menu column.
template <class Control = QLabel> Control& Reading(QWidget& window, const QString& text) {
    for (Control* control : window.findChildren<Control*>())
        if (control->text() == text)
            return *control;
    throw std::runtime_error("no control reads " + text.toStdString());
}
QLabel& Entry(QWidget& window, int page) {
    const std::array<const char*, 4> entries{"Skins", "About", " About Skin", "Options"};
    return Reading(window, OptionsWindow::tr(entries[std::size_t(page)]));
}

// A skin folder copied beside the test program under a name of its own; removed afterwards.
class InstalledSkin {
public:
    explicit InstalledSkin(const QString& source)
        : name_(QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          path_(QCoreApplication::applicationDirPath() + QStringLiteral("/Skins/") + name_) {
        QDir().mkpath(path_);
        const QDir from(source);
        for (const QString& f : from.entryList(QDir::Files))
            QFile::copy(from.filePath(f), path_ + u'/' + f);
    }
    ~InstalledSkin() { QDir(path_).removeRecursively(); }
    const QString& Name() const { return name_; }
    const QString& Path() const { return path_; }

private:
    QString name_;
    QString path_;
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { widget.Start(); }

    // Made the way the popup menu's owner makes it, then shown.
    OptionsWindow& Shown() {
        options = std::make_unique<OptionsWindow>(creature, widget);
        options->ShowOrHide();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(options.get()));
        return *options;
    }
    static QColor Back(const QWidget& w) { return w.palette().color(QPalette::Window); }
    // What the window shows at a point of a control.
    static QColor ShownAt(QWidget& window, const QWidget& control, QPoint local) {
        return window.grab().toImage().pixelColor(control.mapTo(&window, local));
    }
    // Only `page` is shown, its entry bold in the marking colours, as the window shows it.
    void ExpectMarked(OptionsWindow& o, int page, const QColor& back) {
        EXPECT_EQ(page, o.ShownPage());
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const QLabel& entry = Entry(o, i);
            const bool marked = i == page;
            EXPECT_EQ(marked, entry.font().bold());
            EXPECT_EQ(marked ? back : o.palette().color(QPalette::Button), Back(entry));
            EXPECT_EQ(marked ? kInk : o.palette().color(QPalette::ButtonText),
                      entry.palette().color(QPalette::WindowText));
            // The focused entry wears the style's focus frame over its colours.
            if (!entry.hasFocus()) {
                EXPECT_EQ(Back(entry), ShownAt(o, entry, {1, 1}));
            }
        }
    }

    ScriptedDesktop desktop;
    MemorySettingsStore store;
    Creature creature{desktop, SkinsFolders()};
    const Choices& general = creature.Chosen();
    CreatureWidget widget{creature, desktop, store};
    std::unique_ptr<OptionsWindow> options;
};

TEST_F(OptionsWindowTest, OpensOnTheSkinsPageAndAClickedEntryShowsItsPage) {
    OptionsWindow& o = Shown();
    EXPECT_EQ(u"Orbo - Options", o.windowTitle());
    EXPECT_EQ(QSize(306, 103), o.size()); // 4590 x 1545 twips
    ExpectMarked(o, 0, kPage);
    // 80 twips is 5.33 pixels: the list lands on whole pixels, 160 twips smaller than the page.
    EXPECT_EQ(QRect(5, 5, 254, 92), o.findChild<QListWidget*>()->geometry());
    // A click on an entry shows its page and marks it.
    QTest::mouseClick(&Entry(o, 3), Qt::LeftButton);
    QTest::mouseClick(&Entry(o, 1), Qt::RightButton); // a right click is no click
    ExpectMarked(o, 3, kSelected);
    EXPECT_EQ(QColor(192, 192, 192), ShownAt(o, o, {166, 85})); // the grey panel
    QTest::mouseClick(&Entry(o, 0), Qt::LeftButton);
    ExpectMarked(o, 0, kSelected);
    // The About Skin text is rebuilt by a click on its entry only.
    QTest::mouseClick(&Entry(o, 2), Qt::LeftButton);
    const InstalledSkin skin(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Peeker"));
    creature.ActivateSkin(skin.Name());
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo' by Quillon, 18/2/0\r"));
    QTest::mouseClick(&Entry(o, 2), Qt::LeftButton);
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Peeker'"));
    EXPECT_TRUE(Reading(o, LabelText(o.AboutSkinCaption())).isVisible());
}

// The pilcrow toggles the credits; beside it, the version toggles the licence notice, whole.
TEST_F(OptionsWindowTest, ThePilcrowTogglesTheCreditsTheVersionTheLicence) {
    OptionsWindow& o = Shown();
    QTest::mouseClick(&Entry(o, 1), Qt::LeftButton);
    QLabel& credits = Reading(o, LabelText(CreditsText(QStringLiteral(ORBO_VERSION))));
    QTest::mouseClick(&Reading(o, u"\u00B6"_s), Qt::LeftButton);
    EXPECT_FALSE(credits.isHidden());
    // The label grew to its six lines; the magenta box lies exactly behind it.
    EXPECT_GT(credits.height(), 5 * 14);
    EXPECT_EQ(QPoint(104, 9), credits.pos());
    // The boxes shown behind the page's texts: on this page only the credits' magenta one (the
    // licence caption covers a corner of it, by as much as the fonts make it).
    const auto box = [&o] {
        QRect shown;
        for (const ShapeBox* b : o.findChildren<ShapeBox*>())
            if (b->isVisible())
                shown |= QRect(b->mapTo(&o, QPoint()), b->size());
        return shown;
    };
    const QRect behind(credits.mapTo(&o, QPoint()), credits.size());
    EXPECT_EQ(behind, box());
    EXPECT_EQ(0xFFFF00FF, o.grab().toImage().pixel(behind.topLeft()));
    QTest::mouseClick(&Reading(o, u"\u00B6"_s), Qt::LeftButton);
    EXPECT_TRUE(credits.isHidden());
    EXPECT_EQ(QRect(), box());

    QLabel& licence = Reading(o, QStringLiteral("Orbo " ORBO_VERSION " · Licence"));
    QTest::mouseClick(&licence, Qt::LeftButton);
    const QString noticeText = LabelText(LicenceText(QStringLiteral(ORBO_VERSION)));
    const QLabel& notice = Reading(o, noticeText);
    ASSERT_TRUE(notice.isVisible());
    for (const char* says : {"Copyright", "NO WARRANTY", "version 3 or later", "gpl-3.0"})
        EXPECT_TRUE(notice.text().contains(QLatin1String(says))) << says;
    EXPECT_TRUE(notice.parentWidget()->rect().contains(notice.geometry())) << "cut at the page";
    const QSize needs = notice.wordWrap()
                            ? QSize(notice.width(), notice.heightForWidth(notice.width()))
                            : notice.sizeHint();
    EXPECT_TRUE(needs.width() <= notice.width() && needs.height() <= notice.height()) << "cut";
    licence.setFocus();
    QTest::keyClick(&licence, Qt::Key_Space);
    EXPECT_TRUE(notice.isHidden());
}

// Made when Options is first chosen; Options toggles it on the same page; closed, the next starts
// afresh.
TEST_F(OptionsWindowTest, OptionsCommandTogglesTheWindowAndClosingMakesItAfresh) {
    OptionsHost host(creature, widget);
    EXPECT_EQ(nullptr, host.Window()) << "made before it was asked for";
    host.ShowOrHide();
    OptionsWindow* o = host.Window();
    ASSERT_NE(nullptr, o);
    EXPECT_TRUE(o->isVisible());
    QTest::mouseClick(&Entry(*o, 3), Qt::LeftButton);
    host.ShowOrHide();
    EXPECT_FALSE(o->isVisible());
    host.ShowOrHide();
    EXPECT_EQ(o, host.Window()) << "a living window is not made again";
    EXPECT_TRUE(o->isVisible());
    EXPECT_EQ(3, o->ShownPage());
    // Escape reaches the window through the control that has the focus.
    QTest::keyClick(o->focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(o->Closed());
    EXPECT_TRUE(store.Values.empty()); // only the creature window's closing saves
    creature.SetSpeed(40);
    creature.SetBlink(false);
    host.ShowOrHide();
    o = host.Window();
    ASSERT_FALSE(o->Closed());
    EXPECT_TRUE(o->isVisible());
    EXPECT_EQ(u"40", o->ShownSpeed());
    EXPECT_EQ(732, o->Slider().HandleTop);
    EXPECT_FALSE(Reading<QCheckBox>(*o, QStringLiteral("Allow Blink")).isChecked());
    EXPECT_EQ(0, o->ShownPage()) << "not on the Skins page";
}

// Keys alone reach every page and move the slider (Ctrl+Page Down in the list too).
TEST_F(OptionsWindowTest, KeysReachEveryPageAndMoveTheSlider) {
    OptionsWindow& o = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&o));
    ASSERT_EQ(o.findChild<QListWidget*>(), QApplication::focusWidget());
    const QString skin = general.SkinName;
    QWidget* handle = o.findChild<QWidget*>(QStringLiteral("speedHandle"));
    const struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
        QWidget* focus;
    } steps[] = {
        {Qt::Key_PageDown, Qt::ControlModifier, 3, handle},
        {Qt::Key_Tab, {}, 3, &Reading<QCheckBox>(o, QStringLiteral("Always On Top"))},
        {Qt::Key_Tab, Qt::ControlModifier, 1, &Reading(o, u"\u00B6"_s)},
        {Qt::Key_Return, {}, 1, &Reading(o, u"\u00B6"_s)}, // shows the credits
        {Qt::Key_PageDown, Qt::ControlModifier, 2, &Entry(o, 2)},
        {Qt::Key_Tab, Qt::ControlModifier, 0, &Entry(o, 0)},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2, &Entry(o, 2)},
        {Qt::Key_PageUp, Qt::ControlModifier, 1, &Entry(o, 1)},
        {Qt::Key_Backtab, Qt::ShiftModifier, 1, &Entry(o, 3)},
        {Qt::Key_Space, {}, 3, &Entry(o, 3)},
        {Qt::Key_Tab, {}, 3, &Entry(o, 1)},
        {Qt::Key_Tab, {}, 3, &Entry(o, 2)},
        {Qt::Key_Tab, {}, 3, handle},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << &step - steps);
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        ExpectMarked(o, step.page, kSelected);
        EXPECT_EQ(step.focus, QApplication::focusWidget());
    }
    EXPECT_EQ(skin, general.SkinName);
    EXPECT_FALSE(Reading(o, LabelText(CreditsText(QStringLiteral(ORBO_VERSION)))).isHidden());
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo'"));

    struct Move {
        Qt::Key key;
        int speed, top, interval; // the handle's top in pixels
    };
    // Which speed each key gives is the slider's unit table; here they reach the creature.
    for (const Move& move : {Move{Qt::Key_Up, 86, 18, 71}, Move{Qt::Key_End, 100, 8, 1},
                             Move{Qt::Key_Left, 99, 9, 6}}) {
        SCOPED_TRACE(move.key);
        QTest::keyClick(handle, move.key);
        EXPECT_EQ(move.speed, general.Speed);
        EXPECT_EQ(QString::number(move.speed), o.ShownSpeed());
        EXPECT_EQ(move.top, handle->y());
        EXPECT_EQ(move.interval, widget.AnimationInterval());
    }
    const QImage focused = handle->grab().toImage();
    QTest::keyClick(handle, Qt::Key_Tab);
    EXPECT_NE(focused, handle->grab().toImage()) << "the focus was not shown on the handle";
    widget.close(); // as "&Exit" ends it
    EXPECT_EQ(u"99", store.GetSetting(kSettingsApp, kSettingsSection, "Speed", {}));
}

TEST_F(OptionsWindowTest, TheListSelectsTheActiveSkinAndAppliesAPickAtOnce) {
    creature.ActivateSkin(QStringLiteral("no such skin"));
    Shown().findChild<QListWidget*>()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QString(), options->SelectedSkin());
    EXPECT_EQ(u"no such skin", general.SkinName) << "focusing the list picked a skin";
    options->close();

    const InstalledSkin skin(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Peeker"));
    creature.ActivateSkin(skin.Name().toUpper());
    ASSERT_EQ(QSize(110, 86), widget.size());
    OptionsWindow& o = Shown();
    EXPECT_EQ(skin.Name(), o.SelectedSkin());
    EXPECT_EQ(skin.Name().toUpper(), general.SkinName) << "loaded again under the list's name";
    QListWidget& list = *o.findChild<QListWidget*>();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(kNoSkin, general.SkinName);
    EXPECT_EQ(QSize(75, 100), widget.size());
    const QListWidgetItem* item = list.findItems(skin.Name(), Qt::MatchExactly).value(0);
    ASSERT_NE(nullptr, item);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
    EXPECT_EQ(skin.Name(), general.SkinName);
    EXPECT_EQ(QSize(110, 86), widget.size());
    EXPECT_EQ(u"Peeker", creature.Skin().Name);

    // The list follows its folder while the window is open; the active skin stays selected.
    const auto listed = [&o](const QString& name) { return o.SkinListEntries().contains(name); };
    const InstalledSkin added(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Donut"));
    EXPECT_TRUE(testing::WaitFor([&] { return listed(added.Name()); })) << "not added";
    const QString renamed = added.Name() + QStringLiteral("-renamed");
    ASSERT_TRUE(QDir().rename(added.Path(), added.Path() + QStringLiteral("-renamed")));
    EXPECT_TRUE(testing::WaitFor([&] { return listed(renamed) && !listed(added.Name()); }))
        << "not renamed";
    ASSERT_TRUE(QDir(added.Path() + QStringLiteral("-renamed")).removeRecursively());
    EXPECT_TRUE(testing::WaitFor([&] { return !listed(renamed); })) << "not removed";
    EXPECT_EQ(skin.Name(), o.SelectedSkin());
    EXPECT_EQ(skin.Name(), general.SkinName);
}

#ifndef Q_OS_WIN
// A new user's first skin shows, however many of the folders above the own skins folder were
// missing when the window opened, and again when they are made anew.
TEST_F(OptionsWindowTest, TheListFollowsAnOwnSkinsFolderMadeLater) {
    QTemporaryDir data;
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    OptionsWindow& o = Shown();
    const auto listed = [&o] { return o.SkinListEntries().contains(u"AAA-first"); };
    for (int again = 0; again < 2; ++again) {
        ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("orbo/Skins/AAA-first"))));
        EXPECT_TRUE(testing::WaitFor(listed)) << again;
        ASSERT_TRUE(QDir(data.filePath(QStringLiteral("orbo"))).removeRecursively());
        EXPECT_TRUE(testing::WaitFor([&] { return !listed(); })) << again;
    }
    qputenv("XDG_DATA_HOME", before);
}
#endif

const QStringList kShipped{u"de"_s, u"fr"_s, u"es"_s};
// What GNOME Shell's answers give the advice to say.
const QString kShippedForm = u"/usr/share/orbo/gnome-shell-45"_s;
const QString kShellError = u"TypeError"_s;

// Marks as ⟦source⟧ each text every catalogue (or Qt's, for Qt's texts) translates: an unmarked
// text skipped translation or lacks an entry.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() {
        InitResources();
        for (const QString& language : kShipped) {
            shipped_.push_back(std::make_unique<QTranslator>());
            EXPECT_TRUE(shipped_.back()->load(u"orbo_"_s + language, u":/i18n"_s))
                << language.toStdString();
        }
        // The system's, or on Windows the program's own copy.
        EXPECT_TRUE(qt_.load(u"qtbase_de"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                    qt_.load(u"qtbase_de"_s, u":/i18n"_s));
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        const bool ours = std::all_of(shipped_.begin(), shipped_.end(), [&](const auto& t) {
            return !t->translate(context, source, disambiguation, n).isEmpty();
        });
        if (ours || !qt_.translate(context, source, disambiguation, n).isEmpty()) {
            // What fills %1, %2... stays outside: a text given there is checked where it is made.
            static const QRegularExpression placeholder(u"(%\\d+)"_s);
            return u'\u27E6' +
                   QString::fromUtf8(source).replace(placeholder, u"\u27E7\\1\u27E6"_s) + u'\u27E7';
        }
        return {};
    }

private:
    std::vector<std::unique_ptr<QTranslator>> shipped_;
    QTranslator qt_;
};

// What a person reads on a window, its controls, menus and lists.
QStringList Texts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.append(&window);
    for (QWidget* w : widgets) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto* menu = qobject_cast<QMenu*>(w))
            for (const QAction* item : menu->actions())
                texts << item->text();
    }
    return texts;
}

// The words left once the translated parts and the names no language changes are taken out.
QString Untranslated(QString text) {
    static const QRegularExpression marked(u"\u27E6[^\u27E6\u27E7]*\u27E7"_s);
    while (text.contains(marked))
        text.remove(marked);
    // Names, and what the user types or runs as it is: the extension's id, a stored key.
    QStringList names;
    names << u"orbo-pointer@orbo.example"_s << kDefaultHotKey << kShippedForm << kShellError
          << u"Ally McOrbo"_s << u"Orbo"_s << u"Quillon"_s << kDefaultSkinEmail
          << kDefaultSkinHomePage << u"Dorel Vant- Tinyclaw"_s
          << u"https://www.gnu.org/licenses/gpl-3.0.html"_s;
    // Skins' names are their own, shown as they are.
    for (const QString& folder : SkinsFolders())
        names += QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        text.remove(name);
    // And those the tests running beside this one install meanwhile.
    text.remove(QRegularExpression(u"test-[0-9a-f-]{36}"_s));
    return text.contains(QRegularExpression(u"\\p{L}\\p{L}"_s)) ? text : QString();
}

// The creature with its menus, tray and options window, each page shown, and its notices.
TEST(Translation, EveryTextAPersonReadsIsTranslated) {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    {
        testing::RunningCreature c;
        c.Store.SaveSetting(kSettingsApp, kSettingsSection, u"HotKey"_s, u"Q"_s);
        OptionsHost options(c.Model, c.Form);
        MenuHooks hooks;
        hooks.TrayShown = [] { return false; };
        CreatureMenu menu(c.Form, hooks);
        TrayIcon tray(c.Form, menu);
        QStringList told;
        QObject::connect(&c.Form, &CreatureWidget::Told, &c.Form,
                         [&told](const QString& t) { told << t; });
        c.Form.Start();
        ListenForHotKey(c.Desk, c.Form);
        c.Form.SetClickThrough(true);
        c.Form.ComeForward();
        c.Form.SetClickThrough(true);
        c.Form.StartWithClicksTaken();
        QCoreApplication::processEvents();
        ASSERT_EQ(3, told.size());

        QStringList texts = told + Texts(c.Form.PopupMenu()) + Texts(tray.Menu());
        texts << tray.Icon().toolTip();
        options.ShowOrHide();
        OptionsWindow& o = *options.Window();
        for (int page = 0; page < 4; ++page) {
            QTest::mouseClick(&Entry(o, page), Qt::LeftButton);
            texts += Texts(o);
        }
#ifndef Q_OS_WIN
        c.Desk.Everywhere = false;
        std::unique_ptr<QMessageBox> notice(TellWherePointerIsSeen(c.Desk, c.Model, c.Store));
        ASSERT_TRUE(notice);
        texts += Texts(*notice);
        // GNOME's advice, which that notice holds there: every state, with a form, none, or a
        // shell newer than every form.
        for (int status = 0; status <= int(GnomeExtensionStatus::On); ++status)
            for (const char* shell : {"44.1", "48.1", "52.1"})
                texts << GnomeExtensionAdvice(
                    GnomeExtensionStatus(status), {{u"error"_s, kShellError}},
                    QString::fromLatin1(shell), {{kShippedForm, {u"45"_s, u"51"_s}}});
#endif
        QApplication::closeAllWindows();
        for (const QString& text : texts)
            EXPECT_EQ(QString(), Untranslated(text)) << text.toStdString();
    }
    QCoreApplication::removeTranslator(&pseudo);
}

// Each language's texts show whole, inside their page, needing no more room than the control
// has or the English text needs.
TEST(Translation, TheOptionsWindowShowsEachLanguageWhole) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "measured where the options window's fonts have Arial's metrics (Liberation)";
#endif
    // The width, the height and the widest word each text needs, in the order they show.
    using Needs = std::array<int, 3>;
    std::vector<Needs> english;
    for (const QString& language : QStringList{u"en"_s} + kShipped) {
        SCOPED_TRACE(language.toStdString());
        QTranslator catalogue;
        InitResources();
        ASSERT_TRUE(language == u"en" || catalogue.load(u"orbo_"_s + language, u":/i18n"_s));
        QCoreApplication::installTranslator(&catalogue);
        {
            testing::RunningCreature c;
            c.Form.Start();
            OptionsHost options(c.Model, c.Form);
            const CreatureMenu menu(c.Form, MenuHooks());
            // Each item of the menu keeps a key of its own.
            QStringList keys;
            for (const QAction* item : c.Form.PopupMenu().actions()) {
                if (item->isSeparator())
                    continue;
                keys << QKeySequence::mnemonic(item->text()).toString();
                EXPECT_TRUE(!keys.back().isEmpty() && keys.count(keys.back()) == 1)
                    << item->text().toStdString();
            }
            options.ShowOrHide();
            OptionsWindow& o = *options.Window();
            std::size_t seen = 0;
            const auto expectWhole = [&] {
                for (QWidget* w : o.findChildren<QWidget*>()) {
                    auto* label = qobject_cast<QLabel*>(w);
                    auto* box = qobject_cast<QAbstractButton*>(w);
                    const QString text = label ? label->text() : box ? box->text() : QString();
                    if (text.isEmpty() || !w->isVisibleTo(&o))
                        continue;
                    const bool wraps = label && label->wordWrap();
                    Needs needs{wraps ? 0 : w->sizeHint().width(),
                                wraps ? label->heightForWidth(w->width()) : w->sizeHint().height(),
                                0};
                    for (const QString& word :
                         wraps ? text.split(QRegularExpression(u"\\s+"_s)) : QStringList())
                        needs[2] = std::max(needs[2], w->fontMetrics().horizontalAdvance(word));
                    if (language == u"en") {
                        english.push_back(needs);
                        continue;
                    }
                    ASSERT_LT(seen, english.size());
                    const Needs has{w->width(), w->height(), w->contentsRect().width()};
                    for (std::size_t i = 0; i < needs.size(); ++i)
                        EXPECT_LE(needs[i], std::max(has[i], english[seen][i]))
                            << text.toStdString() << ": width, height, widest word " << i;
                    ++seen;
                    EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                        << text.toStdString();
                }
            };
            for (int page = 0; page < 4; ++page) {
                QTest::mouseClick(&Entry(o, page), Qt::LeftButton);
                expectWhole();
            }
            QTest::mouseClick(&Entry(o, 1), Qt::LeftButton);
            const QString licence = OptionsWindow::tr("Orbo %1 · Licence").arg(ORBO_VERSION);
            for (const QString& shows : {u"\u00B6"_s, u"\u00B6"_s, licence}) {
                QTest::mouseClick(&Reading(o, shows), Qt::LeftButton);
                expectWhole();
            }
        }
        QCoreApplication::removeTranslator(&catalogue);
    }
}

} // namespace
} // namespace orbo
