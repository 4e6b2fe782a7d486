// The two input pages of a reading, from a JSON document or from options.
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <variant>

#include "engine/page_input.h"

namespace zkc::cli {

struct Pages {
    PageFields Birth;
    PageFields Day;
};

// Why input could not be read, and the exit status that reports it.
struct InputError {
    int ExitCode;
    QString Message;
};

// {"birth": {…}, "day": {…}} with the chart input's field names. Numbers are
// JSON numbers, flags booleans, texts strings; a missing text is empty, a
// missing or mistyped number or flag is refused naming the field.
std::variant<Pages, InputError> PagesFromJson(const QByteArray& document);

// Registers the options of the birth details and of the day of the reading.
void AddPageOptions(QCommandLineParser& parser);

// True when any option of AddPageOptions was given.
bool HasPageOptions(const QCommandLineParser& parser);

// The pages from the options; malformed values are usage errors.
std::variant<Pages, InputError> PagesFromOptions(const QCommandLineParser& parser);

}  // namespace zkc::cli
