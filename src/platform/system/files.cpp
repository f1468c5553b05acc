// Files: skins folders, regular-file reading, names found ignoring case.
#include "files.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QScopeGuard>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orbo {

namespace {

// The shipped skins' folder in a program folder.
QString SkinsIn(const QString& appPath) {
    return appPath.endsWith(u'/') ? appPath + QStringLiteral("Skins")
                                  : appPath + QStringLiteral("/Skins");
}

} // namespace

QString AppPath() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(SkinsIn(exeDir)).isDir())
        return exeDir;
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/" ORBO_DATA_FROM_BIN));
    if (QFileInfo(SkinsIn(shared)).isDir())
        return shared;
    return exeDir;
}

QString UserSkinsFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/orbo/Skins"));
#else
    return {};
#endif
}

QStringList SkinsFolders(const QString& appPath, const QString& userSkins) {
    QStringList folders;
    if (!userSkins.isEmpty())
        folders.append(userSkins);
    folders.append(SkinsIn(appPath));
    return folders;
}

QStringList SkinsFolders() {
    return SkinsFolders(AppPath(), UserSkinsFolder());
}

// Each system opens the file, refuses what is no regular file, and gives its size and a step
// that reads at most n bytes (how many, 0 at the end, -1 on a failure); one loop reads with it.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes) {
    if (path.isEmpty() || maxBytes < 0)
        return std::nullopt;
#ifdef Q_OS_UNIX
    // Open without blocking (a FIFO would wait for a writer), then look at what was opened.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const qint64 size = st.st_size;
    const auto readSome = [fd](char* to, qint64 n) -> qint64 {
        ssize_t r = 0;
        do
            r = ::read(fd, to, static_cast<size_t>(n));
        while (r < 0 && errno == EINTR);
        return r;
    };
#elif defined(Q_OS_WIN)
    // Open first, then look at what was opened: a device or pipe is no disk file, and a folder
    // does not open without backup semantics.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE file = ::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto closing = qScopeGuard([file] { ::CloseHandle(file); });
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    const qint64 size = (static_cast<qint64>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const auto readSome = [file](char* to, qint64 n) -> qint64 {
        // ReadFile counts in a DWORD: at most 1 GiB a call.
        const DWORD chunk = static_cast<DWORD>(std::min<qint64>(n, 1 << 30));
        DWORD read = 0;
        return ::ReadFile(file, to, chunk, &read, nullptr) ? qint64(read) : -1;
    };
#else
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    const auto readSome = [&file](char* to, qint64 n) { return file.read(to, n); };
#endif
    // A file cut short since its size was taken ends the reading early.
    QByteArray data;
    const qint64 want = std::min(maxBytes, size);
    data.resize(want);
    qint64 got = 0;
    while (got < want) {
        const qint64 r = readSome(data.data() + got, want - got);
        if (r < 0)
            return std::nullopt;
        if (r == 0)
            break;
        got += r;
    }
    data.resize(got);
    return data;
}

bool IsWindowsSpecialName(const QString& name) {
    if (name.contains(u':') || name.endsWith(u'.') || name.endsWith(u' '))
        return true;
    // Windows ignores what follows the first dot, and blanks before it, when it looks for a
    // device: "nul.bmp" and "CON .txt" are devices too.
    QString base = name.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    static const QStringList devices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                        QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                        QStringLiteral("CONIN$"), QStringLiteral("CONOUT$"),
                                        QStringLiteral("CLOCK$")};
    if (devices.contains(base, Qt::CaseInsensitive))
        return true;
    if (base.size() == 4 && (base.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive) ||
                             base.startsWith(QStringLiteral("LPT"), Qt::CaseInsensitive))) {
        // COM1-COM9 and LPT1-LPT9, and the superscript digits Windows also takes for 1 to 3.
        const char16_t d = base[3].unicode();
        return (d >= u'1' && d <= u'9') || d == u'\u00B9' || d == u'\u00B2' || d == u'\u00B3';
    }
    return false;
}

#ifdef Q_OS_WIN
namespace {

// The path Windows finally opens for path, every junction and symbolic link followed.
QString FinalPath(const QString& path) {
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle =
        ::CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    wchar_t buffer[32768];
    const DWORD n = ::GetFinalPathNameByHandleW(handle, buffer, std::size(buffer),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    ::CloseHandle(handle);
    if (n == 0 || n >= std::size(buffer))
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, static_cast<qsizetype>(n)));
}

} // namespace
#endif

bool IsEntryName(const QString& name) {
    // No file name holds a NUL; asking the file system for one only draws a warning.
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

std::optional<QString> FindEntry(const QString& parent, const QString& name) {
    if (!IsEntryName(name))
        return std::nullopt;
#ifdef Q_OS_WIN
    // Windows finds any letter case itself; the folder's listing gives the entry's own name.
    if (IsWindowsSpecialName(name))
        return std::nullopt;
#else
    const QString exact = parent + u'/' + name;
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return exact;
#endif
    const QStringList entries = QDir(parent).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
#ifdef Q_OS_WIN
    if (entries.contains(name))
        return parent + u'/' + name;
#endif
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return parent + u'/' + entry;
    }
    return std::nullopt;
}

std::optional<QString> ResolveInFolder(const QString& folder, const QString& relative) {
    QString name = relative;
    name.replace(u'\\', u'/');
    if (name.isEmpty() || name.startsWith(u'/') || QDir::isAbsolutePath(name) ||
        (name.size() >= 2 && name[1] == u':'))
        return std::nullopt;
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    QString current = folder;
    for (const QString& part : parts) {
        const auto next = FindEntry(current, part);
        if (!next)
            return std::nullopt;
        current = *next;
    }
    // Links may point anywhere: what they lead to must still lie inside the folder.
#ifdef Q_OS_WIN
    const QString root = FinalPath(folder);
    const QString target = FinalPath(current);
    if (root.isEmpty() || target.isEmpty() || !target.startsWith(root + u'/', Qt::CaseInsensitive))
        return std::nullopt;
#else
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = QFileInfo(current).canonicalFilePath();
    if (root.isEmpty() || target.isEmpty() || !target.startsWith(root + u'/'))
        return std::nullopt;
#endif
    return current;
}

QStringList Dir(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted);
}

} // namespace orbo
