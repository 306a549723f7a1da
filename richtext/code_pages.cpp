#include "richtext/code_pages.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

#include "richtext/greek_code_page.h"

namespace orvan::richtext {

namespace {

const char* CodecName(int codePage) {
    switch (codePage) {
        case 437:
            return "IBM437";
        case 850:
            return "IBM850";
        case 874:
            return "windows-874";
        case 932:
            return "Shift_JIS";
        case 936:
            return "GBK";
        case 949:
            return "windows-949";
        case 950:
            return "Big5";
        case 1250:
            return "windows-1250";
        case 1251:
            return "windows-1251";
        case 1252:
            return "windows-1252";
        case 1253:
            return "windows-1253";
        case 1254:
            return "windows-1254";
        case 1255:
            return "windows-1255";
        case 1256:
            return "windows-1256";
        case 1257:
            return "windows-1257";
        case 1258:
            return "windows-1258";
        case 1361:
            return "johab";
        case 10000:
            return "macintosh";
        default:
            return nullptr;
    }
}

using ByteTable = std::array<char16_t, 256>;

ByteTable BuildTable(int codePage) {
    ByteTable table{};
    if (codePage == kGreekCodePage) {
        for (int byte = 0; byte < 256; ++byte)
            table[byte] = GreekCharacter(static_cast<unsigned char>(byte));
        return table;
    }
    const char* name = CodecName(codePage);
    QStringDecoder decoder(name);
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = byte < 128 ? char16_t(byte) : u'\uFFFD';
        if (!decoder.isValid() || byte < 128) continue;
        const QString text = decoder.decode(QByteArray(1, static_cast<char>(byte)));
        decoder.resetState();
        if (text.size() == 1) table[byte] = text.at(0).unicode();
    }
    return table;
}

// Built once, on first use, and never changed afterwards.
const std::map<int, ByteTable>& Tables() {
    static const std::map<int, ByteTable> tables = [] {
        std::map<int, ByteTable> built;
        for (int page :
             {437, 850, 874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 10000})
            built.emplace(page, BuildTable(page));
        return built;
    }();
    return tables;
}

}  // namespace

int CodePageForCharset(int charset, int documentCodePage) {
    switch (charset) {
        case 0:
            return 1252;
        case 1:
            return documentCodePage;
        case 2:
            return 1252;  // symbol fonts: bytes stand for themselves
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return documentCodePage;
    }
}

bool IsMultiByteCodePage(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 ||
           codePage == 1361;
}

std::array<bool, 256> BytesThatMayDecodeTo(char16_t c) {
    std::array<bool, 256> bytes{};
    for (const auto& [page, table] : Tables()) {
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            bytes[byte] = bytes[byte] || table[byte] == c;
    }
    return bytes;
}

const std::array<char16_t, 256>* SingleByteTable(int codePage) {
    if (IsMultiByteCodePage(codePage)) return nullptr;
    const auto& tables = Tables();
    const auto found = tables.find(codePage);
    return found != tables.end() ? &found->second : &tables.at(kWesternCodePage);
}

void AppendDecoded(int codePage, std::string_view bytes, std::u16string& out) {
    if (const ByteTable* table = SingleByteTable(codePage)) {
        const std::size_t start = out.size();
        out.resize(start + bytes.size());
        char16_t* target = out.data() + start;
        for (unsigned char byte : bytes)
            *target++ = (*table)[byte];
        return;
    }
    QStringDecoder decoder(CodecName(codePage));
    if (!decoder.isValid()) {
        AppendDecoded(kWesternCodePage, bytes, out);
        return;
    }
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    out.append(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
}

QString FromGreekCodePage(std::string_view bytes) {
    return ToQString(GreekToUtf16(bytes));
}

std::string ToGreekCodePage(const QString& text) {
    return Utf16ToGreek(Utf16Of(text)).bytes;
}

std::string ToGreekSearchText(const QString& text) {
    return Utf16ToGreekSearchText(Utf16Of(text)).bytes;
}

}  // namespace orvan::richtext
