// The skin checker: one creature reads the skin, then the report, the warnings and the rendering
// are made from it.
#include "skin_check.h"

#include "creature/activation.h"
#include "creature/creature.h"
#include "platform/desktop/fixed_desktop.h"
#include "runtime/monitors.h"
#include "skin/skin_reader.h"
#include "tools/skin_report.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace orbo {

namespace {

// The checker draws as the creature does with Blink on, so "blink" eyes show for the buttons.
constexpr bool kBlink = true;

FixedDesktop DesktopFor(const SkinCheckRequest& request) {
    FixedDesktop desk;
    desk.Screen = request.Screen;
    desk.Cursor = request.Cursor.value_or(QPoint());
    desk.Left = request.Left;
    desk.Right = request.Right;
    desk.Middle = request.Middle;
    desk.Ratio = request.Scale;
    return desk;
}

// The creature as the program makes it, on a desktop that holds still, with the skin read once
// and every line's outcome kept for the report.
struct CheckedCreature {
    FixedDesktop Desk;
    Creature Model;
    std::vector<SkinLineOutcome> Lines;
    std::optional<SkinReadResult> Read;

    explicit CheckedCreature(const SkinCheckRequest& request)
        : Desk(DesktopFor(request)), Model(Desk, {}) {
        Model.SetBlink(kBlink);
        Model.SetSize(request.Size);
        Read = Model.ActivateSkinFolder(request.Folder,
                                        [this](const SkinLineOutcome& o) { Lines.push_back(o); });
        if (request.At) {
            const Units& units = Model.ScaleUnits();
            Model.MoveTo(float(request.At->x()) * float(units.TwipsPerPixelX),
                         float(request.At->y()) * float(units.TwipsPerPixelY));
        }
    }
};

bool HasMagenta(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == (kMagentaRgb & RGB_MASK))
                return true;
    }
    return false;
}

// How far a colour lies from magenta: its largest difference from (255,0,255) in one channel.
int MagentaDistance(QRgb pixel) {
    return std::max({255 - qRed(pixel), qGreen(pixel), 255 - qBlue(pixel)});
}

// An anti-aliased outline blends its colour into the magenta around it. A pixel that took less
// than 3/8 of the outline's colour lies this close to magenta whatever that colour is (no
// channel moves by more than 3/8 of 255), while colours painted on purpose, even a pink such
// as (255,105,180) or a purple such as (128,0,128), lie farther away.
constexpr int kFringeReach = 96;
// The fringe pixels the warning names; the rest it counts.
constexpr int kFringeNamed = 5;

struct Fringe {
    qint64 Count = 0;
    std::vector<QPoint> First; // in reading order
};

// The pink fringe: pixels that touch a magenta pixel at a side or a corner and are nearly
// magenta, but not exactly, so the window keeps them.
Fringe FindFringe(const QImage& image) {
    Fringe fringe;
    const auto magentaAt = [&image](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               MagentaDistance(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]) == 0;
    };
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int distance = MagentaDistance(line[x]);
            if (distance == 0 || distance > kFringeReach)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = magentaAt(x + dx, y + dy);
            if (!touches)
                continue;
            if (static_cast<int>(fringe.First.size()) < kFringeNamed)
                fringe.First.emplace_back(x, y);
            ++fringe.Count;
        }
    }
    return fringe;
}

QString FringeWarning(const Fringe& fringe) {
    QStringList at;
    for (const QPoint& p : fringe.First)
        at << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    if (fringe.Count > static_cast<qint64>(fringe.First.size()))
        at << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "and %1 more"))
                  .arg(fringe.Count - qint64(fringe.First.size()));
    return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                "pink fringe: %1 pixels at the outline are nearly magenta but not "
                                "exactly (255,0,255), so they stay in the window:\n"
                                "    at %2; draw the outline without anti-aliasing"))
        .arg(fringe.Count)
        .arg(at.join(u' '));
}

// Eye sections before "eyes", whose values that line throws away, and the information texts the
// skin leaves to the built-in skin.
std::vector<QString> LineWarnings(const std::vector<SkinLineOutcome>& lines) {
    std::vector<QString> warnings;
    std::map<int, int> eyeLinesBefore; // eye section header line -> eye lines applied before "eyes"
    int currentEyeSection = 0;
    std::set<QString> infoSet;
    for (const SkinLineOutcome& o : lines) {
        if (o.Status == SkinLineStatus::Section)
            currentEyeSection = o.SectionKind == SkinSectionKind::Eye ? o.Line : 0;
        if (o.Status != SkinLineStatus::Applied)
            continue;
        if (o.SectionKind == SkinSectionKind::Info)
            infoSet.insert(o.Key);
        if (o.SectionKind == SkinSectionKind::Setting && o.Key == u"eyes") {
            for (const auto& [header, count] : eyeLinesBefore)
                if (count > 0)
                    warnings.push_back(
                        Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                             "line %1: eye section before \"eyes\" (line %2), "
                                             "which throws its values away"))
                            .arg(header)
                            .arg(o.Line));
            eyeLinesBefore.clear();
        } else if (currentEyeSection != 0) {
            ++eyeLinesBefore[currentEyeSection];
        }
    }
    // The About Skin page shows every info text; those the skin leaves out are the built-in's.
    QStringList unset;
    for (const SkinInfoKey& info : kSkinInfoKeys)
        if (!infoSet.contains(QString::fromUtf16(info.Key)))
            unset << QString::fromUtf16(info.Key);
    if (!unset.isEmpty())
        warnings.push_back(
            Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                 "info not set (About Skin shows the built-in skin's): %1"))
                .arg(unset.join(QStringLiteral(", "))));
    return warnings;
}

// Eyes never drawn, pictures larger than their boxes, a background that cuts nothing away.
std::vector<QString> SkinWarnings(const Creature& creature) {
    std::vector<QString> warnings;
    const SkinDef& s = creature.Skin();
    const Units& units = creature.ScaleUnits();
    for (int i = 1; i <= s.LastEyeIndex() && i <= kMaxEyes; ++i) {
        const EyeDef& e = s.Eyes[static_cast<size_t>(i)];
        const EyeKind kind = ClassifyKind(e.Kind);
        if (NeverSet(e.Kind))
            warnings.push_back(
                Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1 has no type: it is never drawn"))
                    .arg(i));
        else if (kind == EyeKind::None)
            warnings.push_back(
                Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: kind %2 is not one the animation "
                                                        "knows; it is never drawn"))
                    .arg(QString::number(i), Quoted(e.Kind.ToString().trimmed())));
        const bool boxIsSize = kind == EyeKind::Auto || kind == EyeKind::Rect;
        if (boxIsSize && !e.Pic.IsEmpty()) {
            const TwipsSize picture = e.Pic.SizeInTwips(units);
            if (picture.Width > e.Width || picture.Height > e.Height)
                warnings.push_back(Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                                        "eye %1: its picture (%2 pixels) is larger "
                                                        "than its box (%3 x %4 pixels)"))
                                       .arg(QString::number(i), SizeText(e.Pic.Image().size()),
                                            Px(units.ExactPixelsX(e.Width)),
                                            Px(units.ExactPixelsY(e.Height))));
        }
    }
    const Picture& back = creature.Window().Background;
    if (!back.IsEmpty() && !HasMagenta(back.Image()))
        warnings.push_back(Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                                "the background has no magenta (255,0,255) pixel: "
                                                "the window is a plain rectangle")));
    if (const Fringe fringe = FindFringe(back.Image()); fringe.Count > 0)
        warnings.push_back(FringeWarning(fringe));
    return warnings;
}

// One tick's frame at the size shown and the display's scale, transparent outside the window's
// shape.
QImage Render(Creature& creature, double scale) {
    creature.Tick();
    const QImage sized = DeviceImage(creature.Frame(), creature.Window().Size);
    QImage out = DeviceImage(sized, scale).convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    const QRegion outside =
        QRegion(out.rect()).subtracted(DeviceRegion(creature.Window().Region, scale));
    for (const QRect& r : outside)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                out.setPixel(x, y, 0);
    return out;
}

} // namespace

QImage RenderCreature(const SkinCheckRequest& request) {
    CheckedCreature checked(request);
    return Render(checked.Model, request.Scale);
}

SkinCheckResult CheckSkin(const SkinCheckRequest& request) {
    CheckedCreature checked(request);
    SkinCheckResult result;
    QString report;
    QTextStream out(&report);
    out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "Skin.ini of %1\n")).arg(request.Folder);
    Echo(out, checked.Lines, checked.Model, request.Exact);
    ReadingOutcome(out, checked.Read);
    result.WholeFileRead = checked.Read && !checked.Read->Failed();
    std::vector<QString> warnings = LineWarnings(checked.Lines);
    Summarise(out, checked.Model, request.Exact);
    for (QString& w : SkinWarnings(checked.Model))
        warnings.push_back(std::move(w));
    if (!warnings.empty()) {
        out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "\nWarnings\n"));
        for (const QString& w : warnings)
            out << "  " << w << "\n";
    }
    out.flush();
    result.Report = report;
    if (request.Cursor)
        result.Rendering = Render(checked.Model, request.Scale);
    return result;
}

SkinLocation LocateSkin(const QString& given, const QStringList& skinsFolders) {
    SkinLocation where;
    where.Tried << QDir::current().absoluteFilePath(given);
    if (QFileInfo(given).isDir()) {
        where.Folder = given;
        return where;
    }
    // A skin's name is a folder's name: anything with a separator is a path, looked for only
    // from the current folder.
    if (given.contains(u'/') || given.contains(u'\\') || given == u"." || given == u"..")
        return where;
    for (const QString& skins : skinsFolders)
        where.Tried << QDir(skins).filePath(given);
    where.Folder = FindSkinFolder(skinsFolders, given);
    return where;
}

} // namespace orbo
