// The names screen readers announce for the controls of an input page.
#pragma once

namespace zkc::app {

class InputPage;
enum class PageKind;

// Gives every input of the page an accessible name from its caption with
// its part in a pair and the page it is on ("Birth longitude degrees",
// "Day latitude North"), and names the time zone group.
void NameForScreenReaders(InputPage& page, PageKind kind);

}  // namespace zkc::app
