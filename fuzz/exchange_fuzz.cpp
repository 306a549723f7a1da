// Feeds arbitrary bytes to what an import reads: a term base (TBX) and a spreadsheet's
// comma-separated values. Checks that neither crashes nor hangs, that a refusal says why, and
// that what is read is written in a form that reads back as the same entries: a file written
// from what was read, read and written again, gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "personal/csv_entries.h"
#include "personal/tbx_reader.h"
#include "personal/tbx_writer.h"

namespace {

namespace personal = orvan::personal;

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckTbx(std::string_view bytes) {
    const auto read = personal::ReadTbx(bytes, "input.tbx");
    if (!read) {
        Check(!read.error().message.empty());
        return;
    }
    for (const personal::TbxShape shape :
         {personal::TbxShape::Current, personal::TbxShape::Martif}) {
        const std::string written = personal::WriteTbx(*read, shape);
        const auto again = personal::ReadTbx(written, "written.tbx");
        Check(again.has_value() && again->size() == read->size());
        Check(personal::WriteTbx(*again, shape) == written);
    }
}

void CheckCsv(std::string_view bytes) {
    const auto read = personal::ReadEntriesCsv(bytes, "input.csv");
    if (!read) {
        Check(!read.error().message.empty());
        return;
    }
    // Rows read with a problem carry none of their fields: only whole rows are written.
    std::vector<personal::ExchangeEntry> whole;
    for (const personal::ExchangeEntry& entry : *read)
        if (entry.problem.empty()) whole.push_back(entry);
    const std::string written = personal::WriteEntriesCsv(whole);
    const auto again = personal::ReadEntriesCsv(written, "written.csv");
    Check(again.has_value() && again->size() == whole.size());
    Check(personal::WriteEntriesCsv(*again) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckTbx(bytes);
    CheckCsv(bytes);
    return 0;
}
