// Files: the program's and the user's skins folders, safe reading, names inside a skin.
#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace orbo {

// The program's folder: the executable's own, or for an installed build whose binary has no
// Skins/ beside it, the shipped data folder (<prefix>/share/orbo from <prefix>/games).
QString AppPath();

// The user's own skins: $XDG_DATA_HOME/orbo/Skins (~/.local/share/orbo/Skins when that is unset
// or relative) on Linux and other XDG desktops; empty where there is no such place (Windows).
QString UserSkinsFolder();

// Where skins are listed from and looked for, the first folder that holds a name winning: the
// user's own (when not empty), then Skins/ in the program's folder.
QStringList SkinsFolders(const QString& appPath, const QString& userSkins);
// The same for this program and this user.
QStringList SkinsFolders();

// The bytes of a regular file, at most maxBytes of them (the rest is not read). Devices, FIFOs
// and folders are refused without blocking.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);

// Resolves a relative name written in a skin ("pics\Eye.BMP") inside folder: "\" and "/" both
// separate folders and each part is found by its exact name first, then ignoring letter case.
// Absolute names, "..", empty names and anything that leads outside folder (a link out of it)
// give no result. The result names an existing entry, not necessarily a regular file.
std::optional<QString> ResolveInFolder(const QString& folder, const QString& relative);

// Whether a name can be one entry of a folder: not empty, "." or "..", and holding no "/", "\"
// or NUL.
bool IsEntryName(const QString& name);

// One name inside parent: exact first, then ignoring letter case. The name must be an entry
// name (IsEntryName).
std::optional<QString> FindEntry(const QString& parent, const QString& name);

// A name Windows takes for something other than an entry of the folder: a device (CON, PRN,
// AUX, NUL, COM1-COM9, LPT1-LPT9, CONIN$, CONOUT$, with any extension), a drive or an alternate
// data stream (anything holding ':'), or a name Windows trims (a trailing dot or blank, so
// "pic.bmp." opens "pic.bmp"). FindEntry finds none of these on Windows.
bool IsWindowsSpecialName(const QString& name);

// The entries of a folder as the file system lists them, "." and ".." included, unsorted.
QStringList Dir(const QString& folder);

} // namespace orbo
