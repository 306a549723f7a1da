// The full-text search of orvan-cli without saved texts, which reads every description with the
// window's own search and needs Qt Core: it lives in a module of its own, loaded only when it runs.
#pragma once

#include <ostream>
#include <string>

#include "tools/cli/arguments.h"

/// The module's file name, found beside orvan-cli or in ../lib/orvan/ from its folder.
#define ORVAN_TEXT_MODULE "orvan-cli-text.so"
/// The name of the function the module offers.
#define ORVAN_TEXT_FUNCTION "orvan_text_command"

/// How a command of the module ended, as orvan-cli's exit status.
enum class OrvanTextOutcome : int { Done = 0, NothingFound = 1, UsageError = 2, DataError = 3 };

extern "C" {

/// \brief Runs the command of `line` ("fulltext"), writing its output to `out`;
/// on an error, `reason` says what went wrong. Nothing is thrown out of the module.
using OrvanTextCommand = OrvanTextOutcome (*)(const orvan::cli::CommandLine* line,
                                              std::ostream* out, std::string* reason);
}
