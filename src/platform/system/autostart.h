// Start at login: the autostart entry or Run value that names this program.
#pragma once

#include <QtCore/QString>

#include <optional>

namespace orbo {

// Starting Orbo when the user logs in. XDG desktops (Linux): the desktop entry orbo.desktop in
// the user's autostart folder. Windows: the value "Orbo" of
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run. Either names the program by
// its full path; one that names another path (an older install, a build elsewhere) does not
// count as Orbo starting at login: turning it on makes it name this program, turning it off
// removes it.

// What program's path holds that keeps every autostart entry from starting it, in words ("\"%\"",
// "a control character", "a name that is not UTF-8"); nothing when an entry can. GLib loads no
// entry whose program's path holds '%'; systemd starts none whose path holds a quote, a
// backslash, '$', '`' or a control character; file name bytes that were not UTF-8 cannot be named.
std::optional<QString> ExecRefusal(const QString& program);
// The Exec value of a desktop entry that runs program (a full path) without arguments: the path,
// quoted when it holds a character the Exec rules reserve. Nothing when ExecRefusal refuses it.
std::optional<QString> DesktopExec(const QString& program);
// The program an Exec value runs: its first argument with the escapes and quoting undone. Empty
// when there is none (an unclosed quote).
QString ExecProgram(const QString& exec);
// The whole autostart entry for program, which DesktopExec can write.
QString AutostartEntry(const QString& program);
// Whether a desktop entry's text runs program at login: its Exec names it, neither Hidden nor
// GNOME's X-GNOME-Autostart-enabled turns the entry off, and ExecRefusal does not refuse program.
bool EntryStarts(const QString& text, const QString& program);

// The Run value for program: its path in Windows' form, in double quotes.
QString RunValue(const QString& program);
// Whether a Run value runs program: its first part (quoted, or up to ".exe" when not) names it,
// letter case and the kind of slash aside.
bool RunValueStarts(const QString& value, const QString& program);

// Whether the program starts at login, and the switch that turns it on and off.
class Autostart {
public:
    // folder: where an XDG desktop looks for autostart entries (Windows keeps them in the
    // registry and ignores it).
    Autostart(QString program, QString folder);

    bool Enabled() const;
    // Nothing when done; otherwise why not, in a sentence, and nothing was changed.
    std::optional<QString> Set(bool on) const;

    const QString& Program() const { return program_; }
    // The desktop entry's path (XDG desktops).
    QString EntryPath() const;

private:
    QString program_;
    QString folder_;
};

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when that is unset or relative.
QString AutostartFolder();
// For this user and this program as it runs: from an installed prefix, the installed program.
Autostart MakeAutostart();

} // namespace orbo
