#include "personal/csv_rows.h"

#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

Error Broken(const std::string& path, std::size_t line, const std::string& what) {
    return Error{ErrorCode::Damaged, path, 0,
                 path + ", line " + std::to_string(line) + ": " + what};
}

}  // namespace

std::string WriteCsv(const std::vector<CsvRow>& rows) {
    std::string text;
    for (const CsvRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += ',';
            const std::string& field = row[i];
            if (!NeedsQuotes(field)) {
                text += field;
                continue;
            }
            text += '"';
            for (const char c : field) {
                if (c == '"') text += '"';
                text += c;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

Result<std::vector<CsvRecord>> ReadCsv(std::string_view text, const std::string& path) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!IsUtf8(text))
        return Failure(Error{ErrorCode::Damaged, path, 0, path + " is not UTF-8 text"});
    std::vector<CsvRecord> rows;
    CsvRecord row;
    std::string field;
    std::size_t line = 1;
    std::size_t at = 0;
    // Whether the record under way has begun (an empty line is no record), and whether the next
    // character begins a field.
    bool begun = false;
    bool fieldStart = true;
    const auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        fieldStart = true;
    };
    const auto endRecord = [&] {
        endField();
        rows.push_back(std::move(row));
        row = {};
        begun = false;
    };
    while (at < text.size()) {
        const char c = text[at];
        if (!begun) row.line = line;
        if (c == '"' && fieldStart) {
            // A quoted field: up to the quote not doubled.
            const std::size_t opened = line;
            ++at;
            while (true) {
                if (at >= text.size())
                    return Failure(Broken(path, opened, "a quoted field is never closed"));
                if (text[at] == '"') {
                    if (at + 1 < text.size() && text[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                if (text[at] == '\n') ++line;
                field += text[at++];
            }
            begun = true;
            fieldStart = false;
            if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n')
                return Failure(Broken(path, line, "text follows a closing quote"));
            continue;
        }
        if (c == ',') {
            endField();
            begun = true;
            ++at;
            continue;
        }
        if (c == '\r' || c == '\n') {
            at += c == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
            if (begun) endRecord();
            fieldStart = true;
            ++line;
            continue;
        }
        if (c == '"') return Failure(Broken(path, line, "a quote inside an unquoted field"));
        field += c;
        begun = true;
        fieldStart = false;
        ++at;
    }
    if (begun) endRecord();
    return rows;
}

}  // namespace orvan::personal
