// The help document of the sample medium: the page the window's help button opens, the button
// pictures it shows, and that it explains every picture button of the window by its hint.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kContent = fs::path(ORVAN_MEDIUM_DIR) / "content";
const fs::path kWindowPictures = fs::path(ORVAN_SOURCE_DIR) / "resources" / "icons";

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether `text` is UTF-8 as the standard has it: shortest forms only, no surrogates, nothing
// past U+10FFFF.
bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int more = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            code = lead & 0x1F;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            code = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            code = lead & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        if (i + more >= text.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

// A tag of the page: its name in lower case, whether it closes, and its attribute text.
struct Tag {
    std::string name;
    bool closing = false;
    std::string attributes;
    size_t offset = 0;
};

// The page's tags in order, comments, the doctype and the stylesheet's text left out.
std::vector<Tag> Tags(const std::string& page) {
    std::vector<Tag> tags;
    size_t i = 0;
    while ((i = page.find('<', i)) != std::string::npos) {
        if (page.compare(i, 4, "<!--") == 0) {
            i = page.find("-->", i);
            if (i == std::string::npos) break;
            continue;
        }
        const size_t end = page.find('>', i);
        if (end == std::string::npos) break;
        Tag tag;
        tag.offset = i;
        std::string inner = page.substr(i + 1, end - i - 1);
        i = end + 1;
        if (!inner.empty() && inner[0] == '!') continue;
        if (!inner.empty() && inner[0] == '/') {
            tag.closing = true;
            inner.erase(0, 1);
        }
        const size_t nameEnd = inner.find_first_of(" \t\r\n/");
        tag.name = inner.substr(0, nameEnd);
        std::transform(tag.name.begin(), tag.name.end(), tag.name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (nameEnd != std::string::npos) tag.attributes = inner.substr(nameEnd);
        tags.push_back(tag);
        if (tag.name == "style" && !tag.closing) {
            i = page.find("</style>", i);
            if (i == std::string::npos) break;
        }
    }
    return tags;
}

// The values of one attribute over all tags, e.g. every src="...".
std::vector<std::string> AttributeValues(const std::vector<Tag>& tags, const std::string& name) {
    std::vector<std::string> values;
    const std::string key = " " + name + "=\"";
    for (const Tag& tag : tags) {
        const size_t start = tag.attributes.find(key);
        if (start == std::string::npos) continue;
        const size_t from = start + key.size();
        values.push_back(tag.attributes.substr(from, tag.attributes.find('"', from) - from));
    }
    return values;
}

class HelpPageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        page = new std::string(ReadBytes(kContent / "OrvanHelp.htm").value_or(""));
    }
    static void TearDownTestSuite() { delete page; }
    static inline std::string* page = nullptr;
};

TEST_F(HelpPageTest, TheMediumHoldsAGreekUtf8PageUnderTheNameTheHelpButtonOpens) {
    ASSERT_TRUE(fs::is_regular_file(kContent / "OrvanHelp.htm"));
    ASSERT_GT(page->size(), 10000u);
    EXPECT_TRUE(IsUtf8(*page));
    EXPECT_EQ(page->rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page->find("<html lang=\"el\">"), std::string::npos);
    EXPECT_NE(page->find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page->find("<title>"), std::string::npos);
    // The copy in the medium is the page as written.
    EXPECT_EQ(*page, ReadBytes(fs::path(ORVAN_SOURCE_DIR) / "sample" / "help" / "OrvanHelp.htm"));
}

TEST_F(HelpPageTest, ElementsNestAndCloseAndAnchorsAreUnique) {
    static const std::set<std::string> kVoid = {"meta", "img", "br", "hr", "link", "input"};
    std::vector<Tag> open;
    for (const Tag& tag : Tags(*page)) {
        if (kVoid.count(tag.name) != 0) {
            EXPECT_FALSE(tag.closing) << tag.name << " at " << tag.offset;
            continue;
        }
        if (!tag.closing) {
            open.push_back(tag);
            continue;
        }
        ASSERT_FALSE(open.empty()) << "</" << tag.name << "> at " << tag.offset;
        ASSERT_EQ(open.back().name, tag.name)
            << "<" << open.back().name << "> at " << open.back().offset << " closed by </"
            << tag.name << "> at " << tag.offset;
        open.pop_back();
    }
    EXPECT_TRUE(open.empty()) << "<" << open.back().name << "> at " << open.back().offset;

    const std::vector<std::string> ids = AttributeValues(Tags(*page), "id");
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
}

TEST_F(HelpPageTest, EveryLinkAndPictureStaysInTheMediumAndIsThere) {
    const std::vector<Tag> tags = Tags(*page);
    const std::vector<std::string> ids = AttributeValues(tags, "id");
    for (const std::string& href : AttributeValues(tags, "href")) {
        ASSERT_FALSE(href.empty());
        EXPECT_EQ(href[0], '#') << href;
        EXPECT_NE(std::find(ids.begin(), ids.end(), href.substr(1)), ids.end()) << href;
    }
    const std::vector<std::string> sources = AttributeValues(tags, "src");
    ASSERT_GE(sources.size(), 16u);
    for (const std::string& src : sources) {
        // Relative to the page, inside the medium's content folder.
        ASSERT_EQ(src.rfind("help/", 0), 0u) << src;
        ASSERT_EQ(src.find(".."), std::string::npos) << src;
        ASSERT_TRUE(fs::is_regular_file(kContent / src)) << src;
        // The very picture the window's button shows.
        const std::string name = src.substr(5);
        EXPECT_EQ(ReadBytes(kContent / src), ReadBytes(kWindowPictures / name)) << src;
    }
    // No scripts, no fetched styles or fonts: the page is read as it is, offline.
    for (const Tag& tag : tags) {
        EXPECT_NE(tag.name, "script");
        EXPECT_NE(tag.name, "link");
        EXPECT_NE(tag.name, "iframe");
    }
    EXPECT_EQ(page->find("@import"), std::string::npos);
    EXPECT_EQ(page->find("url("), std::string::npos);
    EXPECT_EQ(page->find("@font-face"), std::string::npos);
}

// The window's picture buttons: the hint each shows and the picture it carries.
struct PictureButton {
    const char* hint;
    const char* picture;
};
constexpr PictureButton kPictureButtons[] = {
    {"Επιλογή Γλώσσας", "language"},
    {"Προηγούμενο Λήμμα", "previous"},
    {"Λίστα Προηγουμένων Λημμάτων", "menu-arrow"},
    {"Επόμενο Λήμμα", "next"},
    {"Λίστα Επομένων Λημμάτων", "menu-arrow"},
    {"Αντιγραφή", "copy"},
    {"Επικόλληση", "paste"},
    {"Εκτύπωση Λήμματος", "print"},
    {"Αναζητήσεις", "search"},
    {"Αναζήτηση στο περιεχόμενο του λεξικού", "description-search"},
    {"Εξοδος", "exit"},
    {"Εμφάνιση Επεξεργασμένων Λημμάτων", "custom-entries"},
    {"Εισαγωγή Νέου Λήμματος", "insert"},
    {"Επεξεργασία Λήμματος", "modify"},
    {"Διαγραφή Λήμματος", "delete"},
    {"Παραμονή στην κορυφή", "pin"},
    {"Βοήθεια", "help"},
};

TEST_F(HelpPageTest, EveryPictureButtonIsExplainedByItsHintBesideItsPicture) {
    // The rows of the page's tables: a button's picture and its quoted hint share one.
    std::vector<std::string> rows;
    for (size_t start = 0; (start = page->find("<tr", start)) != std::string::npos;) {
        const size_t end = page->find("</tr>", start);
        ASSERT_NE(end, std::string::npos);
        rows.push_back(page->substr(start, end - start));
        start = end;
    }
    for (const PictureButton& button : kPictureButtons) {
        const std::string hint = std::string("«") + button.hint + "»";
        const std::string picture = std::string("src=\"help/") + button.picture + ".svg\"";
        const bool beside = std::any_of(rows.begin(), rows.end(), [&](const std::string& row) {
            return row.find(hint) != std::string::npos && row.find(picture) != std::string::npos;
        });
        EXPECT_TRUE(beside) << button.hint << " / " << button.picture;
    }
}

TEST_F(HelpPageTest, NamesTheOtherControlsAndDialogsByTheirOwnWords) {
    for (const char* words :
         {"«Λήμμα προς Αναζήτηση»", "«Επιλογή Επιστήμης»", "«Κριτήρια Αναζήτησης Λημμάτων»",
          "«Αρχίζουν με:»", "«Περιέχουν:»", "«Καταλήγουν σε:»", "[Σχήμα 1]",
          "Συμπλήρωση δική σας:", "«Να ξεκινήσει η αναζήτηση;»", "«Λήμμα (Αγγλικά)»",
          "«Λήμμα (Ελληνικά)»", "«Μεταβολή Λήμματος»", "«Να διαγραφεί το Λήμμα;»",
          "«Να διαγραφεί η συμπλήρωσή σας;»", " *", "FreeDict", "GPL"}) {
        EXPECT_NE(page->find(words), std::string::npos) << words;
    }
}

TEST(HelpPageUtf8Test, RejectsWhatIsNotUtf8) {
    EXPECT_TRUE(IsUtf8("Orvan — Βοήθεια"));
    EXPECT_FALSE(IsUtf8("\xC2"));              // cut short
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));          // overlong '/'
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(IsUtf8("\xC2\x41"));          // not a continuation byte
    EXPECT_FALSE(IsUtf8("\xE2\x80"));          // cut short in a three-byte form
}

}  // namespace
