// Which folder names can be skins.
#include "skin_name.h"

#include "platform/system/files.h"

namespace orbo {

bool CanBeSkinName(const QString& name) {
    return IsEntryName(name) && !name.endsWith(QStringLiteral(".zip"), Qt::CaseSensitive);
}

} // namespace orbo
