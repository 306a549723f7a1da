// The reading of TBX files for orvan-cli's import, which parses XML with Qt Core: it lives in a
// module of its own, loaded only when a TBX file is imported.
#pragma once

#include <string>
#include <vector>

#include "personal/exchange_entry.h"

/// The module's file name, found beside orvan-cli or in ../lib/orvan/ from its folder.
#define ORVAN_EXCHANGE_MODULE "orvan-cli-exchange.so"
/// The name of the function the module offers.
#define ORVAN_EXCHANGE_FUNCTION "orvan_read_tbx"

extern "C" {

/// \brief Reads the TBX document `bytes` of the file `path` into `entries`; false, with what is
/// wrong in `reason` (naming the file and line), when it cannot. Nothing is thrown out of the
/// module.
using OrvanReadTbx = bool (*)(const std::string* bytes, const std::string* path,
                              std::vector<orvan::personal::ExchangeEntry>* entries,
                              std::string* reason);
}
