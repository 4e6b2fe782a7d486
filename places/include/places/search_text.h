// The form in which names are compared when searching the atlas.
#pragma once

#include <QString>
#include <string>

namespace zkc::places {

// Lower case, accents and other marks removed, letters that do not
// decompose spelled out (ß → ss, ø → o, æ → ae), apostrophes dropped and
// every other run of punctuation or blanks made one blank. "Zürich",
// "zurich" and "ZURICH" meet, as do "St. John's" and "st johns".
std::string FoldForSearch(const QString& text);

}  // namespace zkc::places
