// Importing an eyes applet theme: the theme read, the pupil fitted, written as a skin, read back
// and moved into place.
#include "theme_import.h"

#include "runtime/picture.h"
#include "skin/skin_def.h"
#include "skin/skin_name.h"
#include "skin/skin_reader.h"
#include "tools/theme_read.h"

#include <QtCore/QDate>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orbo {

namespace {

constexpr int kMinFrames = 16;
constexpr int kMaxFrames = 64;
// An opaque pixel of exactly the key colour would cut a hole in the creature: it becomes this.
constexpr QRgb kNearMagenta = 0xFFFE00FF;

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

QImage Background(const QImage& eye, int eyes) {
    QImage back(eye.width() * eyes, eye.height(), QImage::Format_RGB32);
    for (int y = 0; y < eye.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(eye.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(back.scanLine(y));
        for (int x = 0; x < eye.width(); ++x) {
            QRgb pixel = Opaque(in[x]) ? (in[x] | 0xFF000000) : kMagentaRgb;
            if (Opaque(in[x]) && pixel == kMagentaRgb)
                pixel = kNearMagenta;
            for (int i = 0; i < eyes; ++i)
                out[i * eye.width() + x] = pixel;
        }
    }
    return back;
}

// The pupil's picture (black around it) and mask (black on it, white around it), drawn at each
// offset of a strip of frames of frameSize.
struct PupilPair {
    QImage Pic;
    QImage Mask;
};

PupilPair DrawPupils(const QImage& pupil, QSize frameSize, const std::vector<QPoint>& at) {
    const int n = static_cast<int>(at.size());
    PupilPair pair{QImage(frameSize.width() * n, frameSize.height(), QImage::Format_RGB32),
                   QImage(frameSize.width() * n, frameSize.height(), QImage::Format_RGB32)};
    pair.Pic.fill(Qt::black);
    pair.Mask.fill(Qt::white);
    for (int k = 0; k < n; ++k) {
        const QPoint origin(k * frameSize.width() + at[k].x(), at[k].y());
        for (int y = 0; y < pupil.height(); ++y) {
            const int ty = origin.y() + y;
            if (ty < 0 || ty >= frameSize.height())
                continue;
            const auto* in = reinterpret_cast<const QRgb*>(pupil.constScanLine(y));
            auto* pic = reinterpret_cast<QRgb*>(pair.Pic.scanLine(ty));
            auto* mask = reinterpret_cast<QRgb*>(pair.Mask.scanLine(ty));
            for (int x = 0; x < pupil.width(); ++x) {
                const int tx = origin.x() + x;
                if (tx < k * frameSize.width() || tx >= (k + 1) * frameSize.width() ||
                    !Opaque(in[x]))
                    continue;
                pic[tx] = in[x] | 0xFF000000;
                mask[tx] = 0xFF000000;
            }
        }
    }
    return pair;
}

// Where the pupil's top-left lies in a frame looking toward direction position k of n: the
// frame's directions are those of GetFrameIndex (clockwise from straight left), and the pupil's
// centre is where a ray from the eye's centre in the middle of them meets the ellipse.
QPoint PupilAtWall(int k, int n, QSize travel) {
    const double theta = (k + 0.5) * 360.0 / n * std::numbers::pi / 180.0;
    const double dx = -std::cos(theta);
    const double dy = -std::sin(theta);
    const double rx = travel.width() / 2.0;
    const double ry = travel.height() / 2.0;
    double ox = rx * dx;
    double oy = ry * dy;
    if (rx > 0 && ry > 0) {
        const double t = 1.0 / std::hypot(dx / rx, dy / ry);
        ox = dx * t;
        oy = dy * t;
    }
    const int x = static_cast<int>(std::lround(rx + ox));
    const int y = static_cast<int>(std::lround(ry + oy));
    return {std::clamp(x, 0, travel.width()), std::clamp(y, 0, travel.height())};
}

int FrameCount(QSize travel, int frameWidth) {
    // About two pixels of the wall per frame, in eighths of a turn.
    const double radius = std::max(travel.width(), travel.height()) / 2.0;
    int n = static_cast<int>(std::ceil(std::numbers::pi * radius / 8.0)) * 8;
    n = std::clamp(n, kMinFrames, kMaxFrames);
    return std::min(n, kMaxPictureSide / std::max(frameWidth, 1));
}

// A value of an info line: the reader cuts at ";" and ends the line at CR or LF.
QString InfoValue(QString text) {
    for (QChar& c : text) {
        if (c == u';')
            c = u',';
        else if (c.unicode() < 0x20)
            c = u' ';
    }
    return text.simplified();
}

// The importer also keeps control characters out of the folder's name.
bool ValidSkinName(const QString& name) {
    return CanBeSkinName(name) &&
           std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20; });
}

bool Exists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The skin read back as the creature reads it: it must be read to the end.
std::optional<QString> ReadBack(const QString& folder, int eyes) {
    SkinDef skin;
    const auto read = ReadSkinFile(folder, SkinTarget{skin, Units{}});
    if (!read)
        return ImportText(
            QT_TRANSLATE_NOOP("orbo::SkinImport", "the written Skin.ini cannot be read back"));
    if (read->Failed())
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                            "reading the written Skin.ini stopped at line %1 (%2)"))
            .arg(read->FailedLine)
            .arg(SkinLineStatusText(read->Failure));
    if (skin.LastEyeIndex() != eyes || !read->Background || read->Background->IsEmpty())
        return ImportText(QT_TRANSLATE_NOOP(
                              "orbo::SkinImport",
                              "the written skin does not read back as %1 eyes over a background"))
            .arg(eyes);
    return std::nullopt;
}

bool Save(const QImage& image, const QString& folder, const QString& file) {
    return image.save(folder + u'/' + file, "BMP");
}

// Removes a file or folder and what it holds without ever following a link: QDir's
// removeRecursively would empty the folder a link (or a Windows junction) points to.
bool RemoveTree(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction() || !info.isDir())
        return QFile::remove(path) || QDir().rmdir(path);
    bool ok = true;
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(path).entryList(all))
        ok = RemoveTree(path + u'/' + name) && ok;
    return ok && QDir().rmdir(path);
}

// Swaps the finished folder in for the skin's name; an old one goes only once the new one is in.
bool MoveIntoPlace(const QString& from, const QString& into, const QString& target, bool replace) {
    QDir dir;
    if (!replace)
        return dir.rename(from, target);
    QTemporaryDir old(into + QStringLiteral("/.orbo-replaced-XXXXXX"));
    if (!old.isValid())
        return false;
    // Should both renames fail, the old skin must survive under this name.
    old.setAutoRemove(false);
    const QString aside = old.path();
    if (!QDir().rmdir(aside) || !dir.rename(target, aside))
        return false;
    if (!dir.rename(from, target)) {
        dir.rename(aside, target);
        return false;
    }
    // The old skin may be a link to the user's own folder: only the link goes.
    RemoveTree(aside);
    return true;
}

// Where the pupil moves within one eye picture.
struct PupilTravel {
    QSize Travel; // twice the radii of the ellipse the pupil's centre keeps to
    QSize Box;    // the pupil plus its travel: the skin's eye box
    QPoint InEye; // the box's top-left corner in the eye picture
};

// A pupil with no room between the walls stays at rest, which warning says.
PupilTravel FitPupil(const Theme& theme, std::optional<QString>& warning) {
    const QSize eye = theme.Eye.size();
    const QSize pupil = theme.Pupil.size();
    const auto room = [&](int eyeSide, int pupilSide) {
        return static_cast<int>(
            std::clamp<qint64>(eyeSide - theme.Wall - pupilSide, -1, kMaxPictureSide));
    };
    PupilTravel fit;
    fit.Travel = QSize(room(eye.width(), pupil.width()), room(eye.height(), pupil.height()));
    if (fit.Travel.width() < 0 || fit.Travel.height() < 0) {
        warning =
            ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                         "a %1 x %2 pupil in a %3 x %4 eye with walls of %5 has no "
                                         "room to move: it stays at rest"))
                .arg(pupil.width())
                .arg(pupil.height())
                .arg(eye.width())
                .arg(eye.height())
                .arg(theme.Wall);
        fit.Travel = QSize(0, 0);
    }
    fit.Box = pupil + fit.Travel;
    // Centred on the eye: its centre at rest is the eye's, to half a pixel.
    fit.InEye = QPoint((eye.width() - fit.Box.width()) / 2, (eye.height() - fit.Box.height()) / 2);
    return fit;
}

// Where the new skin folder goes.
struct Destination {
    QString Into;   // the skins folder, made when missing
    QString Target; // the skin folder
    bool Replace = false;
};

// What keeps the skin from going there, if anything.
std::optional<QString> FindDestination(const ImportRequest& request, const QString& name,
                                       Destination& to) {
    if (!ValidSkinName(name))
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "\"%1\" cannot name a skin folder"))
            .arg(name);
    if (request.Into.isEmpty())
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "no skins folder to import into"));
    to.Into = QDir(request.Into).absolutePath();
    if (!QDir().mkpath(to.Into))
        return ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "cannot make the skins folder %1"))
            .arg(to.Into);
    to.Target = QDir(to.Into).absoluteFilePath(name);
    to.Replace = Exists(to.Target);
    return std::nullopt;
}

// The pupil's places in the frames of its picture: one at rest for "auto", one at the wall per
// direction for "frames". What keeps the strip from being made, if anything.
std::optional<QString> PlacePupils(ImportKind kind, const PupilTravel& fit,
                                   std::vector<QPoint>& at) {
    if (kind != ImportKind::Frames) {
        at.push_back(QPoint(0, 0));
        return std::nullopt;
    }
    const int frames = FrameCount(fit.Travel, fit.Box.width());
    if (frames < kMinFrames)
        return ImportText(
                   QT_TRANSLATE_NOOP("orbo::SkinImport",
                                     "%1 frames of %2 pixels make a strip wider than %3 pixels"))
            .arg(kMinFrames)
            .arg(fit.Box.width())
            .arg(kMaxPictureSide);
    for (int k = 0; k < frames; ++k)
        at.push_back(PupilAtWall(k, frames, fit.Travel));
    return std::nullopt;
}

// The name of the pupil's picture, without ".bmp"; its mask adds "-mask".
QString PupilFile(ImportKind kind) {
    return kind == ImportKind::Frames ? QStringLiteral("pupils") : QStringLiteral("pupil");
}

// Skin.ini: the information, the background, and an eye box over each eye picture.
QString SkinIni(const ImportRequest& request, const QString& themeName, const QString& name,
                const Theme& theme, const PupilTravel& fit, int frames) {
    QString ini;
    ini += QStringLiteral("; Made by orbo-skin-import from the eyes theme %1\r\n")
               .arg(InfoValue(themeName));
    ini += QStringLiteral("[info]\r\n");
    // The About Skin page shows this name: the one the skin is imported under.
    ini += QStringLiteral("name=") + InfoValue(name) + QStringLiteral("\r\n");
    ini += QStringLiteral("creator=") + InfoValue(request.Origin.Creator) + QStringLiteral("\r\n");
    ini += QStringLiteral("email=\r\nhomepage=\r\n");
    const QString date =
        request.Date.isEmpty() ? QDate::currentDate().toString(Qt::ISODate) : request.Date;
    ini += QStringLiteral("date=") + InfoValue(date) + QStringLiteral("\r\n");
    ini += QStringLiteral("comment=") + InfoValue(request.Origin.Comment) + QStringLiteral("\r\n");
    ini += QStringLiteral("[setting]\r\nback=back.bmp\r\neyes=%1\r\n").arg(theme.Eyes);
    const QString pic = PupilFile(request.Kind);
    for (int i = 1; i <= theme.Eyes; ++i) {
        ini += QStringLiteral("[eye%1]\r\n").arg(i);
        ini += QStringLiteral("xy=%1,%2\r\n")
                   .arg((i - 1) * theme.Eye.width() + fit.InEye.x())
                   .arg(fit.InEye.y());
        ini += QStringLiteral("size=%1,%2\r\n").arg(fit.Box.width()).arg(fit.Box.height());
        if (request.Kind == ImportKind::Frames)
            ini += QStringLiteral("type=frames\r\nframes=%1\r\n").arg(frames);
        else
            ini += QStringLiteral("type=auto\r\n");
        ini += QStringLiteral("pic=%1.bmp\r\nmask=%1-mask.bmp\r\n").arg(pic);
    }
    return ini;
}

// Writes the background, the pupil's picture and mask, and Skin.ini into folder; whether all of
// it was written.
bool WriteSkin(const QString& folder, const Theme& theme, const PupilPair& pupils, ImportKind kind,
               const QByteArray& ini) {
    const QString pic = PupilFile(kind);
    QFile file(folder + QStringLiteral("/Skin.ini"));
    return Save(Background(theme.Eye, theme.Eyes), folder, QStringLiteral("back.bmp")) &&
           Save(pupils.Pic, folder, pic + QStringLiteral(".bmp")) &&
           Save(pupils.Mask, folder, pic + QStringLiteral("-mask.bmp")) &&
           file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size() && file.flush();
}

} // namespace

ImportResult ImportTheme(const ImportRequest& request) {
    ImportResult result;
    const QString folder = request.ThemeFolder;
    const QString themeName =
        QFileInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())).fileName();
    const auto refuse = [&](const QString& why) {
        result.Error = folder + QStringLiteral(": ") + why;
        return result;
    };

    Theme theme;
    if (const auto why = ReadTheme(folder, theme))
        return refuse(*why);
    std::optional<QString> warning;
    const PupilTravel fit = FitPupil(theme, warning);
    if (warning)
        result.Warnings.append(folder + QStringLiteral(": ") + *warning);

    const QString name = request.Name.isEmpty() ? themeName : request.Name;
    Destination to;
    if (const auto why = FindDestination(request, name, to))
        return refuse(*why);
    if (to.Replace && !request.Force) {
        result.Error =
            ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                         "%1 already exists: not replaced (--force replaces it)"))
                .arg(to.Target);
        return result;
    }

    std::vector<QPoint> at;
    if (const auto why = PlacePupils(request.Kind, fit, at))
        return refuse(*why);
    const PupilPair pupils = DrawPupils(
        theme.Pupil, request.Kind == ImportKind::Frames ? fit.Box : theme.Pupil.size(), at);

    QTemporaryDir work(to.Into + QStringLiteral("/.orbo-import-XXXXXX"));
    if (!work.isValid())
        return refuse(
            ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "cannot write into %1")).arg(to.Into));
    const QString out = work.path();
    // A temporary folder is private; a skin is for everybody who may read the skins folder.
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                   QFile::ExeOther);
    const QByteArray ini =
        SkinIni(request, themeName, name, theme, fit, static_cast<int>(at.size())).toUtf8();
    if (!WriteSkin(out, theme, pupils, request.Kind, ini))
        return refuse(
            ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport", "cannot write the skin into %1"))
                .arg(out));
    if (const auto wrong = ReadBack(out, theme.Eyes))
        return refuse(*wrong);
    if (!MoveIntoPlace(out, to.Into, to.Target, to.Replace))
        return refuse(ImportText(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                                   "cannot move the skin into place as %1"))
                          .arg(to.Target));
    result.Ok = true;
    result.SkinFolder = to.Target;
    return result;
}

} // namespace orbo
