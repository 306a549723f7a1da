// Speed of the rich-text engine on description-like RTF: plain-text extraction (what the full-text
// search does for every entry) and loading a description into the view behind the lexicon's
// 57601-byte prologue.
#include <benchmark/benchmark.h>

#include <string>

#include "richtext/plain_text.h"
#include "richtext/rich_text_view.h"

namespace {

using orvan::richtext::RtfPrologue;

// A prologue the size of the lexicon's: a font table, a colour table and a style sheet.
std::string Prologue() {
    std::string prologue = "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deflang1032{\\fonttbl";
    for (int font = 0; font < 80; ++font)
        prologue += "{\\f" + std::to_string(font) + "\\fswiss\\fcharset161\\fprq2 Arial Greek;}";
    prologue += "}{\\colortbl;\\red0\\green0\\blue128;\\red0\\green110\\blue110;}{\\stylesheet";
    for (int style = 0; prologue.size() < 57000; ++style)
        prologue += "{\\s" + std::to_string(style) +
                    "\\ql\\li0\\ri0\\sa120\\widctlpar\\f60\\fs22"
                    "\\lang1032 style " +
                    std::to_string(style) + ";}";
    prologue += "}";
    while (prologue.size() < 57598)
        prologue += "\r\n";  // line ends in RTF source mean nothing
    prologue.resize(57598, '\n');
    return prologue + "{{";
}

// One description of about 1 KB: a pronunciation, Greek renderings as escapes, notes in italics.
std::string Description() {
    std::string body = " \\f60\\fs22\\cf1  {\\b engine} [\\u712?\\u603?nd\\u658?\\u618?n] \\par ";
    while (body.size() < 1000)
        body +=
            "{\\cf2 \\'ec\\'e7\\'f7\\'e1\\'ed\\'de} {\\i (\\'ec\\'e7\\'f7.)} "
            "\\'ea\\'e9\\'ed\\'e7\\'f4\\'de\\'f1\\'e1\\'f2, \\par ";
    return body + "}}}";
}

void ExtractPlainText(benchmark::State& state) {
    std::string document = "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f60\\fcharset161 A;}}";
    const std::string description = Description();
    while (document.size() < 4'000'000)
        document += "{" + description.substr(0, 990) + "}";
    document += "}";
    for (auto _ : state)
        benchmark::DoNotOptimize(orvan::richtext::ExtractPlainText(document));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document.size()));
}
BENCHMARK(ExtractPlainText)->Unit(benchmark::kMillisecond);

void ExtractPlainTextAfterPrologue(benchmark::State& state) {
    const RtfPrologue prologue(Prologue() + "\r\n");
    const std::string body = Description();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvan::richtext::ExtractPlainText(prologue, body));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(body.size()));
}
BENCHMARK(ExtractPlainTextAfterPrologue)->Unit(benchmark::kMicrosecond);

// The whole document read each time, as the first description of a run is.
void LoadIntoViewWholeDocument(benchmark::State& state) {
    orvan::richtext::RichTextView view;
    const std::string document = Prologue() + "\r\n" + Description() + "\r\n";
    for (auto _ : state)
        view.loadRtf(document);
}
BENCHMARK(LoadIntoViewWholeDocument)->Unit(benchmark::kMillisecond);

// Every later description: the prologue is the same and is not read again.
void LoadIntoViewReusedPrologue(benchmark::State& state) {
    orvan::richtext::RichTextView view;
    const std::string prologue = Prologue() + "\r\n";
    const std::string body = Description() + "\r\n";
    for (auto _ : state)
        view.loadRtf(prologue, body);
}
BENCHMARK(LoadIntoViewReusedPrologue)->Unit(benchmark::kMillisecond);

}  // namespace
