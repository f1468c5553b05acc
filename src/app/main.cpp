// The program: the creature model, its window, the options window and the tray put together.
#include "app/command_line.h"
#include "creature/creature.h"
#include "creature_widget/creature_menu.h"
#include "creature_widget/creature_widget.h"
#include "creature_widget/hot_key.h"
#if !defined(Q_OS_WIN)
#include "creature_widget/pointer_notice.h"
#endif
#include "creature_widget/tray.h"
#include "options/options_host.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/display.h"
#include "platform/desktop/window_system.h"
#include "platform/system/autostart.h"
#include "platform/system/console.h"
#include "platform/system/files.h"
#include "platform/system/session_bus.h"
#include "platform/system/settings_store.h"
#include "platform/system/single_instance.h"
#include "platform/system/termination.h"
#include "platform/window/full_screen_watch.h"
#include "platform/window/workspaces.h"
#include "resources/resources.h"
#if defined(Q_OS_WIN)
#include "tools/skin_check_main.h"
#endif

#include <QtWidgets/QApplication>

#include <cstdlib>
#include <cstring>

namespace {

// Qt's messages as Qt prints them, but a fatal one (a platform that does not start) ends the
// program with Orbo's own line and status rather than an abort.
void EndOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        orbo::PrintText(stderr, qFormatLogMessage(type, context, message) + u'\n');
        return;
    }
    orbo::PrintText(stderr, QStringLiteral("orbo: ") + message.trimmed() + u'\n');
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
#if defined(Q_OS_WIN)
    // orbo-skin-check.exe runs the skin checker here, with the one copy of Qt the program has.
    if (argc > 1 && std::strcmp(argv[1], ORBO_SKIN_CHECK_MODE) == 0) {
        orbo::JoinParentConsole();
        return orbo::SkinCheckMain(argc, argv, 2);
    }
#endif
    if (const auto status = orbo::AnswerHelpOrVersion(argc, argv))
        return *status;
#if !defined(Q_OS_WIN)
    // Wayland lets no ordinary window place itself or stay above the others: X (XWayland under
    // Wayland), unless the compositor offers layer shell, whose surfaces can. A platform the user
    // names (QT_QPA_PLATFORM, -platform) is taken as named.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", orbo::PreferredPlatform());
    // Qt's own XInput2 handling crashes on some device changes (Qt 6.11 under GNOME 50, when a
    // remote desktop session starts). The window needs no touch, tablet or smooth scrolling from
    // it, and the pointer is read on a connection of the program's own.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_XI2"))
        qputenv("QT_XCB_NO_XI2", "1");
#endif
    // No program of ours asks for a bus daemon to be started where the session has none.
    orbo::KeepOffAbsentSessionBus();
    // Qt aborts when its platform cannot start; say why in one line and fail instead.
    orbo::DisplayCheck display(argc, argv);
    if (display.Problem()) {
        // Told in the user's language: an application object that needs no display loads it.
        const QCoreApplication core(argc, argv);
        orbo::InstallTranslations();
        orbo::PrintText(stderr,
                        QStringLiteral("orbo: ") + display.Problem().value_or(QString()) + u'\n');
        return 1;
    }
    // Should the display still fail Qt (it went away since), Qt's own reason ends the program
    // with a status rather than an abort.
    const QtMessageHandler previous = qInstallMessageHandler(EndOnFatalMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    display.Release();
    QApplication::setApplicationName(QStringLiteral("orbo"));
    QApplication::setApplicationVersion(QStringLiteral(ORBO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    orbo::InstallTranslations();
    if (const auto status = orbo::RefuseOtherArguments(QCoreApplication::arguments()))
        return *status;
    // One creature per session: a later start hands over to the first one and ends.
    orbo::SingleInstance instance;
    if (const auto status = instance.Claim(orbo::AsksToToggle(QCoreApplication::arguments())
                                               ? orbo::SingleInstance::Request::Toggle
                                               : orbo::SingleInstance::Request::BringBack))
        return *status;

    const auto desktop = orbo::MakeDesktop();
    const auto store = orbo::MakeSettingsStore();
    orbo::Creature creature(*desktop, orbo::SkinsFolders());
    orbo::CreatureWidget form(creature, *desktop, *store);

    // However the program is asked to end, it ends through the creature window's close.
    orbo::WatchTerminationRequests(form, [&form] { form.close(); });
    instance.OnExit([&form] { form.close(); });
    instance.OnBringBack([&form] { form.ComeForward(); });
    instance.OnToggle([&form] { form.SetCreatureShown(!form.CreatureShown()); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form] { form.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, [&form] { form.End(); });

    // Out of the way of full-screen windows and on every workspace, as the user chooses.
    const auto fullScreen = orbo::MakeFullScreenWatch([&form] { return form.geometry(); });
    QObject::connect(fullScreen.get(), &orbo::FullScreenWatch::HidesChanged, &form,
                     &orbo::CreatureWidget::SetHiddenForFullScreen);
    form.SetDesktopChoiceHooks(
        {orbo::SetOnAllWorkspaces, [&fullScreen](bool on) { fullScreen->SetEnabled(on); }});

    form.Start();
    // Where a later start cannot reach this one, nothing but a tray turns click-through off.
    if (!instance.Reachable())
        form.StartWithClicksTaken();
    // A full-screen window in front already keeps it hidden.
    if (!form.Resting())
        form.show();
    // The options window is made when the user asks for it.
    orbo::OptionsHost options(creature, form);
    const orbo::Autostart autostart = orbo::MakeAutostart();
    orbo::CreatureMenu creatureMenu(
        form, {.Options = [&options] { options.ShowOrHide(); },
               .Exit = [&form] { form.close(); },
               .StartsAtLogin = [&autostart] { return autostart.Enabled(); },
               .SetStartAtLogin = [&autostart](bool on) { return autostart.Set(on); },
               .TrayShown = [] { return QSystemTrayIcon::isSystemTrayAvailable(); }});
    orbo::TrayIcon tray(form, creatureMenu);
    orbo::ListenForHotKey(*desktop, form);
#if !defined(Q_OS_WIN)
    orbo::TellWherePointerIsSeen(*desktop, creature, *store);
#endif
    return app.exec();
}
