// The skin checker's report in words: the line-by-line listing, how far the reading got, and
// the summary of the skin the creature made.
#include "skin_report.h"

#include "animation/motion.h"
#include "creature/creature.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

#include <utility>

namespace orbo {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::SkinCheck", text);
}

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

namespace {

QString KindForDisplay(const KindText& kind) {
    return NeverSet(kind) ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "(none)"))
                          : Quoted(kind.ToString());
}

qint64 PixelCount(const QRegion& region) {
    qint64 n = 0;
    for (const QRect& r : region)
        n += static_cast<qint64>(r.width()) * r.height();
    return n;
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

// The eye an eye section's line filled, from its field ("Eyes(2).Pic" is eye 2).
int EyeOfField(const QString& field) {
    return field.section(u'(', 1, 1).section(u')', 0, 0).toInt();
}

// Which buttons show a "blink" eye of button code m, in words.
QString ButtonsText(int m) {
    // By the buttons that show it: left 1, right 2, middle 4.
    static const char* const kShows[] = {
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows for no button"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the left button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the right button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the left or right button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the middle button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the left or middle button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck", "shows while the right or middle button is held"),
        QT_TRANSLATE_NOOP("orbo::SkinCheck",
                          "shows while the left or right or middle button is held"),
    };
    const auto code = static_cast<std::uint8_t>(m);
    const int held = (BlinkShows(code, true, false, false) ? 1 : 0) |
                     (BlinkShows(code, false, true, false) ? 2 : 0) |
                     (BlinkShows(code, false, false, true) ? 4 : 0);
    return Tr(kShows[held]);
}

// An info line in words, by its key; the texts follow kSkinInfoKeys.
QString InfoText(const QString& key, const QString& value) {
    static const std::pair<const char16_t*, const char*> kLabels[] = {
        {u"name", QT_TRANSLATE_NOOP("orbo::SkinCheck", "name: %1")},
        {u"email", QT_TRANSLATE_NOOP("orbo::SkinCheck", "e-mail: %1")},
        {u"homepage", QT_TRANSLATE_NOOP("orbo::SkinCheck", "home page: %1")},
        {u"creator", QT_TRANSLATE_NOOP("orbo::SkinCheck", "creator: %1")},
        {u"date", QT_TRANSLATE_NOOP("orbo::SkinCheck", "date: %1")},
        {u"comment", QT_TRANSLATE_NOOP("orbo::SkinCheck", "comment: %1")},
    };
    for (const auto& [k, label] : kLabels)
        if (key == QStringView(k))
            return Tr(label).arg(value);
    return key + QStringLiteral(": ") + value;
}

// What an applied line did, in a skin author's words: pixels, not the twips they are stored as.
// The value as read follows where the reading made something else of the text.
QString DescribeApplied(const SkinLineOutcome& o, const Creature& creature) {
    const auto readAs = [&o](const QString& made) {
        return QString(o.Value).remove(u' ') == made
                   ? QString()
                   : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", " (%1 read as %2)"))
                         .arg(Quoted(o.Value), made);
    };
    if (o.SectionKind == SkinSectionKind::Info)
        return InfoText(o.Key, o.Value);
    if (o.SectionKind == SkinSectionKind::Setting) {
        if (o.Key == u"back")
            return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "background picture %1")).arg(o.Value);
        const int eyes = o.Stored.toInt();
        if (eyes == 0)
            return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "no eyes: the background alone")) +
                   readAs(o.Stored);
        return (eyes == 1 ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                                 "1 eye, empty until its section fills it"))
                          : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                                 "%1 eyes, empty until their sections fill them"))
                                .arg(eyes)) +
               readAs(o.Stored);
    }
    const QString index = QString::number(EyeOfField(o.Field));
    // The eye's number first and the skin's text last: .arg must not read a "%" in the text.
    const auto eye = [&index](const char* text, const auto&... values) {
        return Tr(text).arg(index, values...);
    };
    if (o.Key == u"xy" || o.Key == u"size") {
        const Units& units = creature.ScaleUnits();
        const QString x = Px(units.ExactPixelsX(o.Stored.section(u',', 0, 0).toDouble()));
        const QString y = Px(units.ExactPixelsY(o.Stored.section(u',', 1, 1).toDouble()));
        const QString suffix = readAs(x + u',' + y);
        if (o.Key == u"xy")
            return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: box at %2,%3"), x, y) + suffix;
        const SkinDef& s = creature.Skin();
        const int i = EyeOfField(o.Field);
        if (i <= s.LastEyeIndex() &&
            ClassifyKind(s.Eyes[static_cast<size_t>(i)].Kind) == EyeKind::Matrix)
            return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: grid of %2 columns x %3 rows"),
                       x, y) +
                   suffix;
        return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: box %2 x %3 pixels"), x, y) +
               suffix;
    }
    if (o.Key == u"type") {
        const QString kind = o.Stored.trimmed();
        return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: kind %2"), kind) +
               (o.Value.trimmed().compare(kind, Qt::CaseInsensitive) == 0
                    ? QString()
                    : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                           " (only the first six letters of %1 count)"))
                          .arg(Quoted(o.Value)));
    }
    if (o.Key == u"frames")
        return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: %2 frames"), o.Stored) +
               readAs(o.Stored);
    if (o.Key == u"onbutton")
        return eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: %2"),
                   ButtonsText(o.Stored.toInt())) +
               readAs(o.Stored);
    return o.Key == u"pic"
               ? eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: picture %2"), o.Value)
               : eye(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1: mask %2"), o.Value);
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
                    ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", " (not used: its lines are skipped)"))
                    : QString());
    case SkinLineStatus::Applied: {
        // The value as stored (rounded, in twips, padded) where that differs from the text.
        if (o.Stored.isEmpty() || o.Stored == o.Value)
            return o.Field + QStringLiteral(" = ") + o.Value;
        const QString stored = o.Stored != o.Stored.trimmed() ? Quoted(o.Stored) : o.Stored;
        return (o.Field.endsWith(u"X,Y") || o.Field.endsWith(u"Width,Height")
                    ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "%1 = %2  (stored as %3 twips)"))
                    : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "%1 = %2  (stored as %3)")))
            .arg(o.Field, o.Value, stored);
    }
    case SkinLineStatus::UnknownKey:
        return SkinLineStatusText(o.Status) + u' ' + Quoted(o.Key) +
               (o.Key.endsWith(u' ')
                    ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", " (blank before \"=\")"))
                    : QString());
    case SkinLineStatus::PictureNotLoaded: {
        QString text = Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "%1: %2 -- reading stops here"))
                           .arg(SkinLineStatusText(o.Status), o.Path);
        const QStringList near = NearNames(o.Path);
        if (!near.isEmpty())
            text += Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "\n          did you mean %1?"))
                        .arg(near.join(Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", " or "))));
        return text;
    }
    case SkinLineStatus::OverBudget:
        return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                    "%1: %2 -- reading stops here\n          the pictures of one "
                                    "skin may take %3 MiB in all; its background counts five "
                                    "times, more on a scaled display"))
            .arg(SkinLineStatusText(o.Status), o.Path,
                 QString::number(kMaxSkinPixels * 4 / (1024 * 1024)));
    default:
        return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "%1 -- reading stops here"))
            .arg(SkinLineStatusText(o.Status));
    }
}

// What a line did as the listing tells it: in plain words or, exactly, as the program's fields
// hold it.
QString Listed(const SkinLineOutcome& o, const Creature& creature, bool exact) {
    if (!exact && o.Status == SkinLineStatus::Applied)
        return DescribeApplied(o, creature);
    if (!exact && o.Status == SkinLineStatus::EyeOutOfRange)
        return Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                    "skipped: no such eye (\"eyes=\" says how many there are)"));
    return Describe(o);
}

// An eye in a skin author's words: "eye 1 (auto): box at 10,53, 32 x 34 pixels, ...".
QString PlainEye(int i, const EyeDef& e, const Units& units) {
    const EyeKind kind = ClassifyKind(e.Kind);
    const QString x = Px(units.ExactPixelsX(e.X));
    const QString y = Px(units.ExactPixelsY(e.Y));
    const QString w = Px(units.ExactPixelsX(e.Width));
    const QString h = Px(units.ExactPixelsY(e.Height));
    QString text = Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "eye %1 (%2): "))
                       .arg(QString::number(i),
                            NeverSet(e.Kind) ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "no type"))
                                             : e.Kind.ToString().trimmed());
    if (kind == EyeKind::Matrix)
        text += Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "at %1,%2, a grid of %3 columns x %4 rows"))
                    .arg(x, y, w, h);
    else if (kind == EyeKind::Blink)
        text += Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "at %1,%2")).arg(x, y);
    else
        text += Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "box at %1,%2, %3 x %4 pixels"))
                    .arg(x, y, w, h);
    if (kind == EyeKind::Frames || kind == EyeKind::Distan)
        text += Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", ", %1 frames")).arg(e.Frames);
    else if (kind == EyeKind::Blink)
        text += QStringLiteral(", ") + ButtonsText(e.ButtonCode());
    text += e.Pic.IsEmpty() ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", ", no picture"))
                            : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", ", picture %1"))
                                  .arg(SizeText(e.Pic.Image().size()));
    text += e.Mask.IsEmpty() ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", ", no mask"))
                             : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", ", mask %1"))
                                   .arg(SizeText(e.Mask.Image().size()));
    return text;
}

} // namespace

void Echo(QTextStream& out, const std::vector<SkinLineOutcome>& lines, const Creature& creature,
          bool exact) {
    for (const SkinLineOutcome& o : lines)
        out << qSetFieldWidth(5) << Qt::right << o.Line << qSetFieldWidth(0) << Qt::left << "  "
            << o.Text.left(60) << (o.Text.size() > 60 ? "..." : "") << "\n"
            << "       -> " << Listed(o, creature, exact) << "\n";
}

void ReadingOutcome(QTextStream& out, const std::optional<SkinReadResult>& read) {
    if (!read)
        out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "No Skin.ini there (or it is not a regular "
                                                       "file): the built-in skin is shown.\n"));
    else if (read->Failed())
        out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                    "Reading stopped at line %1 (%2). Lines before it stay "
                                    "applied; later lines are not read.\n"))
                   .arg(QString::number(read->FailedLine), SkinLineStatusText(read->Failure));
    else
        out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "The whole file was read (%1 lines).\n"))
                   .arg(read->LinesRead);
}

void Summarise(QTextStream& out, const Creature& creature, bool exact) {
    const SkinDef& s = creature.Skin();
    const CreatureWindow& window = creature.Window();
    const Units& units = creature.ScaleUnits();
    out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "\nSummary\n"
                                                   "  Name:      %1\n"
                                                   "  Creator:   %2\n"
                                                   "  E-mail:    %3\n"
                                                   "  Home page: %4\n"
                                                   "  Date:      %5\n"
                                                   "  Comment:   %6\n"))
               .arg(s.Name, s.Creator, s.Email, s.HomePage, s.Date, s.Comment);
    const Picture& back = window.Background;
    const bool builtIn = back.SameAs(creature.BuiltIn().builtInSkin[0]);
    out << (builtIn ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                           "  Background: %1 pixels (the built-in one)\n"))
                    : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "  Background: %1 pixels\n")))
               .arg(SizeText(back.Image().size()));
    out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "  Window:     %1 pixels\n"
                                                   "  Shape:      %2 pixels\n"))
               .arg(SizeText(window.Geometry.Pixels().size()),
                    QString::number(PixelCount(window.Region)));
    out << (exact ? Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                         "  Eyes:       %1 (element 0 is never drawn)\n"))
                  : Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "  Eyes:       %1\n")))
               .arg(s.LastEyeIndex());
    for (int i = 1; i <= s.LastEyeIndex() && i <= kMaxEyes; ++i) {
        const EyeDef& e = s.Eyes[static_cast<size_t>(i)];
        if (!exact) {
            out << "    " << PlainEye(i, e, units) << "\n";
            continue;
        }
        const QString none = Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "none"));
        out << Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                    "    eye %1: kind %2, box %3,%4 size %5x%6 px, frames/buttons "
                                    "%7, pic %8, mask %9\n"))
                   .arg(QString::number(i), KindForDisplay(e.Kind), Px(units.ExactPixelsX(e.X)),
                        Px(units.ExactPixelsY(e.Y)), Px(units.ExactPixelsX(e.Width)),
                        Px(units.ExactPixelsY(e.Height)), QString::number(e.Frames),
                        e.Pic.IsEmpty() ? none : SizeText(e.Pic.Image().size()),
                        e.Mask.IsEmpty() ? none : SizeText(e.Mask.Image().size()));
    }
}

} // namespace orbo
