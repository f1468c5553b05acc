// Reading a picture from a file.
#pragma once

#include "runtime/picture.h"

#include <QtCore/QString>

#include <optional>

namespace orbo {

// Loads a picture file. Refuses what is not a regular file, pictures larger than
// kMaxPictureSide on a side, what fits refuses, and anything the decoder refuses.
std::optional<Picture> LoadPicture(const QString& path, PictureRole role,
                                   const PictureSizeCheck& fits = {});

} // namespace orbo
