// Text from a file's bytes: the encoding guessed, the lines split.
#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace orbo {

// Text lines of a file's bytes: CR LF, a lone CR and a lone LF each end a line. The bytes are
// UTF-8 when they are valid UTF-8 (a leading byte-order mark is dropped), otherwise Windows-1252.
QStringList SplitLines(const QByteArray& bytes);
QString DecodeText(const QByteArray& bytes);

} // namespace orbo
