// The Skin.ini reader: lines parsed, then applied by section to the record.
#include "skin_reader.h"

#include "platform/system/files.h"
#include "platform/system/picture_file.h"
#include "runtime/arith.h"
#include "runtime/monitors.h"
#include "runtime/text.h"

#include <QtCore/QCoreApplication>

#include <algorithm>
#include <map>
#include <utility>

namespace orbo {

namespace {

// What a line is, before any section gives it a meaning.
enum class LineShape { Blank, Header, Pair, Failure };

struct ParsedLine {
    LineShape Shape = LineShape::Blank;
    QStringView Name;                 // a header's section name
    QStringView Key;                  // a key line's key as written; empty without "="
    std::optional<QStringView> Value; // its value, trimmed; none without "="
    SkinLineStatus Failure = SkinLineStatus::Blank;
};

ParsedLine Failed(SkinLineStatus failure) {
    ParsedLine parsed;
    parsed.Shape = LineShape::Failure;
    parsed.Failure = failure;
    return parsed;
}

// Turns one line into blank, header, pair or failure, by the checks the header lists in order.
ParsedLine ParseLine(QStringView raw) {
    QStringView line = TrimSpaces(raw);
    if (line.isEmpty() || line.front() == u';')
        return {};
    if (line.size() > kMaxSkinLineLength)
        return Failed(SkinLineStatus::LineTooLong);
    const qsizetype comment = line.indexOf(u';');
    if (comment >= 0)
        line = TrimSpaces(line.first(comment));
    ParsedLine parsed;
    if (line.front() == u'[') {
        if (line.size() == 1)
            return Failed(SkinLineStatus::LoneBracket);
        parsed.Shape = LineShape::Header;
        parsed.Name = line.sliced(1, line.size() - 2);
        return parsed;
    }
    parsed.Shape = LineShape::Pair;
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0) {
        parsed.Key = line.first(equals);
        parsed.Value = TrimSpaces(line.sliced(equals + 1));
    }
    return parsed;
}

struct Section {
    QString Name;
    SkinSectionKind Kind = SkinSectionKind::None;
    double EyeIndex = 0; // for an eye section
};

Section SectionNamed(QStringView name) {
    Section section{name.toString()};
    const QString lower = section.Name.toLower();
    if (lower == u"info") {
        section.Kind = SkinSectionKind::Info;
    } else if (lower == u"setting") {
        section.Kind = SkinSectionKind::Setting;
    } else if (name.first(std::min<qsizetype>(3, name.size())).toString().toLower() == u"eye") {
        section.Kind = SkinSectionKind::Eye;
        section.EyeIndex = LeadingNumber(name.sliced(3));
    } else {
        section.Kind = SkinSectionKind::Other;
    }
    return section;
}

// What one line did; the texts are filled only when somebody listens.
struct Step {
    explicit Step(SkinLineStatus status = SkinLineStatus::Blank) : Status(status) {}

    SkinLineStatus Status;
    QString Key;
    QString Field;
    QString Value;
    QString Stored;
    QString Path;
};

// The pictures of one reading: each file decoded once per role and shared, all of them counted
// against the budget.
class SkinPictures {
public:
    explicit SkinPictures(const SkinTarget& target)
        : budget_(target.PixelBudget), scale_(target.DisplayScale) {}

    // The picture of the file at path in role; none, and why in failure, when it cannot be had.
    std::optional<Picture> Get(const QString& path, PictureRole role, SkinLineStatus& failure) {
        const bool back = role == PictureRole::Background;
        // Whether the reading stays within the budget with this size of picture (added when it
        // is new) and, for a background, the window's share of it in place of the last one's.
        const auto fits = [&](QSize size, bool added) {
            const qint64 area = added ? qint64(size.width()) * size.height() : 0;
            return decoded_ + area + (back ? SurfacePixels(size, scale_) : surface_) <= budget_;
        };
        const auto key = std::make_pair(path, role);
        auto found = pictures_.find(key);
        if (found != pictures_.end() && !fits(found->second.Image().size(), false)) {
            failure = SkinLineStatus::OverBudget;
            return std::nullopt;
        }
        if (found == pictures_.end()) {
            bool over = false;
            auto picture = LoadPicture(path, role, [&](QSize size) {
                over = !fits(size, true);
                return !over;
            });
            if (!picture) {
                failure = over ? SkinLineStatus::OverBudget : SkinLineStatus::PictureNotLoaded;
                return std::nullopt;
            }
            const QSize size = picture->Image().size();
            decoded_ += qint64(size.width()) * size.height();
            found = pictures_.emplace(key, std::move(*picture)).first;
        }
        if (back)
            surface_ = SurfacePixels(found->second.Image().size(), scale_);
        return found->second;
    }

private:
    const qint64 budget_;
    const qreal scale_;
    std::map<std::pair<QString, PictureRole>, Picture> pictures_;
    qint64 decoded_ = 0; // pixels of every picture in pictures_
    qint64 surface_ = 0; // the window's share of the last background
};

// Where the pairs of one reading go.
struct PairTarget {
    const QString& Folder;
    SkinDef& Skin;
    const Units& ScreenUnits;
    std::optional<Picture>& Background;
    SkinPictures& Pictures;
    const bool Describe;
};

Step Applied(const PairTarget& target, const char* field, QStringView value) {
    Step step(SkinLineStatus::Applied);
    if (target.Describe) {
        step.Field = QString::fromLatin1(field);
        step.Stored = value.toString();
    }
    return step;
}

// tried is the file that was looked at: the one the name resolved to, or else the name as
// written, under the folder; failure is why there is no picture.
std::optional<Picture> LoadSkinPicture(const PairTarget& target, QStringView value,
                                       PictureRole role, QString& tried, SkinLineStatus& failure) {
    const auto path =
        value.isEmpty() ? std::nullopt : ResolveInFolder(target.Folder, value.toString());
    if (target.Describe)
        tried = path.value_or(target.Folder + u'/' + value.toString().replace(u'\\', u'/'));
    failure = SkinLineStatus::PictureNotLoaded;
    if (!path)
        return std::nullopt;
    return target.Pictures.Get(*path, role, failure);
}

Step ApplyInfo(const PairTarget& target, const QString& key, QStringView value) {
    for (const SkinInfoKey& entry : kSkinInfoKeys) {
        if (key == entry.Key) {
            target.Skin.*entry.Field = value.toString();
            return Applied(target, entry.Name, value);
        }
    }
    return Step(SkinLineStatus::UnknownKey);
}

Step ApplySetting(const PairTarget& target, const QString& key, QStringView value) {
    if (key == u"back") {
        QString tried;
        SkinLineStatus failure;
        auto picture = LoadSkinPicture(target, value, PictureRole::Background, tried, failure);
        Step step = picture ? Applied(target, "Picture", value) : Step(failure);
        step.Path = tried;
        if (picture)
            target.Background = std::move(picture);
        return step;
    }
    if (key == u"eyes") {
        double count = LeadingNumber(value);
        if (!(count >= 0)) // NaN counts as below 0
            count = 0;
        if (count > kMaxEyes)
            count = kMaxEyes;
        const int upper = RoundToInt32(count).value_or(0);
        target.Skin.RemakeEyes(upper);
        Step step = Applied(target, "Eyes", value);
        if (target.Describe)
            step.Stored = QString::number(upper);
        return step;
    }
    return Step(SkinLineStatus::UnknownKey);
}

Step ApplyEye(const PairTarget& target, int index, const QString& key, QStringView value) {
    EyeDef& eye = target.Skin.Eyes[static_cast<size_t>(index)];
    const Units& units = target.ScreenUnits;
    auto named = [&](const char* field) {
        Step step = Applied(target, field, value);
        if (target.Describe)
            step.Field = QStringLiteral("Eyes(%1).%2").arg(index).arg(QLatin1String(field));
        return step;
    };

    if (key == u"xy" || key == u"size") {
        const qsizetype comma = value.indexOf(u',');
        if (comma < 0)
            return Step(SkinLineStatus::PairWithoutComma);
        const double first = LeadingNumber(TrimSpaces(value.first(comma)));
        const double second = LeadingNumber(value.sliced(comma + 1));
        const float h = units.ScaleX(first, ScaleUnit::Pixels, ScaleUnit::Twips);
        const float v = units.ScaleY(second, ScaleUnit::Pixels, ScaleUnit::Twips);
        if (key == u"xy") {
            eye.X = h;
            eye.Y = v;
        } else {
            eye.Width = h;
            eye.Height = v;
        }
        Step step = named(key == u"xy" ? "X,Y" : "Width,Height");
        if (target.Describe)
            step.Stored = QStringLiteral("%1,%2").arg(h).arg(v);
        return step;
    }
    if (key == u"pic" || key == u"mask") {
        const bool pic = key == u"pic";
        QString tried;
        SkinLineStatus failure;
        const auto picture = LoadSkinPicture(
            target, value, pic ? PictureRole::Pic : PictureRole::Mask, tried, failure);
        Step step = picture ? named(pic ? "Pic" : "Mask") : Step(failure);
        step.Path = tried;
        if (picture)
            (pic ? eye.Pic : eye.Mask) = *picture;
        return step;
    }
    if (key == u"type") {
        eye.Kind.Assign(value);
        Step step = named("Kind");
        if (target.Describe)
            step.Stored = eye.Kind.ToString();
        return step;
    }
    if (key == u"frames" || key == u"onbutton") {
        const auto frames = RoundToUint8(LeadingNumber(value));
        if (!frames)
            return Step(SkinLineStatus::FramesOutOfRange);
        eye.Frames = *frames;
        Step step = named("Frames");
        if (target.Describe)
            step.Stored = QString::number(*frames);
        return step;
    }
    return Step(SkinLineStatus::UnknownKey);
}

// Applies a key line of a section to the record and says what happened.
Step ApplyPair(const Section& section, const ParsedLine& pair, const PairTarget& target) {
    const bool eyeInRange = section.Kind == SkinSectionKind::Eye && section.EyeIndex >= 0 &&
                            section.EyeIndex <= target.Skin.LastEyeIndex();
    const bool used = section.Kind == SkinSectionKind::Info ||
                      section.Kind == SkinSectionKind::Setting || eyeInRange;
    if (!used) {
        Step step(section.Kind == SkinSectionKind::Eye ? SkinLineStatus::EyeOutOfRange
                                                       : SkinLineStatus::UnusedSection);
        if (target.Describe && pair.Value)
            step.Key = pair.Key.toString().toLower();
        return step;
    }
    if (!pair.Value)
        return Step(SkinLineStatus::NoEquals);
    const QString key = pair.Key.toString().toLower();
    const QStringView value = *pair.Value;
    Step step;
    switch (section.Kind) {
    case SkinSectionKind::Info:
        step = ApplyInfo(target, key, value);
        break;
    case SkinSectionKind::Setting:
        step = ApplySetting(target, key, value);
        break;
    default:
        // In range, so the rounded index is a valid element.
        step = ApplyEye(target, RoundToInt32(section.EyeIndex).value_or(0), key, value);
        break;
    }
    if (target.Describe) {
        step.Key = key;
        step.Value = value.toString();
    }
    return step;
}

// Of a file cut at the size limit only whole lines are read: the cut may fall inside a line,
// even inside one UTF-8 character, which would make the whole text read as Windows-1252.
QByteArray WholeLines(QByteArray bytes) {
    if (bytes.size() <= kMaxSkinFileBytes)
        return bytes;
    bytes.truncate(kMaxSkinFileBytes);
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] != '\n' && bytes[end - 1] != '\r')
        --end;
    if (end > 0)
        bytes.truncate(end);
    return bytes;
}

} // namespace

// What the window keeps of a background besides the picture: the background Cls restores and
// the frame, then at the display's scale the scaled copy and the window system's backing store
// (at scale 1 there is no copy; counted all the same).
qint64 SurfacePixels(QSize size, qreal scale) {
    const qint64 device =
        qint64(DeviceEdge(size.width(), scale)) * DeviceEdge(size.height(), scale);
    return 2 * qint64(size.width()) * size.height() + 2 * device;
}

QString SkinLineStatusText(SkinLineStatus status) {
    switch (status) {
    case SkinLineStatus::Blank:
        return QCoreApplication::translate("orbo::SkinReader", "blank or comment");
    case SkinLineStatus::Section:
        return QCoreApplication::translate("orbo::SkinReader", "section");
    case SkinLineStatus::Applied:
        return QCoreApplication::translate("orbo::SkinReader", "applied");
    case SkinLineStatus::UnusedSection:
        return QCoreApplication::translate("orbo::SkinReader", "skipped: section not used");
    case SkinLineStatus::EyeOutOfRange:
        return QCoreApplication::translate("orbo::SkinReader", "skipped: eye index out of range");
    case SkinLineStatus::UnknownKey:
        return QCoreApplication::translate("orbo::SkinReader", "skipped: unknown key");
    case SkinLineStatus::LineTooLong:
        return QCoreApplication::translate("orbo::SkinReader", "failed: line too long");
    case SkinLineStatus::LoneBracket:
        return QCoreApplication::translate("orbo::SkinReader", "failed: header \"[\"");
    case SkinLineStatus::NoEquals:
        return QCoreApplication::translate("orbo::SkinReader", "failed: key line without \"=\"");
    case SkinLineStatus::PictureNotLoaded:
        return QCoreApplication::translate("orbo::SkinReader", "failed: picture not loaded");
    case SkinLineStatus::FramesOutOfRange:
        return QCoreApplication::translate("orbo::SkinReader", "failed: number outside 0-255");
    case SkinLineStatus::PairWithoutComma:
        return QCoreApplication::translate("orbo::SkinReader", "failed: pair without \",\"");
    case SkinLineStatus::OverBudget:
        return QCoreApplication::translate("orbo::SkinReader",
                                           "failed: the skin's pictures too large in all");
    }
    return {};
}

SkinReadResult ReadSkinLines(const QStringList& lines, const QString& skinFolder,
                             const SkinTarget& target, const SkinLineObserver& observer) {
    SkinReadResult result;
    SkinPictures pictures(target);
    const PairTarget pairs{skinFolder,        target.Skin, target.ScreenUnits,
                           result.Background, pictures,    static_cast<bool>(observer)};
    Section section;
    for (const QString& line : lines) {
        const ParsedLine parsed = ParseLine(line);
        Step step;
        switch (parsed.Shape) {
        case LineShape::Blank:
            break;
        case LineShape::Header:
            section = SectionNamed(parsed.Name);
            step.Status = SkinLineStatus::Section;
            break;
        case LineShape::Pair:
            step = ApplyPair(section, parsed, pairs);
            break;
        case LineShape::Failure:
            step.Status = parsed.Failure;
            break;
        }
        ++result.LinesRead;
        if (observer) {
            observer(SkinLineOutcome{result.LinesRead, step.Status, section.Name, section.Kind,
                                     std::move(step.Key), std::move(step.Field),
                                     std::move(step.Value), std::move(step.Stored),
                                     std::move(step.Path), line});
        }
        if (IsFailure(step.Status)) {
            result.FailedLine = result.LinesRead;
            result.Failure = step.Status;
            break;
        }
    }
    return result;
}

SkinReadResult ReadSkinBytes(const QByteArray& bytes, const QString& skinFolder,
                             const SkinTarget& target, const SkinLineObserver& observer) {
    return ReadSkinLines(SplitLines(WholeLines(bytes)), skinFolder, target, observer);
}

std::optional<SkinReadResult> ReadSkinFile(const QString& skinFolder, const SkinTarget& target,
                                           const SkinLineObserver& observer) {
    const auto path = FindEntry(skinFolder, QStringLiteral("Skin.ini"));
    if (!path)
        return std::nullopt;
    // One byte over the limit tells a file that is longer than it.
    const auto bytes = ReadRegularFile(*path, kMaxSkinFileBytes + 1);
    if (!bytes)
        return std::nullopt;
    return ReadSkinBytes(*bytes, skinFolder, target, observer);
}

} // namespace orbo
