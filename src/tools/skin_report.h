// The skin checker's report in words: each line as the reader took it, how far the reading got
// and the skin the creature made of it; the wordings the warnings share with it.
#pragma once

#include "skin/skin_def.h"
#include "skin/skin_reader.h"

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QTextStream>

#include <optional>
#include <vector>

namespace orbo {

class Creature;

// The report in the user's language; Skin.ini's keys, values and paths stay as written.
QString Tr(const char* text);
QString Quoted(const QString& text);
QString Px(double pixels);
QString SizeText(const QSize& size);
// Whether the skin never gave an eye its kind.
bool NeverSet(const KindText& kind);

// The line-by-line listing: each line as read and what it did, in plain words or, exactly, as
// the program's fields hold it.
void Echo(QTextStream& out, const std::vector<SkinLineOutcome>& lines, const Creature& creature,
          bool exact);
// How far the reading got.
void ReadingOutcome(QTextStream& out, const std::optional<SkinReadResult>& read);
// The skin's information, background, window and eyes as the creature holds them.
void Summarise(QTextStream& out, const Creature& creature, bool exact);

} // namespace orbo
