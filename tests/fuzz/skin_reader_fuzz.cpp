// Feeds arbitrary bytes to the Skin.ini reader, over a skin folder that holds a few real
// pictures, a subfolder, a link out of the folder and an undecodable file, so that picture
// lines reach the loader both ways.

#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "skin/skin_reader.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Folder {
    Folder() {
        root = dir.path() + QStringLiteral("/skin");
        QDir().mkpath(root + QStringLiteral("/Pics"));
        QImage back(20, 10, QImage::Format_RGB32);
        back.fill(qRgb(255, 0, 255));
        back.save(root + QStringLiteral("/back.bmp"), "BMP");
        QImage eye(4, 4, QImage::Format_RGB32);
        eye.fill(qRgb(0, 255, 0));
        eye.save(root + QStringLiteral("/Pics/Eye.bmp"), "BMP");
        QFile junk(root + QStringLiteral("/junk.bmp"));
        if (junk.open(QIODevice::WriteOnly))
            junk.write("BM\x10\x00\x00\x00 not a bitmap");
        QFile::link(dir.path(), root + QStringLiteral("/up"));
        if (!QFile::exists(root + QStringLiteral("/back.bmp")))
            std::abort(); // a broken fixture would only fuzz the failure paths
    }
    QTemporaryDir dir;
    QString root;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    static const orbo::DefaultSkinPictures pictures = orbo::DefaultSkinPictures::Load();
    const orbo::Units units;
    orbo::SkinDef skin;
    orbo::CreatureWindow window(units);
    orbo::ActivateDefSkin(skin, window, units, pictures);

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int lines = 0;
    const orbo::SkinReadResult result =
        orbo::ReadSkinBytes(bytes, folder.root, orbo::SkinTarget{skin, units},
                            [&lines](const orbo::SkinLineOutcome& outcome) {
                                if (outcome.Line != ++lines)
                                    std::abort();
                            });
    // The contract the reader states: the count of lines handled, a failure only as the last.
    if (result.LinesRead != lines || (result.Failed() && result.FailedLine != lines))
        std::abort();
    if (skin.LastEyeIndex() < 0 || skin.LastEyeIndex() > 255)
        std::abort();
    return 0;
}
