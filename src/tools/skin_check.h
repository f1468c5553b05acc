// The skin checker: what a skin author asks, and what the creature made of the skin.
#pragma once

#include <QtCore/QPoint>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>

#include <optional>

namespace orbo {

// What a skin author asks of the checker.
struct SkinCheckRequest {
    QString Folder;
    QSize Screen{1024, 768};
    // For a rendering: the cursor in screen pixels and the buttons held (left, right, middle).
    std::optional<QPoint> Cursor;
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    // The window's top-left corner on the screen in pixels; the screen's top-left when not set.
    std::optional<QPoint> At = std::nullopt;
    // The display's scale: the rendering is drawn at this many device pixels per pixel, as the
    // creature is on a scaled display (cursor and screen stay in unscaled pixels).
    double Scale = 1;
    // The size the user chose, percent of the picture, on top of the display's scale.
    int Size = 100;
    // The report in the program's own terms (field names, twips, kinds as stored) rather than
    // in plain words and pixels.
    bool Exact = false;
};

struct SkinCheckResult {
    QString Report; // every line as the reader took it, then a summary and warnings
    bool WholeFileRead = false;
    QImage Rendering; // the creature as a tick draws it, transparent outside its shape
};

// Reads the folder's Skin.ini once, with the creature model the program uses (window at
// the screen's top-left corner) and reports what it read. Renders when a cursor is given.
SkinCheckResult CheckSkin(const SkinCheckRequest& request);

// The creature as one tick draws it for the cursor, cut to its shape. Public for tests, which
// compare it with the tick itself.
QImage RenderCreature(const SkinCheckRequest& request);

// Where the skin to check is: the folder given, from the current folder; else, for a bare name,
// the skin of that name in the skins folders, found as Orbo finds a skin by name.
struct SkinLocation {
    std::optional<QString> Folder;
    QStringList Tried; // every path looked at, in order
};
SkinLocation LocateSkin(const QString& given, const QStringList& skinsFolders);

} // namespace orbo
