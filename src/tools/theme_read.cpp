// Reading an eyes applet theme: its config lines as the applets read them, its pictures found
// inside its folder, and what makes it no theme to import.
#include "theme_read.h"

#include "platform/system/files.h"
#include "runtime/picture.h"
#include "skin/skin_def.h"
#include "tools/theme_import.h"

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QImageReader>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace orbo {

namespace {

constexpr qint64 kMaxConfigBytes = 64 * 1024;
constexpr qint64 kMaxThemePictureBytes = 64 * 1024 * 1024;

// The first run of digits, saturating.
std::optional<qint64> FirstNumber(const QByteArray& text) {
    qsizetype i = 0;
    while (i < text.size() && !std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == text.size())
        return std::nullopt;
    qint64 n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        n = std::min(kThemeNumberCap, n * 10 + (text[i] - '0'));
    return n;
}

std::optional<QString> Quoted(const QByteArray& text) {
    const qsizetype open = text.indexOf('"');
    if (open < 0)
        return std::nullopt;
    const qsizetype close = text.indexOf('"', open + 1);
    if (close < 0)
        return std::nullopt;
    return QFile::decodeName(text.sliced(open + 1, close - open - 1));
}

// A picture of the theme: found inside its folder only, a regular file of sane size.
std::optional<QImage> LoadThemePicture(const QString& folder, const QString& name) {
    const auto path = ResolveInFolder(folder, name);
    if (!path)
        return std::nullopt;
    const auto bytes = ReadRegularFile(*path, kMaxThemePictureBytes);
    if (!bytes)
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QString ImportText(const char* text) {
    return QCoreApplication::translate("orbo::SkinImport", text);
}

ThemeConfig ParseThemeConfig(const QByteArray& bytes) {
    ThemeConfig config;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.first(eq).trimmed();
        const QByteArray rest = line.sliced(eq + 1);
        // What follows the key's own name: the rest of the key text, then the value.
        const auto after = [&](const char* name) {
            return key.sliced(std::strlen(name)) + '=' + rest;
        };
        if (key.startsWith("wall-thickness"))
            config.WallThickness = FirstNumber(after("wall-thickness"));
        else if (key.startsWith("num-eyes"))
            config.NumEyes = FirstNumber(after("num-eyes"));
        else if (key.startsWith("eye-pixmap"))
            config.EyePixmap = Quoted(after("eye-pixmap"));
        else if (key.startsWith("pupil-pixmap"))
            config.PupilPixmap = Quoted(after("pupil-pixmap"));
    }
    return config;
}

std::optional<QString> ReadTheme(const QString& folder, Theme& theme) {
    const auto configPath = FindEntry(folder, QStringLiteral("config"));
    const auto configBytes =
        configPath ? ReadRegularFile(*configPath, kMaxConfigBytes) : std::nullopt;
    if (!QFileInfo(folder).isDir() || !configBytes)
        return ImportText(QT_TRANSLATE_NOOP(
            "orbo::SkinImport", "not a theme folder (it has no readable file \"config\")"));
    const ThemeConfig config = ParseThemeConfig(*configBytes);
    if (!config.EyePixmap && !config.PupilPixmap && !config.NumEyes && !config.WallThickness)
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                            "not a theme folder (its \"config\" names no eyes)"));
    if (!config.WallThickness)
        return ImportText(
            QT_TRANSLATE_NOOP("orbo::SkinImport", "\"config\" gives no number for wall-thickness"));
    if (!config.NumEyes)
        return ImportText(
            QT_TRANSLATE_NOOP("orbo::SkinImport", "\"config\" gives no number for num-eyes"));
    if (*config.NumEyes < 1 || *config.NumEyes > kMaxEyes)
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "num-eyes is %1, not 1 to %2"))
            .arg(*config.NumEyes)
            .arg(kMaxEyes);
    const auto picture = [&](const std::optional<QString>& file) {
        return file ? LoadThemePicture(folder, *file) : std::nullopt;
    };
    const auto eye = picture(config.EyePixmap);
    if (!eye)
        return config.EyePixmap ? ImportText(QT_TRANSLATE_NOOP(
                                                 "orbo::SkinImport",
                                                 "eye picture \"%1\" is missing or cannot be read"))
                                      .arg(*config.EyePixmap)
                                : ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                                               "\"config\" names no eye-pixmap"));
    const auto pupil = picture(config.PupilPixmap);
    if (!pupil)
        return config.PupilPixmap
                   ? ImportText(
                         QT_TRANSLATE_NOOP("orbo::SkinImport",
                                           "pupil picture \"%1\" is missing or cannot be read"))
                         .arg(*config.PupilPixmap)
                   : ImportText(
                         QT_TRANSLATE_NOOP("orbo::SkinImport", "\"config\" names no pupil-pixmap"));
    theme = {*eye, *pupil, static_cast<int>(*config.NumEyes), *config.WallThickness};
    if (static_cast<qint64>(theme.Eye.width()) * theme.Eyes > kMaxPictureSide)
        return ImportText(
                   QT_TRANSLATE_NOOP("orbo::SkinImport",
                                     "%1 eyes of %2 pixels make a background wider than %3 pixels"))
            .arg(theme.Eyes)
            .arg(theme.Eye.width())
            .arg(kMaxPictureSide);
    return std::nullopt;
}

} // namespace orbo
