#include "skin_reader.h"

#include "platform/arith.h"
#include "platform/files.h"
#include "platform/picture.h"

namespace orbo {

namespace {

enum class SectionKind { None, Info, Setting, Eye, Other };

// What handling one line gave; the texts are filled only when somebody listens.
struct Step {
    explicit Step(SkinLineStatus status = SkinLineStatus::Blank) : Status(status) {}

    SkinLineStatus Status;
    QString Key;
    QString Field;
    QString Value;
    QString Stored;
};

class LineReader {
public:
    LineReader(const QString& folder, const SkinTarget& target, bool describe)
        : folder_(folder), target_(target), describe_(describe) {}

    Step Handle(QStringView raw);
    const QString& SectionName() const { return sectionName_; }

private:
    Step Header(QStringView line);
    Step KeyLine(QStringView line);
    Step Info(const QString& key, QStringView value);
    Step Setting(const QString& key, QStringView value);
    Step Eye(const QString& key, QStringView value);
    std::optional<Picture> LoadSkinPicture(QStringView value, PictureRole role) const;
    bool EyeInRange() const;
    Step Applied(const char* field, QStringView value) const;

    const QString& folder_;
    const SkinTarget& target_;
    const bool describe_;
    SectionKind section_ = SectionKind::None;
    QString sectionName_;
    double eyeIndex_ = 0;
};

Step LineReader::Handle(QStringView raw) {
    QStringView line = TrimSpaces(raw);
    if (line.isEmpty() || line.front() == u';')
        return Step(SkinLineStatus::Blank);
    if (line.size() > kMaxSkinLineLength)
        return Step(SkinLineStatus::LineTooLong);
    const qsizetype comment = line.indexOf(u';');
    if (comment >= 0)
        line = TrimSpaces(line.first(comment));
    if (line.front() == u'[')
        return Header(line);
    return KeyLine(line);
}

Step LineReader::Header(QStringView line) {
    if (line.size() == 1)
        return Step(SkinLineStatus::LoneBracket);
    sectionName_ = line.sliced(1, line.size() - 2).toString();
    const QString lower = sectionName_.toLower();
    if (lower == u"info") {
        section_ = SectionKind::Info;
    } else if (lower == u"setting") {
        section_ = SectionKind::Setting;
    } else if (QStringView(sectionName_)
                   .first(std::min<qsizetype>(3, sectionName_.size()))
                   .toString()
                   .toLower() == u"eye") {
        section_ = SectionKind::Eye;
        eyeIndex_ = Val(QStringView(sectionName_).sliced(3));
    } else {
        section_ = SectionKind::Other;
    }
    return Step(SkinLineStatus::Section);
}

bool LineReader::EyeInRange() const {
    return eyeIndex_ >= 0 && eyeIndex_ <= target_.Skin.EyesUBound();
}

Step LineReader::KeyLine(QStringView line) {
    const bool used = section_ == SectionKind::Info || section_ == SectionKind::Setting ||
                      (section_ == SectionKind::Eye && EyeInRange());
    const qsizetype equals = line.indexOf(u'=');
    if (!used) {
        Step step(section_ == SectionKind::Eye ? SkinLineStatus::EyeOutOfRange
                                               : SkinLineStatus::UnusedSection);
        if (describe_ && equals >= 0)
            step.Key = line.first(equals).toString().toLower();
        return step;
    }
    if (equals < 0)
        return Step(SkinLineStatus::NoEquals);
    const QString key = line.first(equals).toString().toLower();
    const QStringView value = TrimSpaces(line.sliced(equals + 1));
    Step step;
    switch (section_) {
    case SectionKind::Info:
        step = Info(key, value);
        break;
    case SectionKind::Setting:
        step = Setting(key, value);
        break;
    default:
        step = Eye(key, value);
        break;
    }
    if (describe_) {
        step.Key = key;
        step.Value = value.toString();
    }
    return step;
}

Step LineReader::Applied(const char* field, QStringView value) const {
    Step step(SkinLineStatus::Applied);
    if (describe_) {
        step.Field = QString::fromLatin1(field);
        step.Stored = value.toString();
    }
    return step;
}

Step LineReader::Info(const QString& key, QStringView value) {
    SkinDef& skin = target_.Skin;
    struct Entry {
        const char16_t* Key;
        QString SkinDef::*Field;
        const char* Name;
    };
    static constexpr Entry kInfoKeys[] = {
        {u"name", &SkinDef::Name, "Name"},
        {u"creator", &SkinDef::Creator, "Creator"},
        {u"homepage", &SkinDef::HomePage, "HomePage"},
        {u"email", &SkinDef::Email, "Email"},
        {u"date", &SkinDef::Date, "Date"},
        {u"comment", &SkinDef::Comment, "Comment"},
    };
    for (const Entry& entry : kInfoKeys) {
        if (key == entry.Key) {
            skin.*entry.Field = value.toString();
            return Applied(entry.Name, value);
        }
    }
    return Step(SkinLineStatus::UnknownKey);
}

std::optional<Picture> LineReader::LoadSkinPicture(QStringView value, PictureRole role) const {
    if (value.isEmpty())
        return std::nullopt;
    const auto path = ResolveInFolder(folder_, value.toString());
    if (!path)
        return std::nullopt;
    return LoadPicture(*path, role);
}

Step LineReader::Setting(const QString& key, QStringView value) {
    if (key == u"back") {
        const auto picture = LoadSkinPicture(value, PictureRole::Background);
        if (!picture)
            return Step(SkinLineStatus::PictureNotLoaded);
        target_.Window.SetPicture(*picture);
        return Applied("Picture", value);
    }
    if (key == u"eyes") {
        double count = Val(value);
        if (!(count >= 0)) // NaN counts as below 0
            count = 0;
        if (count > 255)
            count = 255;
        const int upper = RoundToInt32(count).value_or(0);
        target_.Skin.ReDimEyes(upper);
        Step step = Applied("Eyes", value);
        if (describe_)
            step.Stored = QString::number(upper);
        return step;
    }
    return Step(SkinLineStatus::UnknownKey);
}

Step LineReader::Eye(const QString& key, QStringView value) {
    // In range, so the rounded index is a valid element.
    const int index = RoundToInt32(eyeIndex_).value_or(0);
    EyeDef& eye = target_.Skin.Eyes[static_cast<size_t>(index)];
    const Units& units = target_.ScreenUnits;
    auto named = [&](const char* field) {
        Step step = Applied(field, value);
        if (describe_)
            step.Field = QStringLiteral("Eyes(%1).%2").arg(index).arg(QLatin1String(field));
        return step;
    };

    if (key == u"xy" || key == u"size") {
        const qsizetype comma = value.indexOf(u',');
        if (comma < 0)
            return Step(SkinLineStatus::PairWithoutComma);
        const double first = Val(TrimSpaces(value.first(comma)));
        const double second = Val(value.sliced(comma + 1));
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
        if (describe_)
            step.Stored = QStringLiteral("%1,%2").arg(h).arg(v);
        return step;
    }
    if (key == u"pic" || key == u"mask") {
        const bool pic = key == u"pic";
        const auto picture = LoadSkinPicture(value, pic ? PictureRole::Pic : PictureRole::Mask);
        if (!picture)
            return Step(SkinLineStatus::PictureNotLoaded);
        (pic ? eye.Pic : eye.Mask) = *picture;
        return named(pic ? "Pic" : "Mask");
    }
    if (key == u"type") {
        eye.Kind.Assign(value);
        Step step = named("Kind");
        if (describe_)
            step.Stored = eye.Kind.ToString();
        return step;
    }
    if (key == u"frames" || key == u"onbutton") {
        const auto frames = RoundToUint8(Val(value));
        if (!frames)
            return Step(SkinLineStatus::FramesOutOfRange);
        eye.Frames = *frames;
        Step step = named("Frames");
        if (describe_)
            step.Stored = QString::number(*frames);
        return step;
    }
    return Step(SkinLineStatus::UnknownKey);
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

QString SkinLineStatusText(SkinLineStatus status) {
    switch (status) {
    case SkinLineStatus::Blank:
        return QStringLiteral("blank or comment");
    case SkinLineStatus::Section:
        return QStringLiteral("section");
    case SkinLineStatus::Applied:
        return QStringLiteral("applied");
    case SkinLineStatus::UnusedSection:
        return QStringLiteral("skipped: section not read");
    case SkinLineStatus::EyeOutOfRange:
        return QStringLiteral("skipped: eye index outside Eyes");
    case SkinLineStatus::UnknownKey:
        return QStringLiteral("skipped: key not known in this section");
    case SkinLineStatus::LineTooLong:
        return QStringLiteral("failed: line too long");
    case SkinLineStatus::LoneBracket:
        return QStringLiteral("failed: header \"[\"");
    case SkinLineStatus::NoEquals:
        return QStringLiteral("failed: key line without \"=\"");
    case SkinLineStatus::PictureNotLoaded:
        return QStringLiteral("failed: picture not loaded");
    case SkinLineStatus::FramesOutOfRange:
        return QStringLiteral("failed: number outside 0-255");
    case SkinLineStatus::PairWithoutComma:
        return QStringLiteral("failed: pair without \",\"");
    }
    return {};
}

SkinReadResult ReadSkinLines(const QStringList& lines, const QString& skinFolder,
                             const SkinTarget& target, const SkinLineObserver& observer) {
    const bool describe = static_cast<bool>(observer);
    LineReader reader(skinFolder, target, describe);
    SkinReadResult result;
    for (const QString& line : lines) {
        Step step = reader.Handle(line);
        ++result.LinesRead;
        if (describe) {
            observer(SkinLineOutcome{result.LinesRead, step.Status, reader.SectionName(),
                                     std::move(step.Key), std::move(step.Field),
                                     std::move(step.Value), std::move(step.Stored)});
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
