// The CSV form of the user's entries for spreadsheets: what is written reads back the same, and
// what spreadsheets write is read, or refused naming the line.
#include <gtest/gtest.h>

#include "personal/csv_rows.h"

namespace orvan::personal {
namespace {

std::vector<CsvRow> ReadRows(std::string_view text) {
    auto records = ReadCsv(text, "entries.csv");
    EXPECT_TRUE(records) << (records ? "" : records.error().message);
    std::vector<CsvRow> rows;
    if (records) {
        for (CsvRecord& record : *records)
            rows.push_back(std::move(record.fields));
    }
    return rows;
}

TEST(CsvRows, FieldsWithCommasQuotesAndLineEndsAreQuotedAndReadBackTheSame) {
    const std::vector<CsvRow> rows = {
        {"english", "greek", "description"},
        {"gas", "αέριο", "plain"},
        {"nut, hex", "παξιμάδι", "say \"six\"\r\nsides\nand more"},
        {"", "", ""},
        {"\"", ",", "\r"},
    };
    const std::string text = WriteCsv(rows);
    EXPECT_TRUE(text.starts_with("english,greek,description\r\ngas,αέριο,plain\r\n"));
    EXPECT_NE(text.find("\"nut, hex\""), std::string::npos);
    EXPECT_NE(text.find("\"say \"\"six\"\"\r\nsides\nand more\""), std::string::npos);
    EXPECT_NE(text.find("\r\n,,\r\n"), std::string::npos);
    EXPECT_EQ(ReadRows(text), rows);
}

TEST(CsvRows, ReadsWhatSpreadsheetsWriteBesidesTheStrictForm) {
    // LF line ends, a byte order mark, no line end at the end, empty lines passed over.
    EXPECT_EQ(ReadRows("\xEF\xBB\xBF"
                       "a,b\n\nc,\"d\nd\"\n"),
              (std::vector<CsvRow>{{"a", "b"}, {"c", "d\nd"}}));
    EXPECT_EQ(ReadRows("a,b"), (std::vector<CsvRow>{{"a", "b"}}));
    EXPECT_EQ(ReadRows("a,\r\n,\r\n\"\"\r\n"), (std::vector<CsvRow>{{"a", ""}, {"", ""}, {""}}));
    EXPECT_EQ(ReadRows(""), std::vector<CsvRow>{});
}

// A message about a record names the line it begins on, past empty lines and line ends inside
// quoted fields.
TEST(CsvRows, EachRecordKnowsTheLineItBeginsOn) {
    const auto records = ReadCsv("a\r\n\r\n\"b\r\nc\",d\r\ne\n", "entries.csv");
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[0].line, 1u);
    EXPECT_EQ((*records)[1].line, 3u);
    EXPECT_EQ((*records)[2].line, 5u);
}

// A quote inside a field that does not begin with one is refused, not guessed at.
TEST(CsvRows, BrokenTextIsRefusedNamingTheLine) {
    const auto message = [](std::string_view text) {
        const auto rows = ReadCsv(text, "entries.csv");
        EXPECT_FALSE(rows);
        if (rows) return std::string();
        EXPECT_EQ(rows.error().code, ErrorCode::Damaged);
        return rows.error().message;
    };
    EXPECT_EQ(message("a,b\r\nc,d\"e\r\n"),
              "entries.csv, line 2: a quote inside an unquoted field");
    EXPECT_EQ(message("a\n\"b\nc\"x,d\n"), "entries.csv, line 3: text follows a closing quote");
    EXPECT_EQ(message("a\n\n\"b,c\nd\n"), "entries.csv, line 3: a quoted field is never closed");
    EXPECT_EQ(message("caf\xE9\r\n"), "entries.csv is not UTF-8 text");
}

}  // namespace
}  // namespace orvan::personal
