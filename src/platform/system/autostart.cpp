// Start at login: the XDG autostart entry or the Windows Run value, written and read back.
#include "autostart.h"

#include "platform/system/files.h"
#include "runtime/text.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

#include <algorithm>

#if defined(Q_OS_WIN)
#include <windows.h>

#include <vector>
#endif

namespace orbo {

using namespace Qt::StringLiterals;

namespace {

// Characters that make an Exec argument need quotes, and those that must be escaped inside them.
constexpr QStringView kReserved = u" \t\n\"'\\><~|&;$*?#()`";
constexpr QStringView kEscapedInQuotes = u"\"`$\\";
// Characters of a path no entry can name so that both GLib and systemd start it: GLib looks for
// the program before undoing "%%"; systemd's units take no quote or backslash in the program's
// path, and its generator escapes '$' and '`' there in a way the unit does not undo.
constexpr QStringView kRefused = u"%\\\"'$`";

// A desktop entry larger than this is no entry Orbo wrote.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

QString UnescapeString(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        switch (text[++i].unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'\\':
            out += u'\\';
            break;
        default: // not an escape: both stay
            out += c;
            out += text[i];
        }
    }
    return out;
}

// The same file however it is spelled: a path written with "/./", "//" or a trailing slash.
bool SamePath(const QString& a, const QString& b) {
    return !a.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

// The same for Windows, whichever the program runs on: either slash, any letter case.
bool SameWindowsPath(QString a, QString b) {
    return SamePath(a.replace(u'\\', u'/').toCaseFolded(), b.replace(u'\\', u'/').toCaseFolded());
}

// The [Desktop Entry] group's value of key as the file holds it; nothing when it is missing.
std::optional<QString> EntryValue(const QString& text, QLatin1StringView key) {
    bool inEntry = false;
    std::optional<QString> found;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'['))
            inEntry = line == "[Desktop Entry]"_L1;
        const qsizetype eq = line.indexOf(u'=');
        if (!inEntry || line.startsWith(u'#') || eq < 0 || line.left(eq).trimmed() != key)
            continue;
        found = line.mid(eq + 1).trimmed();
    }
    return found;
}

} // namespace

std::optional<QString> ExecRefusal(const QString& program) {
    for (const QChar c : program) {
        if (c == QChar::ReplacementCharacter)
            return QCoreApplication::translate("orbo::Autostart", "a name that is not UTF-8");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("orbo::Autostart", "a control character");
        if (kRefused.contains(c))
            return u"\"%1\""_s.arg(c);
    }
    return std::nullopt;
}

std::optional<QString> DesktopExec(const QString& program) {
    if (ExecRefusal(program))
        return std::nullopt;
    // What is left needs quotes at most: nothing inside them is escaped, no string escape applies.
    const bool quote = std::any_of(program.cbegin(), program.cend(),
                                   [](QChar c) { return kReserved.contains(c); });
    return quote ? u'"' + program + u'"' : program;
}

QString ExecProgram(const QString& exec) {
    const QString text = UnescapeString(exec).trimmed();
    QString program;
    if (text.startsWith(u'"')) {
        qsizetype i = 1;
        for (; i < text.size() && text[i] != u'"'; ++i) {
            if (text[i] == u'\\' && i + 1 < text.size() && kEscapedInQuotes.contains(text[i + 1]))
                ++i;
            program += text[i];
        }
        if (i == text.size())
            return {};
    } else {
        for (const QChar c : text) {
            if (c == u' ' || c == u'\t' || c == u'\n')
                break;
            program += c;
        }
    }
    return program.replace("%%"_L1, "%"_L1);
}

QString AutostartEntry(const QString& program) {
    // TryExec: a program that was removed is skipped at login, not reported as failing.
    return u"[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbo\n"
           "Comment=A creature whose eyes follow the mouse\n"
           "Exec=%1\n"
           "TryExec=%2\n"
           "Icon=orbo\n"
           "Terminal=false\n"_s.arg(DesktopExec(program).value_or(QString()), program);
}

bool EntryStarts(const QString& text, const QString& program) {
    // However the entry spells it, no desktop starts such a path.
    if (ExecRefusal(program) || EntryValue(text, "Hidden"_L1) == "true"_L1 ||
        EntryValue(text, "X-GNOME-Autostart-enabled"_L1) == "false"_L1)
        return false;
    const auto exec = EntryValue(text, "Exec"_L1);
    return exec && SamePath(ExecProgram(*exec), program);
}

QString RunValue(const QString& program) {
    return u'"' + QString(program).replace(u'/', u'\\') + u'"';
}

bool RunValueStarts(const QString& value, const QString& program) {
    const QString text = value.trimmed();
    QString named;
    if (text.startsWith(u'"')) {
        named = text.mid(1).section(u'"', 0, 0);
    } else {
        // Without quotes Windows tries each blank in turn; the program ends with its ".exe".
        const qsizetype exe = text.indexOf(".exe"_L1, 0, Qt::CaseInsensitive);
        named = exe < 0 ? text : text.left(exe + 4);
    }
    return SameWindowsPath(named, program);
}

Autostart::Autostart(QString program, QString folder)
    : program_(std::move(program)), folder_(std::move(folder)) {}

QString Autostart::EntryPath() const {
    return folder_ + u"/orbo.desktop"_s;
}

#if defined(Q_OS_WIN)
namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Task Manager's and Settings' own switch for each Run value, a binary value whose first byte
// is even while the entry is enabled and odd once the user disabled it there (not documented;
// what Windows 8 and later write). Without it the Run value counts as enabled.
const wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t kValueName[] = L"Orbo";

QString SystemMessage(LSTATUS code) {
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString message =
        text ? QString::fromWCharArray(text).trimmed()
             : QCoreApplication::translate("orbo::Autostart", "error %1").arg(code);
    ::LocalFree(text);
    return message;
}

// A value's bytes and type; nothing when the key or the value is missing.
std::optional<std::pair<DWORD, std::vector<BYTE>>> ReadValue(const wchar_t* key) {
    HKEY handle = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::pair<DWORD, std::vector<BYTE>>> result;
    if (::RegQueryValueExW(handle, kValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size);
        if (::RegQueryValueExW(handle, kValueName, nullptr, &type, data.data(), &size) ==
            ERROR_SUCCESS) {
            data.resize(size);
            result.emplace(type, std::move(data));
        }
    }
    ::RegCloseKey(handle);
    return result;
}

QString RunText(const std::pair<DWORD, std::vector<BYTE>>& value) {
    const auto& [type, data] = value;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return {};
    QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t*>(data.data()),
                                           qsizetype(data.size() / sizeof(wchar_t)));
    text.truncate(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
    if (type == REG_EXPAND_SZ) {
        std::vector<wchar_t> expanded(32768);
        const DWORD n = ::ExpandEnvironmentStringsW(reinterpret_cast<const wchar_t*>(text.utf16()),
                                                    expanded.data(), DWORD(expanded.size()));
        if (n > 0 && n <= expanded.size())
            text = QString::fromWCharArray(expanded.data(), qsizetype(n) - 1);
    }
    return text;
}

// Removes the value; a missing key or value is no failure.
LSTATUS DeleteValue(const wchar_t* key) {
    HKEY handle = nullptr;
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &handle);
    if (status == ERROR_SUCCESS) {
        status = ::RegDeleteValueW(handle, kValueName);
        ::RegCloseKey(handle);
    }
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

} // namespace

bool Autostart::Enabled() const {
    const auto run = ReadValue(kRunKey);
    if (!run || !RunValueStarts(RunText(*run), program_))
        return false;
    const auto approved = ReadValue(kApprovedKey);
    return !approved || approved->second.empty() || (approved->second[0] & 1) == 0;
}

std::optional<QString> Autostart::Set(bool on) const {
    const QString where = u"HKEY_CURRENT_USER\\"_s + QString::fromWCharArray(kRunKey);
    if (!on) {
        if (const LSTATUS status = DeleteValue(kRunKey); status != ERROR_SUCCESS)
            return QCoreApplication::translate("orbo::Autostart",
                                               "Orbo could not remove its value from %1: %2")
                .arg(where, SystemMessage(status));
        DeleteValue(kApprovedKey); // without its Run value it means nothing
        return std::nullopt;
    }
    // A switch the user turned off elsewhere would keep the entry from running.
    if (const LSTATUS status = DeleteValue(kApprovedKey); status != ERROR_SUCCESS)
        return QCoreApplication::translate("orbo::Autostart",
                                           "Orbo could not enable its start at login: %1")
            .arg(SystemMessage(status));
    HKEY handle = nullptr;
    LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                       nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        const QString value = RunValue(program_);
        status = ::RegSetValueExW(handle, kValueName, 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.utf16()),
                                  DWORD((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS)
        return QCoreApplication::translate("orbo::Autostart",
                                           "Orbo could not write its value in %1: %2")
            .arg(where, SystemMessage(status));
    return std::nullopt;
}

#else

bool Autostart::Enabled() const {
    const auto bytes = ReadRegularFile(EntryPath(), kMaxEntryBytes);
    return bytes && EntryStarts(DecodeText(*bytes), program_);
}

std::optional<QString> Autostart::Set(bool on) const {
    const QString path = QDir::toNativeSeparators(EntryPath());
    if (!on) {
        QFile entry(EntryPath());
        if (!QFileInfo(EntryPath()).isSymLink() && !entry.exists())
            return std::nullopt;
        if (!entry.remove())
            return QCoreApplication::translate("orbo::Autostart", "Orbo could not remove %1: %2")
                .arg(path, entry.errorString());
        return std::nullopt;
    }
    if (const auto holds = ExecRefusal(program_))
        return QCoreApplication::translate(
                   "orbo::Autostart", "Orbo cannot start at login from %1: desktops do not start a "
                                      "program whose path holds %2; move Orbo to a folder "
                                      "whose path has none.")
            .arg(program_, *holds);
    if (!QDir().mkpath(folder_))
        return QCoreApplication::translate("orbo::Autostart", "Orbo could not make the folder %1")
            .arg(QDir::toNativeSeparators(folder_));
    // Written whole under another name and renamed over the entry: never half an entry.
    QSaveFile entry(EntryPath());
    const QByteArray text = AutostartEntry(program_).toUtf8();
    if (!entry.open(QIODevice::WriteOnly) || entry.write(text) != text.size() || !entry.commit())
        return QCoreApplication::translate("orbo::Autostart", "Orbo could not write %1: %2")
            .arg(path, entry.errorString());
    return std::nullopt;
}

#endif

QString AutostartFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + u"/.config"_s;
    return QDir::cleanPath(config + u"/autostart"_s);
}

Autostart MakeAutostart() {
    return Autostart(QCoreApplication::applicationFilePath(), AutostartFolder());
}

} // namespace orbo
