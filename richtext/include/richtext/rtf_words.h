// The control words the reader acts on, looked up by name.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace orvan::richtext {

enum class RtfWord : std::uint8_t {
    Unknown,
    // Destinations
    SkipDestination,  // a group whose content is never shown
    FontTable,
    ColourTable,
    Field,
    FieldInstruction,
    FieldResult,
    UnicodePair,  // \upr: an ANSI text followed by its Unicode twin
    UnicodeTwin,  // \ud
    Picture,
    ShapePicture,  // \shppict: a picture for readers that know shapes
    PictureKind,   // \pngblip, \jpegblip (shown) and the other picture formats (not shown)
    PictureWidth,  // \picwgoal, twips
    PictureHeight,
    PictureScaleX,  // percent
    PictureScaleY,
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    DefaultTab,
    UnicodeSkip,  // \uc
    Unicode,      // \u
    Binary,       // \bin
    // Fonts and colours (inside their tables)
    FontFamily,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Text
    Character,  // a word that stands for one character
    Paragraph,  // \par, \sect, \page, \column
    // Character formatting
    Plain,
    Font,
    FontSize,
    Foreground,
    Background,
    Bold,
    Italic,
    Strike,
    Hidden,
    AllCaps,
    SmallCaps,
    Underline,
    UnderlineDouble,
    UnderlineDotted,
    UnderlineDashed,
    UnderlineWave,
    UnderlineWords,
    UnderlineNone,
    Super,
    Sub,
    NoSuperSub,
    // Paragraph formatting
    ParagraphDefault,  // \pard
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabPosition,
    TabCentre,
    TabRight,
    TabDecimal,
    // Tables
    InTable,
    NestingLevel,  // \itap
    Cell,
    Row,
    NestedCell,
};

struct RtfWordInfo {
    RtfWord word = RtfWord::Unknown;
    char16_t character = 0;  // for Character words; for FontFamily the family; for PictureKind
                             // the RtfImage::Kind, or kUnshownPicture
};

inline constexpr char16_t kUnshownPicture = 0xFF;

/// \brief What `name` (the letters of a control word) means to the reader.
RtfWordInfo LookUpWord(std::string_view name);

/// \brief The names of the words for which `matches` holds, in no particular order.
std::vector<std::string_view> WordsWhere(bool (*matches)(const RtfWordInfo& info));

}  // namespace orvan::richtext
