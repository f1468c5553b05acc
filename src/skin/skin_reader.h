// The Skin.ini reader: its dialect line by line, what each line did, and its return contract.
#pragma once

// Bytes. The file is read as at most kMaxSkinFileBytes bytes; of a longer file only the lines
// that end within that first part are read. The bytes are UTF-8 when they are valid UTF-8 (a
// byte-order mark is dropped), otherwise Windows-1252. CR LF, a lone CR and a lone LF each end
// a line.
//
// Lines. Each line goes through these checks, in this order:
//  1. Spaces (U+0020 only, not tabs) are trimmed from both ends.
//  2. An empty line, or one whose first character is ";", is blank.
//  3. A line still longer than kMaxSkinLineLength characters fails.
//  4. Everything from the first ";" on is removed and spaces are trimmed again, so a comment may
//     follow a header or a value, and no value holds a ";".
//  5. A line starting with "[" is a section header: the section's name is the text between the
//     first and the last character, whatever the last one is ("[info" names "inf"). A header
//     that is the single character "[" fails and the section stays; "[]" names the empty one.
//  6. Any other line is a key line: the key is the text before the first "=", lower-cased and
//     not trimmed ("name =x" has the key "name " that nothing knows); the value is the text
//     after it, trimmed of spaces, letter case kept, further "=" included. A line without "="
//     fails in a used section and is skipped in any other.
//
// Sections, named by the last header (none before the first), compared lower-cased and not
// trimmed ("[Info]" is "info", "[ info ]" is not):
//  - "info": name, creator, homepage, email, date, comment (texts into SkinDef).
//  - "setting": back (the background picture), eyes (the eye count: Val, then below 0 is 0 and
//    above 255 is 255, then rounded half to even; Eyes is made anew, all empty).
//  - an eye section, any name whose first three characters lower-cased are "eye": its index N
//    is Val of the rest of the name ("[eye 1]" 1, "[eye]" and "[eyes]" 0). Its key lines are
//    used while 0 <= N <= the upper bound of Eyes, on element N rounded half to even, and
//    skipped otherwise. Keys: xy and size (two numbers in pixels, before and after the first
//    ","; stored in twips as ScaleX / ScaleY convert them), pic and mask (pictures), type
//    (the kind: padded or cut to six characters), frames and onbutton (both the Frames byte:
//    Val rounded half to even, outside 0-255 fails).
//  - any other section, or none yet: every line skipped.
// A key that its section does not list is skipped. Numbers are read with Val.
//
// Pictures are named relative to the skin's folder, with "/" or "\" between folder names and
// in any letter case; an empty name, an absolute one, "..", a link leading out of the folder,
// anything but a regular file, one over kMaxPictureSide pixels a side, or one the decoder
// refuses fails, and the field keeps the picture it had.
//
// Picture budget. Within one reading each file is decoded once per use (background, eye picture,
// eye mask: their see-through pixels differ), and every line naming it in that use shares that
// one picture. The pictures the reading decodes, together with what the window keeps of the last
// background loaded (of w x h pixels: the back buffer twice, 2 x w x h, and twice its copy at the
// target's DisplayScale s, 2 x (w x s) x (h x s)), may hold at most the target's PixelBudget
// pixels. A picture line that would take the reading past it fails with its own status, as a
// picture that cannot be loaded does, and its file is not decoded: the size is checked from the
// file's header before decoding, and again once decoded.
//
// An "xy" or "size" value without "," fails and stores nothing: a pair is one corner or one
// size, and keeping half of it would give a box that nobody wrote.
//
// Return contract. Lines are applied in file order, each at once, into the record. The reader
// changes nothing else: the background picture that a "back" line loads is handed back in the
// result, for the caller to give to the window. Reading stops after the first line that fails
// (a picture past the budget included); what earlier lines applied stays (the background
// included). The result says how many lines were handled and which one failed. Nothing is
// thrown for anything in the file. Pictures that no field holds at the end are let go with the
// reading.

#include "runtime/picture.h"
#include "runtime/units.h"
#include "skin/skin_def.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>
#include <optional>

namespace orbo {

inline constexpr qint64 kMaxSkinFileBytes = 1024 * 1024;
inline constexpr qsizetype kMaxSkinLineLength = 64 * 1024;
// 256 MiB of RGB32 pixels: a background as large as a 4K screen at scale 2 takes a fifth of it.
inline constexpr qint64 kMaxSkinPixels = 64LL * 1024 * 1024;

// What the window keeps of a background of this many pixels besides the picture when it is drawn
// at scale device pixels per pixel: the background Cls restores, the frame, the scaled copy and
// the window system's backing store.
qint64 SurfacePixels(QSize size, qreal scale);

// Where the file's values go: the record, with the screen's units for the eye boxes, and the
// budget of the pictures.
struct SkinTarget {
    SkinDef& Skin;
    Units ScreenUnits;
    qreal DisplayScale = 1; // device pixels per pixel the creature may be drawn at
    qint64 PixelBudget = kMaxSkinPixels;
};

// The keys of the "info" section, in the record's order, each with the text it fills and that
// field's name.
struct SkinInfoKey {
    const char16_t* Key;
    QString SkinDef::*Field;
    const char* Name;
};
inline constexpr SkinInfoKey kSkinInfoKeys[] = {
    {u"name", &SkinDef::Name, "Name"},
    {u"email", &SkinDef::Email, "Email"},
    {u"homepage", &SkinDef::HomePage, "HomePage"},
    {u"creator", &SkinDef::Creator, "Creator"},
    {u"date", &SkinDef::Date, "Date"},
    {u"comment", &SkinDef::Comment, "Comment"},
};

// What the section a line falls in is read as.
enum class SkinSectionKind {
    None,    // before the first header
    Info,    // "info"
    Setting, // "setting"
    Eye,     // "eye..."
    Other,   // a section that is not read
};

enum class SkinLineStatus {
    Blank,         // blank or comment line
    Section,       // a header: the current section changed
    Applied,       // a key line stored its value
    UnusedSection, // a line of a section that is not read, or before any header
    EyeOutOfRange, // a line of an eye section whose index lies outside Eyes
    UnknownKey,    // a key that its section does not list
    // Failures: the reading ends with this line.
    LineTooLong,
    LoneBracket,
    NoEquals,
    PictureNotLoaded,
    FramesOutOfRange,
    PairWithoutComma,
    OverBudget, // a picture line that would take the reading past its picture budget
};

constexpr bool IsFailure(SkinLineStatus status) {
    return status >= SkinLineStatus::LineTooLong;
}
// A short name of the status in the user's language, for tools that list outcomes.
QString SkinLineStatusText(SkinLineStatus status);

// What one line did, for a tool that checks a skin.
struct SkinLineOutcome {
    int Line = 0; // 1-based
    SkinLineStatus Status = SkinLineStatus::Blank;
    QString Section; // the current section after the line, as written
    SkinSectionKind SectionKind = SkinSectionKind::None; // and what it is read as
    QString Key;                                         // for key lines, as lower-cased
    QString Field;  // what was written: "Name", "Picture", "Eyes", "Eyes(1).X,Y", ...
    QString Value;  // the value as written in the file
    QString Stored; // for applied lines, what was stored, as text (twips, the eye count, ...)
    QString Path;   // for picture lines, the file tried (the name as written when none matched)
    QString Text;   // the line as read
};

// Told about every line handled. Outcomes are only worked out when an observer is given.
using SkinLineObserver = std::function<void(const SkinLineOutcome&)>;

struct SkinReadResult {
    int LinesRead = 0;  // lines handled, a failing one included
    int FailedLine = 0; // 1-based; 0 when the reading reached the end of the file
    SkinLineStatus Failure = SkinLineStatus::Blank;
    std::optional<Picture> Background; // the last "back" picture that loaded, if any did

    bool Failed() const { return FailedLine != 0; }
};

// The lines of a skin whose pictures lie in skinFolder.
SkinReadResult ReadSkinLines(const QStringList& lines, const QString& skinFolder,
                             const SkinTarget& target, const SkinLineObserver& observer = {});
// The same from the file's bytes (decoded and split as described above).
SkinReadResult ReadSkinBytes(const QByteArray& bytes, const QString& skinFolder,
                             const SkinTarget& target, const SkinLineObserver& observer = {});
// Reads skinFolder's "Skin.ini" (exact name first, then in any letter case). No result, and
// nothing changed, when there is no such regular file.
std::optional<SkinReadResult> ReadSkinFile(const QString& skinFolder, const SkinTarget& target,
                                           const SkinLineObserver& observer = {});

} // namespace orbo
