#include "personal/tbx_writer.h"

#include <set>
#include <string_view>
#include <utility>

#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

/// The element names of one shape.
struct ShapeNames {
    const char* root;
    const char* header;
    const char* entry;
    const char* language;
    const char* termHolder;
};

ShapeNames NamesOf(TbxShape shape) {
    if (shape == TbxShape::Martif) return {"martif", "martifHeader", "termEntry", "langSet", "tig"};
    return {"tbx", "tbxHeader", "conceptEntry", "langSec", "termSec"};
}

/// `text` as XML character data (in an attribute's quotes when `attribute`). `text` is first made
/// well-formed UTF-8; then each character XML 1.0 cannot hold becomes U+FFFD. In element text a
/// CR LF pair becomes a line end and a lone CR the reference &#13; (a parser turns a CR it reads
/// into a line end); in an attribute every line end and TAB is a reference, which the parser
/// would otherwise read as a blank.
std::string Escaped(std::string_view text, bool attribute = false) {
    std::string repaired;
    if (!IsUtf8(text)) {
        repaired = Utf16ToUtf8(Utf8ToUtf16(text));
        text = repaired;
    }
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        switch (c) {
            case '&':
                out += "&amp;";
                continue;
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            case '"':
                out += attribute ? "&quot;" : "\"";
                continue;
            case '\t':
                out += attribute ? "&#9;" : "\t";
                continue;
            case '\n':
                out += attribute ? "&#10;" : "\n";
                continue;
            case '\r':
                if (!attribute && at + 1 < text.size() && text[at + 1] == '\n') {
                    out += '\n';
                    ++at;
                } else {
                    out += "&#13;";
                }
                continue;
            default:
                break;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            out += kReplacement;
            continue;
        }
        // U+FFFE and U+FFFF are EF BF BE and EF BF BF.
        if (c == '\xEF' && at + 2 < text.size() && text[at + 1] == '\xBF' &&
            (text[at + 2] == '\xBE' || text[at + 2] == '\xBF')) {
            out += kReplacement;
            at += 2;
            continue;
        }
        out += c;
    }
    return out;
}

/// Each entry's concept id, unique in the document: "entry-N" or "note-N" after the entry's
/// number, and for an entry without one its place in the list, or the next number from there
/// that no other entry of its kind takes.
std::vector<std::string> ConceptIds(const std::vector<ExchangeEntry>& entries) {
    const auto prefixOf = [](const ExchangeEntry& entry) {
        return entry.kind == ExchangeKind::Note ? "note-" : "entry-";
    };
    std::set<std::pair<ExchangeKind, long long>> taken;
    for (const ExchangeEntry& entry : entries) {
        if (entry.number > 0) taken.insert({entry.kind, entry.number});
    }
    std::vector<std::string> ids;
    ids.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ExchangeEntry& entry = entries[i];
        long long number = entry.number;
        if (number <= 0) {
            number = static_cast<long long>(i) + 1;
            while (!taken.insert({entry.kind, number}).second)
                ++number;
        }
        ids.push_back(prefixOf(entry) + std::to_string(number));
    }
    return ids;
}

void AppendTerm(std::string& out, const ShapeNames& names, std::string_view term) {
    out += "          <";
    out += names.termHolder;
    out += ">\n            <term>";
    out += Escaped(term);
    out += "</term>\n          </";
    out += names.termHolder;
    out += ">\n";
}

void AppendConcept(std::string& out, const ShapeNames& names, const ExchangeEntry& entry,
                   const std::string& id) {
    out += "      <";
    out += names.entry;
    out += " id=\"" + Escaped(id, true) + "\">\n";
    const std::string& field = entry.fieldName.empty() ? entry.fieldCode : entry.fieldName;
    if (!field.empty())
        out += "        <descrip type=\"subjectField\">" + Escaped(field) + "</descrip>\n";

    out += "        <";
    out += names.language;
    out += " xml:lang=\"en\">\n";
    if (!entry.description.empty()) {
        out += entry.kind == ExchangeKind::Note
                   ? "          <note>" + Escaped(entry.description) + "</note>\n"
                   : "          <descrip type=\"definition\">" + Escaped(entry.description) +
                         "</descrip>\n";
    }
    AppendTerm(out, names, entry.english);
    out += "        </";
    out += names.language;
    out += ">\n";

    if (!entry.greek.empty()) {
        out += "        <";
        out += names.language;
        out += " xml:lang=\"el\">\n";
        AppendTerm(out, names, entry.greek);
        out += "        </";
        out += names.language;
        out += ">\n";
    }
    out += "      </";
    out += names.entry;
    out += ">\n";
}

}  // namespace

std::string WriteTbx(const std::vector<ExchangeEntry>& entries, TbxShape shape) {
    const ShapeNames names = NamesOf(shape);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (shape == TbxShape::Martif) {
        out += "<martif type=\"TBX-Basic\" xml:lang=\"en\">\n";
    } else {
        out +=
            "<tbx type=\"TBX-Basic\" style=\"dca\" xml:lang=\"en\" "
            "xmlns=\"urn:iso:std:iso:30042:ed-2\">\n";
    }
    out += "  <";
    out += names.header;
    out +=
        ">\n"
        "    <fileDesc>\n"
        "      <sourceDesc>\n"
        "        <p>Orvan: the user's own entries and notes</p>\n"
        "      </sourceDesc>\n"
        "    </fileDesc>\n";
    if (shape == TbxShape::Martif) {
        out +=
            "    <encodingDesc>\n"
            "      <p type=\"XCSURI\">TBXBasicXCSV02.xcs</p>\n"
            "    </encodingDesc>\n";
    }
    out += "  </";
    out += names.header;
    out += ">\n  <text>\n    <body>\n";
    const std::vector<std::string> ids = ConceptIds(entries);
    for (std::size_t i = 0; i < entries.size(); ++i)
        AppendConcept(out, names, entries[i], ids[i]);
    out += "    </body>\n  </text>\n</";
    out += names.root;
    out += ">\n";
    return out;
}

}  // namespace orvan::personal
