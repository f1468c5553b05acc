// Every text translated in each shipped language, and shown whole in the fixed layout.
#include "creature/default_skin.h"
#include "creature/settings_io.h"
#include "main/hot_key.h"
#include "main/tray.h"
#include "options/frm_options.h"
#include "options/options_host.h"
#include "platform/system/files.h"
#include "resources/resources.h"
#include "running_creature.h"
#ifndef Q_OS_WIN
#include "main/pointer_notice.h"
#include "platform/desktop/gnome_extension.h"
#endif

#include <QtCore/QDir>
#include <QtCore/QLibraryInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QTranslator>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMessageBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

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
    QStringList names{u"orbo-pointer@orbo.example"_s,
                      kDefaultHotKey,
                      kShippedForm,
                      kShellError,
                      u"Ally McOrbo"_s,
                      u"Orbo"_s,
                      u"Quillon"_s,
                      kDefaultSkinEmail,
                      kDefaultSkinHomePage,
                      u"Dorel Vant- Tinyclaw"_s,
                      u"https://www.gnu.org/licenses/gpl-3.0.html"_s};
    // Skins' names are their own, shown as they are.
    for (const QString& folder : SkinsFolders())
        names += QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        text.remove(name);
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
        options.SetCreatureMenu(&menu);
        TrayIcon tray(c.Form, menu);
        QStringList told;
        QObject::connect(&c.Form, &Form1::Told, &c.Form, [&told](const QString& t) { told << t; });
        c.Form.Form_Load();
        ListenForHotKey(c.Desk, c.Form);
        c.Form.SetClickThrough(true);
        c.Form.ComeForward();
        c.Form.SetClickThrough(true);
        c.Form.StartWithClicksTaken();
        QCoreApplication::processEvents();
        ASSERT_EQ(3, told.size());

        QStringList texts = told + Texts(*options.Menu()) + Texts(tray.Menu());
        texts << tray.Icon().toolTip();
        frmOptions& o = *options.Window();
        o.show();
        for (int page = 0; page < 4; ++page) {
            QTest::mouseClick(o.lblMenu[std::size_t(page)], Qt::LeftButton);
            texts += Texts(o);
        }
#ifndef Q_OS_WIN
        c.Desk.Everywhere = false;
        std::unique_ptr<QMessageBox> notice(TellWherePointerIsSeen(c.Desk, c.Store));
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
            c.Form.Form_Load();
            OptionsHost options(c.Model, c.Form);
            CreatureMenu menu(c.Form, MenuHooks());
            options.SetCreatureMenu(&menu);
            // Each item of the menu keeps a key of its own.
            QStringList keys;
            for (const QAction* item : options.Menu()->actions()) {
                keys << QKeySequence::mnemonic(item->text()).toString();
                EXPECT_TRUE(!keys.back().isEmpty() && keys.count(keys.back()) == 1)
                    << item->text().toStdString();
            }
            frmOptions& o = *options.Window();
            o.show();
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
            for (std::size_t page = 0; page < 4; ++page) {
                QTest::mouseClick(o.lblMenu[page], Qt::LeftButton);
                expectWhole();
            }
            QTest::mouseClick(o.lblMenu[1], Qt::LeftButton);
            for (QLabel* shows : {o.lblAbout, o.lblAbout, o.lblLicence}) {
                QTest::mouseClick(shows, Qt::LeftButton);
                expectWhole();
            }
        }
        QCoreApplication::removeTranslator(&catalogue);
    }
}

} // namespace
} // namespace orbo
