#include "richtext/rtf_words.h"

#include <unordered_map>

#include "richtext/rtf_format.h"

namespace orvan::richtext {

namespace {

using W = RtfWord;

constexpr char16_t Family(RtfFont::Family family) {
    return char16_t(family);
}

constexpr char16_t kPng = char16_t(RtfImage::Kind::Png);
constexpr char16_t kJpeg = char16_t(RtfImage::Kind::Jpeg);

// Every word is looked up, so the hash is cheap: control words are short and differ mostly in
// their length and their first and last letters.
struct WordHash {
    std::size_t operator()(std::string_view name) const noexcept {
        if (name.empty()) return 0;
        const auto first = static_cast<unsigned char>(name.front());
        const auto last = static_cast<unsigned char>(name.back());
        const auto middle = static_cast<unsigned char>(name[name.size() / 2]);
        return name.size() * 0x9E3779B1u ^ first * 0x85EBCA77u ^ last * 0xC2B2AE3Du ^
               middle * 0x27D4EB2Fu;
    }
};

using WordTable = std::unordered_map<std::string_view, RtfWordInfo, WordHash>;

const WordTable& Words() {
    static const WordTable words = [] {
        WordTable map;
        // Destinations whose content is not part of the shown text.
        for (std::string_view name : {"annotation",
                                      "atnauthor",
                                      "atndate",
                                      "atnicn",
                                      "atnid",
                                      "atnparent",
                                      "atnref",
                                      "atntime",
                                      "atrfend",
                                      "atrfstart",
                                      "author",
                                      "background",
                                      "bkmkend",
                                      "bkmkstart",
                                      "buptim",
                                      "colorschememapping",
                                      "comment",
                                      "company",
                                      "creatim",
                                      "datafield",
                                      "datastore",
                                      "defchp",
                                      "defpap",
                                      "do",
                                      "doccomm",
                                      "docvar",
                                      "factoidname",
                                      "falt",
                                      "fchars",
                                      "ffdeftext",
                                      "ffentrymcr",
                                      "ffexitmcr",
                                      "ffformat",
                                      "ffhelptext",
                                      "ffl",
                                      "ffname",
                                      "ffstattext",
                                      "file",
                                      "filetbl",
                                      "fname",
                                      "fontemb",
                                      "fontfile",
                                      "footer",
                                      "footerf",
                                      "footerl",
                                      "footerr",
                                      "footnote",
                                      "formfield",
                                      "ftncn",
                                      "ftnsep",
                                      "ftnsepc",
                                      "aftncn",
                                      "aftnsep",
                                      "aftnsepc",
                                      "generator",
                                      "gridtbl",
                                      "header",
                                      "headerf",
                                      "headerl",
                                      "headerr",
                                      "hl",
                                      "hlfr",
                                      "hlinkbase",
                                      "hlloc",
                                      "hlsrc",
                                      "hsv",
                                      "htmltag",
                                      "info",
                                      "keycode",
                                      "keywords",
                                      "latentstyles",
                                      "lchars",
                                      "levelnumbers",
                                      "leveltext",
                                      "lfolevel",
                                      "linkval",
                                      "list",
                                      "listlevel",
                                      "listname",
                                      "listoverride",
                                      "listoverridetable",
                                      "listpicture",
                                      "liststylename",
                                      "listtable",
                                      "manager",
                                      "mhtmltag",
                                      "mmathPr",
                                      "nesttableprops",
                                      "nextfile",
                                      "nonesttables",
                                      "nonshppict",
                                      "objalias",
                                      "objclass",
                                      "objdata",
                                      "objname",
                                      "objsect",
                                      "objtime",
                                      "oldcprops",
                                      "oldpprops",
                                      "oldsprops",
                                      "oldtprops",
                                      "operator",
                                      "panose",
                                      "password",
                                      "passwordhash",
                                      "pgp",
                                      "pgptbl",
                                      "picprop",
                                      "pn",
                                      "pnseclvl",
                                      "pntxta",
                                      "pntxtb",
                                      "printim",
                                      "private",
                                      "propname",
                                      "protend",
                                      "protstart",
                                      "protusertbl",
                                      "pxe",
                                      "revtbl",
                                      "revtim",
                                      "rsidtbl",
                                      "rxe",
                                      "shpinst",
                                      "sn",
                                      "sp",
                                      "staticval",
                                      "stylesheet",
                                      "subject",
                                      "sv",
                                      "svb",
                                      "tc",
                                      "template",
                                      "themedata",
                                      "title",
                                      "txe",
                                      "userprops",
                                      "wgrffmtfilter",
                                      "windowcaption",
                                      "writereservation",
                                      "writereservhash",
                                      "xe",
                                      "xform",
                                      "xmlattrname",
                                      "xmlattrvalue",
                                      "xmlclose",
                                      "xmlname",
                                      "xmlnstbl",
                                      "xmlopen"})
            map.emplace(name, RtfWordInfo{W::SkipDestination, 0});

        const std::pair<std::string_view, RtfWordInfo> named[] = {
            {"fonttbl", {W::FontTable}},
            {"colortbl", {W::ColourTable}},
            {"field", {W::Field}},
            {"fldinst", {W::FieldInstruction}},
            {"fldrslt", {W::FieldResult}},
            {"upr", {W::UnicodePair}},
            {"ud", {W::UnicodeTwin}},
            {"pict", {W::Picture}},
            {"shppict", {W::ShapePicture}},
            {"pngblip", {W::PictureKind, kPng}},
            {"jpegblip", {W::PictureKind, kJpeg}},
            {"emfblip", {W::PictureKind, kUnshownPicture}},
            {"wmetafile", {W::PictureKind, kUnshownPicture}},
            {"macpict", {W::PictureKind, kUnshownPicture}},
            {"dibitmap", {W::PictureKind, kUnshownPicture}},
            {"wbitmap", {W::PictureKind, kUnshownPicture}},
            {"pmmetafile", {W::PictureKind, kUnshownPicture}},
            {"picwgoal", {W::PictureWidth}},
            {"pichgoal", {W::PictureHeight}},
            {"picscalex", {W::PictureScaleX}},
            {"picscaley", {W::PictureScaleY}},
            {"ansi", {W::Ansi}},
            {"mac", {W::Mac}},
            {"pc", {W::Pc}},
            {"pca", {W::Pca}},
            {"ansicpg", {W::AnsiCodePage}},
            {"deff", {W::DefaultFont}},
            {"deftab", {W::DefaultTab}},
            {"uc", {W::UnicodeSkip}},
            {"u", {W::Unicode}},
            {"bin", {W::Binary}},
            {"fnil", {W::FontFamily, Family(RtfFont::Family::Nil)}},
            {"froman", {W::FontFamily, Family(RtfFont::Family::Roman)}},
            {"fswiss", {W::FontFamily, Family(RtfFont::Family::Swiss)}},
            {"fmodern", {W::FontFamily, Family(RtfFont::Family::Modern)}},
            {"fscript", {W::FontFamily, Family(RtfFont::Family::Script)}},
            {"fdecor", {W::FontFamily, Family(RtfFont::Family::Decor)}},
            {"ftech", {W::FontFamily, Family(RtfFont::Family::Tech)}},
            {"fbidi", {W::FontFamily, Family(RtfFont::Family::Bidi)}},
            {"fcharset", {W::FontCharset}},
            {"cpg", {W::FontCodePage}},
            {"red", {W::Red}},
            {"green", {W::Green}},
            {"blue", {W::Blue}},
            {"tab", {W::Character, u'\t'}},
            {"line", {W::Character, u'\u2028'}},
            {"emdash", {W::Character, u'\u2014'}},
            {"endash", {W::Character, u'\u2013'}},
            {"bullet", {W::Character, u'\u2022'}},
            {"lquote", {W::Character, u'\u2018'}},
            {"rquote", {W::Character, u'\u2019'}},
            {"ldblquote", {W::Character, u'\u201C'}},
            {"rdblquote", {W::Character, u'\u201D'}},
            {"emspace", {W::Character, u'\u2003'}},
            {"enspace", {W::Character, u'\u2002'}},
            {"qmspace", {W::Character, u'\u2005'}},
            {"zwj", {W::Character, u'\u200D'}},
            {"zwnj", {W::Character, u'\u200C'}},
            {"zwbo", {W::Character, u'\u200B'}},
            {"zwnbo", {W::Character, u'\uFEFF'}},
            {"ltrmark", {W::Character, u'\u200E'}},
            {"rtlmark", {W::Character, u'\u200F'}},
            {"par", {W::Paragraph}},
            {"sect", {W::Paragraph}},
            {"page", {W::Paragraph}},
            {"column", {W::Paragraph}},
            {"plain", {W::Plain}},
            {"f", {W::Font}},
            {"fs", {W::FontSize}},
            {"cf", {W::Foreground}},
            {"cb", {W::Background}},
            {"highlight", {W::Background}},
            {"chcbpat", {W::Background}},
            {"b", {W::Bold}},
            {"i", {W::Italic}},
            {"strike", {W::Strike}},
            {"striked", {W::Strike}},
            {"v", {W::Hidden}},
            {"caps", {W::AllCaps}},
            {"scaps", {W::SmallCaps}},
            {"ul", {W::Underline}},
            {"uldb", {W::UnderlineDouble}},
            {"uld", {W::UnderlineDotted}},
            {"uldash", {W::UnderlineDashed}},
            {"uldashd", {W::UnderlineDashed}},
            {"uldashdd", {W::UnderlineDashed}},
            {"ulwave", {W::UnderlineWave}},
            {"ulw", {W::UnderlineWords}},
            {"ulnone", {W::UnderlineNone}},
            {"super", {W::Super}},
            {"sub", {W::Sub}},
            {"nosupersub", {W::NoSuperSub}},
            {"pard", {W::ParagraphDefault}},
            {"ql", {W::AlignLeft}},
            {"qc", {W::AlignCentre}},
            {"qr", {W::AlignRight}},
            {"qj", {W::AlignJustify}},
            {"li", {W::LeftIndent}},
            {"lin", {W::LeftIndent}},
            {"ri", {W::RightIndent}},
            {"rin", {W::RightIndent}},
            {"fi", {W::FirstIndent}},
            {"sb", {W::SpaceBefore}},
            {"sa", {W::SpaceAfter}},
            {"sl", {W::LineSpacing}},
            {"slmult", {W::LineMultiple}},
            {"tx", {W::TabPosition}},
            {"tqc", {W::TabCentre}},
            {"tqr", {W::TabRight}},
            {"tqdec", {W::TabDecimal}},
            {"intbl", {W::InTable}},
            {"itap", {W::NestingLevel}},
            {"cell", {W::Cell}},
            {"row", {W::Row}},
            {"nestcell", {W::NestedCell}},
        };
        for (const auto& [name, info] : named)
            map[name] = info;
        return map;
    }();
    return words;
}

}  // namespace

RtfWordInfo LookUpWord(std::string_view name) {
    const auto& words = Words();
    const auto found = words.find(name);
    return found != words.end() ? found->second : RtfWordInfo{};
}

std::vector<std::string_view> WordsWhere(bool (*matches)(const RtfWordInfo& info)) {
    std::vector<std::string_view> names;
    for (const auto& [name, info] : Words())
        if (matches(info)) names.push_back(name);
    return names;
}

}  // namespace orvan::richtext
