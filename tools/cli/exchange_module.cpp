// TBX files read for the import, with Qt Core's XML reader.
#include "tools/cli/exchange_module.h"

#include <exception>

#include "personal/tbx_reader.h"

extern "C" __attribute__((visibility("default"))) bool orvan_read_tbx(
    const std::string* bytes, const std::string* path,
    std::vector<orvan::personal::ExchangeEntry>* entries, std::string* reason) {
    try {
        auto read = orvan::personal::ReadTbx(*bytes, *path);
        if (!read) {
            *reason = read.error().message;
            return false;
        }
        *entries = std::move(*read);
        return true;
    } catch (const std::exception& error) {
        *reason = *path + ": " + error.what();
        return false;
    }
}
