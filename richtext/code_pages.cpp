#include "richtext/code_pages.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <map>

#include "richtext/code_page_tables.h"
#include "richtext/greek_code_page.h"

namespace orvan::richtext {

namespace {

// The system converter's names of the Windows multi-byte pages RTF's \ansicpgN and \fcharset
// name; CP932 is Windows' Shift JIS (0x5C a backslash, 0x7E a tilde).
const char* MultiByteName(int codePage) {
    switch (codePage) {
        case 932:
            return "CP932";
        case 936:
            return "CP936";
        case 949:
            return "CP949";
        case 950:
            return "CP950";
        case 1361:
            return "JOHAB";
        default:
            return nullptr;
    }
}

const ByteTable& GreekTable() {
    static const ByteTable table = [] {
        ByteTable built{};
        for (std::size_t byte = 0; byte < built.size(); ++byte)
            built[byte] = GreekCharacter(static_cast<unsigned char>(byte));
        return built;
    }();
    return table;
}

// One converter to UTF-16 per multi-byte page, opened on first use and kept for the thread's
// life: a converter holds state while it works, so threads do not share one.
class Converter {
  public:
    explicit Converter(const char* name)
        : handle_(iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE",
                             name)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    void append(std::string_view bytes, std::u16string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        // Every byte gives at most one UTF-16 unit, but a surrogate pair needs four bytes; the
        // room is grown when the converter says it is short of it.
        std::size_t room = bytes.size() + 2;
        std::size_t done = out.size();
        while (inLeft > 0) {
            out.resize(done + room);
            char* target = reinterpret_cast<char*>(out.data() + done);
            std::size_t targetLeft = room * sizeof(char16_t);
            const std::size_t result = iconv(handle_, &in, &inLeft, &target, &targetLeft);
            const int error = errno;
            done += room - targetLeft / sizeof(char16_t);
            if (result != static_cast<std::size_t>(-1)) break;
            if (error == E2BIG) {
                room = inLeft + 2;
                continue;
            }
            // A sequence the page does not hold (EILSEQ) or one cut off at the end (EINVAL): one
            // replacement character for its first byte, then on from the next.
            out.resize(done);
            out.push_back(u'\uFFFD');
            ++done;
            ++in;
            --inLeft;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            room = inLeft + 2;
        }
        out.resize(done);
    }

  private:
    iconv_t handle_;
};

Converter* ConverterOf(int codePage) {
    thread_local std::map<int, Converter> converters;
    auto found = converters.find(codePage);
    if (found == converters.end())
        found = converters.try_emplace(codePage, MultiByteName(codePage)).first;
    return found->second.valid() ? &found->second : nullptr;
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
    return MultiByteName(codePage) != nullptr;
}

std::array<bool, 256> BytesThatMayDecodeTo(char16_t c) {
    std::array<bool, 256> bytes{};
    const auto mark = [&](const ByteTable& table) {
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            bytes[byte] = bytes[byte] || table[byte] == c;
    };
    for (const CodePageTable& page : BuiltInByteTables())
        mark(page.table);
    mark(GreekTable());
    return bytes;
}

const std::array<char16_t, 256>* SingleByteTable(int codePage) {
    if (IsMultiByteCodePage(codePage)) return nullptr;
    if (codePage == kGreekCodePage) return &GreekTable();
    const ByteTable* western = nullptr;
    for (const CodePageTable& page : BuiltInByteTables()) {
        if (page.codePage == codePage) return &page.table;
        if (page.codePage == kWesternCodePage) western = &page.table;
    }
    return western;
}

void AppendDecoded(int codePage, std::string_view bytes, std::u16string& out) {
    const ByteTable* table = SingleByteTable(codePage);
    Converter* converter = nullptr;
    if (table == nullptr) {
        converter = ConverterOf(codePage);
        if (converter == nullptr) table = SingleByteTable(kWesternCodePage);
    }
    if (converter != nullptr) {
        converter->append(bytes, out);
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    char16_t* target = out.data() + start;
    for (unsigned char byte : bytes)
        *target++ = (*table)[byte];
}

}  // namespace orvan::richtext
