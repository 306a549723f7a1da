// Speed of the rich-text engine on description-like RTF: plain-text extraction (what the full-text
// search does for every entry) and loading a description into the view behind the lexicon's
// 57601-byte prologue; and loading hostile shapes (long runs of cells, rows, nesting, formatting
// changes) of 8 KB to 512 KB, whose times must grow in proportion to their size.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <string>

#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"

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

// A document of about `size` bytes: `piece` again and again inside the document's group.
std::string Repeated(std::string_view piece, std::size_t size) {
    std::string document = "{\\rtf1 ";
    while (document.size() + piece.size() < size)
        document += piece;
    return document + "}";
}

std::string CellsWithoutRows(std::size_t size) {
    return Repeated("\\cell ", size);
}

std::string RowsOfFewCells(std::size_t size) {
    return Repeated("\\trowd\\intbl a\\cell b\\cell c\\cell\\row ", size);
}

// A row of 500 cells, again and again.
std::string WideRows(std::size_t size) {
    std::string row = "\\trowd";
    for (int cell = 0; cell < 500; ++cell)
        row += "\\intbl w\\cell ";
    return Repeated(row + "\\row ", size);
}

// Groups nested as deep as the reader follows them, again and again.
std::string DeepNesting(std::size_t size) {
    const int depth = orvan::richtext::kMaxGroupDepth - 1;
    return Repeated(std::string(depth, '{') + "x" + std::string(depth, '}'), size);
}

std::string LongPlainRun(std::size_t size) {
    return Repeated("word ", size);
}

// One word with nowhere to break a line.
std::string LongUnbrokenWord(std::size_t size) {
    return Repeated("xy", size);
}

// Bold on and off from one letter to the next, with nowhere to break a line.
std::string FormattingChanges(std::size_t size) {
    return Repeated("\\b x\\b0 y", size);
}

std::string ManyParagraphs(std::size_t size) {
    return Repeated("line\\par ", size);
}

// Tables of one row with a paragraph between them.
std::string ManySmallTables(std::size_t size) {
    return Repeated("\\trowd\\intbl a\\cell b\\cell\\row\\pard x\\par ", size);
}

// The largest description the store keeps, in bytes.
constexpr int kLargestDescription = 99999;

// Loads the document into a shown view and lays it out whole, as scrolling to its end would.
void LoadShape(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string document = make(static_cast<std::size_t>(state.range(0)));
    orvan::richtext::RichTextView view;
    view.resize(600, 400);
    view.show();
    for (auto _ : state) {
        view.loadRtf(document);
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document.size()));
    state.SetComplexityN(state.range(0));
}

#define ORVAN_SHAPE_BENCHMARK(make)          \
    BENCHMARK_CAPTURE(LoadShape, make, make) \
        ->RangeMultiplier(4)                 \
        ->Range(8 << 10, 512 << 10)          \
        ->Arg(kLargestDescription)           \
        ->Complexity(benchmark::oN)          \
        ->Unit(benchmark::kMillisecond)

ORVAN_SHAPE_BENCHMARK(CellsWithoutRows);
ORVAN_SHAPE_BENCHMARK(RowsOfFewCells);
ORVAN_SHAPE_BENCHMARK(WideRows);
ORVAN_SHAPE_BENCHMARK(DeepNesting);
ORVAN_SHAPE_BENCHMARK(LongPlainRun);
ORVAN_SHAPE_BENCHMARK(LongUnbrokenWord);
ORVAN_SHAPE_BENCHMARK(FormattingChanges);
ORVAN_SHAPE_BENCHMARK(ManyParagraphs);
ORVAN_SHAPE_BENCHMARK(ManySmallTables);

}  // namespace
