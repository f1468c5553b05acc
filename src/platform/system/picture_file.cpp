// Reading a picture from a file.
#include "picture_file.h"

#include "platform/system/files.h"

namespace orbo {

namespace {

// Bigger files cannot hold a picture we accept anyway (8192 x 8192 x 4 bytes, uncompressed).
constexpr qint64 kMaxPictureFileBytes = 300LL * 1024 * 1024;

} // namespace

std::optional<Picture> LoadPicture(const QString& path, PictureRole role,
                                   const PictureSizeCheck& fits) {
    const auto bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes)
        return std::nullopt;
    return DecodePicture(*bytes, role, fits);
}

} // namespace orbo
