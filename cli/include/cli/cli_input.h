// The two input pages of a reading, from a chart document or from options.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <variant>

#include "documents/chart_document.h"

namespace zkc::cli {

// Why input could not be read, and the exit status that reports it.
struct InputError {
    int ExitCode;
    QString Message;
};

// The pages of a chart document; a refused document is status 2.
std::variant<Pages, InputError> PagesFromDocument(const QByteArray& document);

// Registers the options of the birth details and of the day of the reading.
void AddPageOptions(QCommandLineParser& parser);

// True when any option of AddPageOptions was given.
bool HasPageOptions(const QCommandLineParser& parser);

// The pages from the options; malformed values are usage errors.
std::variant<Pages, InputError> PagesFromOptions(const QCommandLineParser& parser);

}  // namespace zkc::cli
