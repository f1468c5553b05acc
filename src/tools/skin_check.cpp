#include "skin_check.h"

#include "animation/tick.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/monitors.h"
#include "skin/activation.h"
#include "skin/mask_region.h"
#include "skin/skin_reader.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>

#include <map>
#include <set>
#include <utility>

namespace orbo {

namespace {

// The checker draws as the creature does with Blink on, so "blink" eyes show for the buttons.
constexpr bool kBlink = true;

// The creature's world for one check: a window (at the screen's top-left unless placed) and a
// scripted desktop.
struct CheckedSkin {
    SkinDef Skin;
    FakeCreatureWindow Window;
    ScriptedDesktop Desk;
    DefaultSkinPictures Pictures = DefaultSkinPictures::Load();
    std::optional<SkinReadResult> Read;

    CheckedSkin(const SkinCheckRequest& request, const SkinLineObserver& observer) {
        Desk.Screen = request.Screen;
        Desk.Cursor = request.Cursor.value_or(QPoint());
        Desk.Left = request.Left;
        Desk.Right = request.Right;
        Desk.Middle = request.Middle;
        const Units units = Desk.ScreenUnits();
        ActivateDefSkin(Skin, Window, units, Pictures);
        Read = ReadSkinFolder(request.Folder, Skin, Window, units, observer);
        FitWindowToBackground(Window, Desk, units);
        if (request.At) {
            Window.SetLeft(float(request.At->x()) * float(units.TwipsPerPixelX));
            Window.SetTop(float(request.At->y()) * float(units.TwipsPerPixelY));
        }
    }
};

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

QString Px(double pixels) {
    return QString::number(pixels, 'g', 7);
}

QString SizeText(const QSize& size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

bool NeverSet(const KindText& kind) {
    return kind == KindText();
}

QString KindForDisplay(const KindText& kind) {
    return NeverSet(kind) ? QStringLiteral("(none)") : Quoted(kind.ToString());
}

qint64 PixelCount(const QRegion& region) {
    qint64 n = 0;
    for (const QRect& r : region)
        n += static_cast<qint64>(r.width()) * r.height();
    return n;
}

bool HasMagenta(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == (kMagentaRgb & RGB_MASK))
                return true;
    }
    return false;
}

// Whether two file names differ by one letter more, less or changed, ignoring letter case.
bool OneEditApart(QString a, QString b) {
    a = a.toLower();
    b = b.toLower();
    if (a.size() < b.size())
        std::swap(a, b);
    if (a.size() - b.size() > 1 || a == b)
        return false;
    qsizetype i = 0;
    while (i < b.size() && a[i] == b[i])
        ++i;
    const qsizetype rest = a.size() == b.size() ? i + 1 : i;
    return QStringView(a).sliced(i + 1) == QStringView(b).sliced(rest);
}

// The files beside a picture that was not found whose names differ from its name only slightly:
// a letter more, less or changed, or another extension. Typing slips, mostly.
QStringList NearNames(const QString& path) {
    const QFileInfo tried(path);
    if (tried.exists())
        return {};
    QStringList near;
    for (const QString& name : tried.dir().entryList(QDir::Files, QDir::Name)) {
        if (OneEditApart(name, tried.fileName()) ||
            QFileInfo(name).completeBaseName().compare(tried.completeBaseName(),
                                                       Qt::CaseInsensitive) == 0)
            near << Quoted(name);
    }
    return near;
}

// What a line did, in words, for the line-by-line listing.
QString Describe(const SkinLineOutcome& o) {
    switch (o.Status) {
    case SkinLineStatus::Blank:
    case SkinLineStatus::UnusedSection:
    case SkinLineStatus::EyeOutOfRange:
        return SkinLineStatusText(o.Status);
    case SkinLineStatus::Section:
        return SkinLineStatusText(o.Status) + u' ' + Quoted(o.Section) +
               (o.SectionKind == SkinSectionKind::Other
                    ? QStringLiteral(" (not used: its lines are skipped)")
                    : QString());
    case SkinLineStatus::Applied:
        // The value as stored (rounded, in twips, padded) where that differs from the text.
        if (o.Stored.isEmpty() || o.Stored == o.Value)
            return o.Field + QStringLiteral(" = ") + o.Value;
        return o.Field + QStringLiteral(" = ") + o.Value + QStringLiteral("  (stored as ") +
               (o.Stored != o.Stored.trimmed() ? Quoted(o.Stored) : o.Stored) +
               (o.Field.endsWith(u"X,Y") || o.Field.endsWith(u"Width,Height")
                    ? QStringLiteral(" twips)")
                    : QStringLiteral(")"));
    case SkinLineStatus::UnknownKey:
        return SkinLineStatusText(o.Status) + u' ' + Quoted(o.Key) +
               (o.Key.endsWith(u' ') ? QStringLiteral(" (blank before \"=\")") : QString());
    case SkinLineStatus::PictureNotLoaded: {
        QString text = SkinLineStatusText(o.Status) + QStringLiteral(": ") + o.Path +
                       QStringLiteral(" -- reading stops here");
        const QStringList near = NearNames(o.Path);
        if (!near.isEmpty())
            text += QStringLiteral("\n          did you mean ") +
                    near.join(QStringLiteral(" or ")) + u'?';
        return text;
    }
    default:
        return SkinLineStatusText(o.Status) + QStringLiteral(" -- reading stops here");
    }
}

} // namespace

QImage RenderCreature(const SkinCheckRequest& request) {
    CheckedSkin skin(request, {});
    const QSize size = skin.Window.Geometry.Pixels().size();
    Surface surface(skin.Desk.ScreenUnits());
    surface.SetBackground(size, kMagenta, skin.Window.Background);
    RunTick(skin.Skin, kBlink, skin.Desk, skin.Window.Left(), skin.Window.Top(), surface);
    surface.Present();
    QImage out = DeviceImage(surface.Image(), request.Scale).convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    // Outside the shape nothing of the window shows.
    const QRegion outside =
        QRegion(out.rect()).subtracted(DeviceRegion(skin.Window.Region, request.Scale));
    for (const QRect& r : outside)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                out.setPixel(x, y, 0);
    return out;
}

SkinCheckResult CheckSkin(const SkinCheckRequest& request) {
    SkinCheckResult result;
    QString report;
    QTextStream out(&report);
    const QString iniPath =
        FindEntry(request.Folder, QStringLiteral("Skin.ini")).value_or(QString());
    const QStringList lines =
        SplitLines(ReadRegularFile(iniPath, kMaxSkinFileBytes).value_or(QByteArray()));

    std::vector<QString> warnings;
    std::map<int, int> eyeLinesBefore; // eye section header line -> eye lines applied before "eyes"
    int currentEyeSection = 0;
    std::set<QString> infoSet; // info keys applied
    const SkinLineObserver observer = [&](const SkinLineOutcome& o) {
        const QString text = o.Line <= lines.size() ? lines[o.Line - 1] : QString();
        out << qSetFieldWidth(5) << Qt::right << o.Line << qSetFieldWidth(0) << Qt::left << "  "
            << text.left(60) << (text.size() > 60 ? "..." : "") << "\n"
            << "       -> " << Describe(o) << "\n";
        if (o.Status == SkinLineStatus::Section)
            currentEyeSection = o.SectionKind == SkinSectionKind::Eye ? o.Line : 0;
        if (o.Status == SkinLineStatus::Applied && o.SectionKind == SkinSectionKind::Info)
            infoSet.insert(o.Key);
        if (o.Status == SkinLineStatus::Applied && o.SectionKind == SkinSectionKind::Setting &&
            o.Key == u"eyes") {
            for (const auto& [header, count] : eyeLinesBefore)
                if (count > 0)
                    warnings.push_back(
                        QStringLiteral("line %1: eye section before \"eyes\" (line %2), "
                                       "which throws its values away")
                            .arg(header)
                            .arg(o.Line));
            eyeLinesBefore.clear();
        } else if (o.Status == SkinLineStatus::Applied && currentEyeSection != 0) {
            ++eyeLinesBefore[currentEyeSection];
        }
    };

    out << "Skin.ini of " << request.Folder << "\n";
    CheckedSkin skin(request, observer);
    if (!skin.Read) {
        out << "No Skin.ini there (or it is not a regular file): the built-in skin is shown.\n";
    } else if (skin.Read->Failed()) {
        out << "Reading stopped at line " << skin.Read->FailedLine << " ("
            << SkinLineStatusText(skin.Read->Failure)
            << "). Lines before it stay applied; later lines are not read.\n";
    } else {
        out << "The whole file was read (" << skin.Read->LinesRead << " lines).\n";
        result.WholeFileRead = true;
    }

    // The About Skin page shows every info text; those the skin leaves out are the built-in's.
    QStringList unset;
    for (const SkinInfoKey& info : kSkinInfoKeys)
        if (!infoSet.contains(QString::fromUtf16(info.Key)))
            unset << QString::fromUtf16(info.Key);
    if (!unset.isEmpty())
        warnings.push_back(QStringLiteral("info not set (About Skin shows the built-in skin's): ") +
                           unset.join(QStringLiteral(", ")));

    const SkinDef& s = skin.Skin;
    const Units units = skin.Desk.ScreenUnits();
    out << "\nSummary\n";
    out << "  Name:      " << s.Name << "\n  Creator:   " << s.Creator
        << "\n  E-mail:    " << s.Email << "\n  Home page: " << s.HomePage
        << "\n  Date:      " << s.Date << "\n  Comment:   " << s.Comment << "\n";
    const Picture& back = skin.Window.Background;
    const bool builtIn = back.SameAs(skin.Pictures.imgDefSkin[0]);
    out << "  Background: " << SizeText(back.Image().size()) << " pixels"
        << (builtIn ? " (the built-in one)" : "") << "\n";
    out << "  Window:     " << SizeText(skin.Window.Geometry.Pixels().size()) << " pixels\n";
    out << "  Shape:      " << PixelCount(skin.Window.Region) << " pixels\n";
    out << "  Eyes:       " << s.EyesUBound() << " (element 0 is never drawn)\n";
    for (int i = 1; i <= s.EyesUBound() && i <= kMaxEyes; ++i) {
        const EyeDef& e = s.Eyes[static_cast<size_t>(i)];
        out << "    eye " << i << ": kind " << KindForDisplay(e.Kind) << ", box "
            << Px(units.ExactPixelsX(e.X)) << "," << Px(units.ExactPixelsY(e.Y)) << " size "
            << Px(units.ExactPixelsX(e.Width)) << "x" << Px(units.ExactPixelsY(e.Height))
            << " px, frames/buttons " << e.Frames << ", pic "
            << (e.Pic.IsEmpty() ? QStringLiteral("none") : SizeText(e.Pic.Image().size()))
            << ", mask "
            << (e.Mask.IsEmpty() ? QStringLiteral("none") : SizeText(e.Mask.Image().size()))
            << "\n";
        const EyeKind kind = ClassifyKind(e.Kind);
        if (NeverSet(e.Kind))
            warnings.push_back(QStringLiteral("eye %1 has no type: it is never drawn").arg(i));
        else if (kind == EyeKind::None)
            warnings.push_back(QStringLiteral("eye %1: kind %2 is not one the animation knows; "
                                              "it is never drawn")
                                   .arg(i)
                                   .arg(Quoted(e.Kind.ToString().trimmed())));
        const bool boxIsSize = kind == EyeKind::Auto || kind == EyeKind::Rect;
        if (boxIsSize && !e.Pic.IsEmpty()) {
            const TwipsSize picture = e.Pic.SizeInTwips(units);
            if (picture.Width > e.Width || picture.Height > e.Height)
                warnings.push_back(QStringLiteral("eye %1: its picture (%2 pixels) is larger than "
                                                  "its box (%3x%4 pixels)")
                                       .arg(i)
                                       .arg(SizeText(e.Pic.Image().size()))
                                       .arg(Px(units.ExactPixelsX(e.Width)))
                                       .arg(Px(units.ExactPixelsY(e.Height))));
        }
    }
    if (!back.IsEmpty() && !HasMagenta(back.Image()))
        warnings.push_back(QStringLiteral("the background has no magenta (255,0,255) pixel: the "
                                          "window is a plain rectangle"));
    if (!warnings.empty()) {
        out << "\nWarnings\n";
        for (const QString& w : warnings)
            out << "  " << w << "\n";
    }
    out.flush();
    result.Report = report;
    if (request.Cursor)
        result.Rendering = RenderCreature(request);
    return result;
}

} // namespace orbo
