// Eye themes of the Xfce and GNOME eyes applets turned into ordinary Orbo skins.
#pragma once

// A theme is a folder holding a text file "config" and two pictures. Its lines are read the way
// those applets read them:
//   wall-thickness = N      num-eyes = N      eye-pixmap = "FILE"      pupil-pixmap = "FILE"
// - a line is split at its first "="; a key matches when the text before the "=" begins with it
//   (blanks before it allowed), so "num-eyes = 2" and "num-eyes-extra=2" both give num-eyes;
// - a number is the first run of digits after the key ("-5" reads as 5); no digits, no number;
// - a file name is the text between the first two double quotes after the key, relative to the
//   theme folder;
// - other lines are ignored, a CR before the line's end is dropped, and a last line without a
//   newline is read like any other; a key given twice takes its last line.
//
// The applets draw the eye pictures side by side with no gap, and the pupil picture over each,
// centred on a point that stays inside the ellipse whose radii are (eye - wall - pupil) / 2 on
// each axis around the eye's centre (the wall thickness counts both walls).

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>
#include <optional>

namespace orbo {

struct ThemeConfig {
    std::optional<qint64> WallThickness;
    std::optional<qint64> NumEyes;
    std::optional<QString> EyePixmap;
    std::optional<QString> PupilPixmap;
};

// Numbers longer than this many digits saturate here rather than wrap.
inline constexpr qint64 kThemeNumberCap = 999'999'999;

ThemeConfig ParseThemeConfig(const QByteArray& bytes);

// How an imported eye moves.
enum class ImportKind {
    Auto,   // the pupil slides inside a travel box that ends where the theme's wall is
    Frames, // a strip of the pupil at the wall in each direction, turned to the cursor
};

// Where a theme came from, written into the skin's information.
struct ThemeOrigin {
    QString Creator; // the program the theme was made for
    QString Comment; // the folder it was imported from and its licence
};

// The Debian package that owns a path, or empty.
using PackageLookup = std::function<QString(const QString& path)>;

// A theme lying in one of the applets' folders (…/share/xfce4/eyes/themes/NAME,
// …/share/gnome-applets/geyes/NAME) belongs to that applet's package, whose copyright file lies
// beside it under …/share/doc; elsewhere lookup names the package, if any. The licence is read
// from the package's machine-readable copyright file.
ThemeOrigin FindThemeOrigin(const QString& themeFolder, const PackageLookup& lookup = {});

// The package that dpkg says installed path, or empty (no dpkg, or nobody's file).
QString DpkgOwner(const QString& path);

struct ImportRequest {
    QString ThemeFolder;
    QString Into; // the skins folder the new skin folder goes into (made when missing)
    QString Name; // the skin's name, of its folder and in its information; empty for the theme's
    ImportKind Kind = ImportKind::Auto;
    bool Force = false; // replace a skin folder of that name
    QString Date;       // the skin's date
    ThemeOrigin Origin;
};

struct ImportResult {
    bool Ok = false;
    QString SkinFolder;   // where the skin now is
    QString Error;        // why nothing was written
    QStringList Warnings; // imported all the same
};

// Reads the theme, writes the skin into a hidden temporary folder inside Into, reads it back with
// the skin reader and only then renames it into place: a refused import leaves nothing behind.
ImportResult ImportTheme(const ImportRequest& request);

} // namespace orbo
