// The saved search index: its answers against the list search itself, and orvan-cli's use of it
// (kept up with the files, never trusted when damaged, never needed).
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "lexicon/list_search.h"
#include "lexicon/search_index.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/support/sanitized.h"
#include "tests/tools/cli_fixture.h"

namespace orvan::test {
namespace {

constexpr std::string_view kIdentity = "the files as they were";

// The texts a START search is tried with: every 1-, 2- and 3-byte start of every headword of
// both tables, and texts typed otherwise (capitals, accents, blanks, a final sigma, nothing).
std::set<std::string> TextsToTry(const EntryTables& tables, size_t longest) {
    std::set<std::string> texts = {"",         " ",          "  eng",   "THE ENG", "the ",
                                   Cp("ΚΎΚΛ"), Cp("κυκλος"), Cp("Σας"), Cp("ς"),   "'",
                                   "-",        "zzzz",       Cp("ά"),   "THE",     "a "};
    const auto add = [&](const std::string& headword) {
        for (size_t length = 1; length <= std::min(longest, headword.size()); ++length)
            texts.insert(headword.substr(0, length));
    };
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        add(tables.entries[slot].headword);
    for (int slot = 1; slot <= tables.greek.count(); ++slot)
        add(tables.greek[slot].headword);
    return texts;
}

// Every text of TextsToTry, searched in the saved index and by FillList, in both input languages.
void ExpectSameAsListSearch(const EntryTables& tables, size_t longest) {
    const std::string bytes = BuildSearchIndex(tables, kIdentity);
    const auto view = SearchIndexView::open(bytes, kIdentity);
    ASSERT_TRUE(view);
    for (const std::string& text : TextsToTry(tables, longest)) {
        // The input language is the text's own unless it is empty.
        for (const bool greekMode : text.empty() ? std::vector{false, true} : std::vector{false}) {
            const auto items = view->startSearch(text, greekMode);
            ASSERT_TRUE(items) << text;
            ASSERT_EQ(*items, FillList(tables.entries, tables.greek, text, greekMode, {}).items)
                << "'" << text << "' greek mode " << greekMode;
        }
    }
}

// The filters a search is tried under: none, the personal one, each science field of the
// tables (at most `fields` of them, the commonest first) and one that no entry has.
std::vector<FillRequest> FiltersToTry(const EntryTables& tables, size_t fields) {
    std::map<std::string, int> counts;
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        ++counts[tables.entries[slot].fieldCode];
    std::vector<std::pair<int, std::string>> commonest;
    for (const auto& [code, count] : counts)
        if (!code.empty()) commonest.emplace_back(-count, code);
    std::sort(commonest.begin(), commonest.end());
    std::vector<FillRequest> filters(2);
    filters[1].personalOnly = true;
    for (size_t n = 0; n < std::min(fields, commonest.size()); ++n) {
        filters.emplace_back().fieldCode = commonest[n].second;
        filters.emplace_back().fieldCode = commonest[n].second;
        filters.back().personalOnly = true;
    }
    filters.emplace_back().fieldCode = "NO SUCH FIELD";
    return filters;
}

// Every mode (START, CONTAIN, END, and MULTI's criteria made of the texts) under every filter of
// FiltersToTry, from the saved index and by FillList; texts of up to `longest` bytes from the
// headwords' starts and ends, and with no text the filters alone.
void ExpectEveryModeAsListSearch(const EntryTables& tables, size_t longest, size_t fields) {
    const std::string bytes = BuildSearchIndex(tables, kIdentity);
    const auto view = SearchIndexView::open(bytes, kIdentity);
    ASSERT_TRUE(view);
    std::set<std::string> texts = TextsToTry(tables, longest);
    const auto addEnds = [&](const std::string& headword) {
        for (size_t length = 1; length <= std::min(longest, headword.size()); ++length)
            texts.insert(headword.substr(headword.size() - length));
    };
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        addEnds(tables.entries[slot].headword);
    for (int slot = 1; slot <= tables.greek.count(); ++slot)
        addEnds(tables.greek[slot].headword);
    const auto expectSame = [&](const std::string& text, bool greekMode, const FillRequest& r) {
        const auto items = view->search(text, greekMode, r);
        ASSERT_TRUE(items) << text;
        ASSERT_EQ(*items, FillList(tables.entries, tables.greek, text, greekMode, r).items)
            << "'" << text << "' mode " << SearchModeName(r.mode) << " personal " << r.personalOnly
            << " field '" << r.fieldCode << "' greek mode " << greekMode;
    };
    // Every text without a filter; under a filter every `thinning`th.
    const size_t thinning = std::max<size_t>(1, texts.size() / 400);
    bool filtered = false;
    for (FillRequest request : FiltersToTry(tables, fields)) {
        for (const SearchMode mode : {SearchMode::Start, SearchMode::Contain, SearchMode::End}) {
            request.mode = mode;
            size_t n = 0;
            for (const std::string& text : texts)
                if (!filtered || n++ % thinning == 0) expectSame(text, false, request);
            expectSame("", true, request);
        }
        filtered = true;
        // MULTI: one, two and three criteria of every kind, in either language.
        request.mode = SearchMode::Multi;
        const std::vector<std::string> some(texts.begin(), texts.end());
        const size_t step = std::max<size_t>(1, some.size() / 40);
        for (size_t a = 0; a < some.size(); a += step) {
            const std::string& b = some[(a * 7 + 3) % some.size()];
            const std::string& c = some[(a * 13 + 5) % some.size()];
            for (const SearchCriteria& criteria :
                 {SearchCriteria{some[a], b, ""}, SearchCriteria{"", some[a], c},
                  SearchCriteria{some[a], "", c}, SearchCriteria{some[a], b, c},
                  SearchCriteria{"", "", ""}}) {
                request.criteria = criteria;
                expectSame("", false, request);
            }
        }
        request.criteria = {};
    }
    // One given entry is the tables' to list, not the index's.
    FillRequest specific;
    specific.mode = SearchMode::Specific;
    specific.slot = 1;
    EXPECT_FALSE(view->search("g", false, specific));
}

class SearchIndexTest : public CliFixture {
  protected:
    EntryTables loadTables() {
        NoteList notes;
        PersonalIndexes personalIndexes{test::FileBytes(personal.file("ci.tbo")),
                                        test::FileBytes(personal.file("cigr.tbo")), std::nullopt};
        return LoadEntryTable(LexiconFiles(program.path()), personalIndexes, notes);
    }
};

TEST_F(SearchIndexTest, AnswersAsTheListSearchWithArticlesOwnEntriesAndDuplicates) {
    // Beside the fixture's "the engine" (key start past the article), gas and the own gasket:
    // a headword twice, a key start past its key's end, two Greek headwords of one entry, and
    // headwords found from two places at once.
    const int ball = lexicon.addEntry("the ball", "{x}", 5);
    lexicon.addGreek(ball, Cp("η μπάλα"));
    lexicon.addGreek(ball, Cp("Μπάλα"));
    lexicon.addEntry("the ball", "{x}", 5);
    lexicon.addEntry("ox", "{x}", 200);
    lexicon.addEntry("the the", "{x}", 5);
    lexicon.addEntry("a thesis", "{x}", 3);
    lexicon.addEntry("ÉCLAIR", "{x}", 1);
    lexicon.addPersonalGreek(1, 3, Cp("φλάντζα"));
    lexicon.writeLexicon(program.path());
    lexicon.writePersonal(personal.path());
    const EntryTables tables = loadTables();
    ASSERT_FALSE(tables.personalProblem) << tables.personalProblem->message;
    ExpectSameAsListSearch(tables, 100);
    ExpectEveryModeAsListSearch(tables, 100, 10);
}

TEST_F(SearchIndexTest, StopsAtTheListLimitInTableOrder) {
    for (int n = 0; n < kListLimit + 40; ++n)
        lexicon.addEntry("ab" + std::to_string(n));
    lexicon.writeLexicon(program.path());
    const EntryTables tables = loadTables();
    const std::string bytes = BuildSearchIndex(tables, kIdentity);
    const auto view = SearchIndexView::open(bytes, kIdentity);
    ASSERT_TRUE(view);
    const auto items = view->startSearch("A", false);
    ASSERT_TRUE(items);
    EXPECT_EQ(items->size(), static_cast<size_t>(kListLimit));
    EXPECT_EQ(*items, FillList(tables.entries, tables.greek, "A", false, {}).items);
    // Every headword holds "b": the list stops at its limit.
    FillRequest contain;
    contain.mode = SearchMode::Contain;
    const auto found = view->search("B", false, contain);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), static_cast<size_t>(kListLimit));
    EXPECT_EQ(*found, FillList(tables.entries, tables.greek, "B", false, contain).items);
}

#ifdef ORVAN_MEDIUM_DIR
TEST(SearchIndexMediumTest, AnswersEveryShortStartOfTheSampleMediumAsTheListSearch) {
    NoteList notes;
    const EntryTables tables = LoadEntryTable(LexiconFiles(ORVAN_MEDIUM_DIR), {}, notes);
    ASSERT_GT(tables.entries.count(), 1000);
    // Every start of up to three letters; two under the sanitizers.
    ExpectSameAsListSearch(tables, kSanitized ? 2 : 3);
}

TEST(SearchIndexMediumTest, AnswersEveryModeFilterAndCriteriaOfTheSampleMediumAsTheListSearch) {
    NoteList notes;
    const EntryTables tables = LoadEntryTable(LexiconFiles(ORVAN_MEDIUM_DIR), {}, notes);
    ASSERT_GT(tables.entries.count(), 1000);
    ExpectEveryModeAsListSearch(tables, kSanitized ? 1 : 2, kSanitized ? 1 : 2);
}
#endif

TEST_F(SearchIndexTest, RefusesOrSurvivesEveryDamage) {
    const EntryTables tables = loadTables();
    const std::string good = BuildSearchIndex(tables, kIdentity);
    const auto expected = [&](const std::string& text) {
        return FillList(tables.entries, tables.greek, text, false, {}).items;
    };
    // Another identity, a shorter or longer one: the files changed or it is another lexicon's.
    EXPECT_FALSE(SearchIndexView::open(good, "the files as they are"));
    EXPECT_FALSE(SearchIndexView::open(good, "the files"));
    EXPECT_FALSE(SearchIndexView::open("not an index at all", kIdentity));
    EXPECT_FALSE(SearchIndexView::open("", kIdentity));
    // The length its header and stamp alone tell, before the rest is read.
    const std::string_view head(good.data(), kSearchIndexHeaderLength + kIdentity.size());
    EXPECT_EQ(SearchIndexLength(head, kIdentity), good.size());
    EXPECT_FALSE(SearchIndexLength(head, "the files as they are"));
    EXPECT_FALSE(SearchIndexLength(head.substr(0, head.size() - 1), kIdentity));

    // Whatever is damaged, a search either refuses or gives the right list, never another.
    std::vector<std::string> damaged;
    for (size_t length = 0; length < good.size(); length += 7)
        damaged.push_back(good.substr(0, length));
    for (size_t at = 0; at < good.size(); ++at) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5a);
        damaged.push_back(flipped);
    }
    for (size_t at = 8; at + 8 <= 72; at += 8) {  // header numbers made huge
        std::string wrong = good;
        wrong.replace(at, 8, "\xff\xff\xff\x7f\xff\xff\xff\xff", 8);
        damaged.push_back(wrong);
    }
    for (const std::string& bytes : damaged) {
        // What its header says of its length holds for no file cut short or with a wrong count.
        if (bytes.size() != good.size() || bytes.compare(16, 40, good, 16, 40) != 0) {
            EXPECT_NE(SearchIndexLength(bytes, kIdentity), bytes.size());
        }
        const auto view = SearchIndexView::open(bytes, kIdentity);
        if (!view) continue;
        for (const std::string& text : std::vector<std::string>{"g", "", Cp("μηχ"), "the"}) {
            const auto items = view->startSearch(text, false);
            if (items) {
                ASSERT_EQ(*items, expected(text)) << text;
            }
            FillRequest contain;
            contain.mode = SearchMode::Contain;
            contain.fieldCode = "MECH";
            if (const auto found = view->search(text, false, contain)) {
                ASSERT_EQ(*found,
                          FillList(tables.entries, tables.greek, text, false, contain).items)
                    << text;
            }
        }
    }
}

// orvan-cli with its saved index: the runs' cache home, and the run of the same search without
// one (a cache home that cannot be made, under a plain file).
class SearchCacheTest : public CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        home.write("plain", "x");
    }
    // An index is saved only from files settled for two seconds.
    static void waitForSettledFiles() { ::usleep(2'100'000); }

    std::string indexFile() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(cacheHome + "/orvan", error))
            if (entry.path().extension() == ".idx") return entry.path().string();
        return {};
    }
    ino_t indexInode() const {
        struct stat status {};
        return ::stat(indexFile().c_str(), &status) == 0 ? status.st_ino : 0;
    }
    CliRun uncached(const Args& args) {
        const std::string kept = cacheHome;
        cacheHome = home.file("plain") + "/cache";
        const CliRun run = cli(args);
        cacheHome = kept;
        return run;
    }
    void expectAsUncached(const std::string& text) {
        const CliRun cached = cli({"search", text});
        const CliRun plain = uncached({"search", text});
        // Found, or nothing found.
        EXPECT_EQ(cached.status, cached.out.empty() ? 1 : 0) << text << cached.err;
        EXPECT_EQ(cached.status, plain.status) << text;
        EXPECT_EQ(cached.out, plain.out) << text;
        EXPECT_EQ(cached.err, plain.err) << text;
    }
};

TEST_F(SearchCacheTest, AnswersAsWithoutItAndFollowsEveryChangeOfItsFiles) {
    waitForSettledFiles();
    ASSERT_EQ(cli({"search", "g"}).status, 0);
    ASSERT_NE(indexFile(), "");
    for (const std::string text :
         {"g", "GAS", "gás", "eng", "the e", "μηχ", "ΜΗΧΑΝΉ", "", "  g", "x", "αέριο", "ΑΕΡΙΟΣ"}) {
        expectAsUncached(text);
    }
    EXPECT_EQ(cli({"search", "--greek-mode", ""}).out, "");

    // An own entry inserted: listed at once, and the index saved again once the files settle.
    const ino_t before = indexInode();
    ASSERT_EQ(cli({"insert", "--english", "gasoline", "--description", "x"}).status, 0);
    EXPECT_NE(cli({"search", "gas"}).out.find("gasoline *"), std::string::npos);
    waitForSettledFiles();
    expectAsUncached("gas");
    EXPECT_NE(indexInode(), before);
    expectAsUncached("gas");

    // The Greek index replaced by renaming another over it.
    const ino_t saved = indexInode();
    const std::string greek = program.file("data/igr.tbo");
    std::filesystem::copy_file(greek, greek + ".new");
    std::filesystem::rename(greek + ".new", greek);
    waitForSettledFiles();
    expectAsUncached("μηχ");
    EXPECT_NE(indexInode(), saved);
    expectAsUncached("μηχ");
}

TEST_F(SearchCacheTest, IgnoresADamagedOrForeignIndexAndCanDoWithout) {
    waitForSettledFiles();
    const std::string expected = uncached({"search", "g"}).out;
    ASSERT_NE(expected, "");
    ASSERT_EQ(cli({"search", "g"}).status, 0);
    const std::string path = indexFile();
    ASSERT_NE(path, "");
    const std::string good = ReadWholeFile(path).value();
    std::string flipped = good;  // a bit of an English headword
    flipped[good.find("gasket *")] ^= 1;
    std::string wrongOffset = good;
    wrongOffset.replace(24, 8, "\x00\x00\x00\x10\x00\x00\x00\x00", 8);
    for (const std::string& bytes :
         {good.substr(0, good.size() / 2), good.substr(0, 10), std::string(), flipped, wrongOffset,
          std::string(good.size(), '\x7f'), BuildSearchIndex(EntryTables{}, "elsewhere")}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
        const CliRun run = cli({"search", "g"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(ReadWholeFile(path), good);  // and saved again, whole
    }

    // A cache home that cannot be made or written: the same answer, nothing said.
    const CliRun without = uncached({"search", "g"});
    EXPECT_EQ(without.status, 0);
    EXPECT_EQ(without.out, expected);
    EXPECT_EQ(without.err, "");
}

TEST_F(SearchCacheTest, AnIndexOfAnotherLengthThanItsHeaderSaysIsNotUsedAndOldTemporariesGo) {
    waitForSettledFiles();
    const std::string expected = uncached({"search", "g"}).out;
    ASSERT_EQ(cli({"search", "g"}).status, 0);
    const std::string path = indexFile();
    ASSERT_NE(path, "");
    const std::string good = ReadWholeFile(path).value();
    // Longer than it says, by bytes no search reads or by 8 GiB that are not on the disk: the
    // search answers from the tables and saves the index again, whole.
    for (const uintmax_t length : {good.size() + 1, uintmax_t{8} << 30}) {
        std::filesystem::resize_file(path, length);
        const CliRun run = cli({"search", "g"});
        EXPECT_EQ(run.status, 0) << length;
        EXPECT_EQ(run.out, expected) << length;
        EXPECT_EQ(ReadWholeFile(path), good) << length;
    }

    // Savers stopped before their rename left temporaries: those over a minute old go with the
    // next save, a fresh one (a saver at work) and every file of another name stay.
    const std::string index = std::filesystem::path(path).filename().string();
    const std::string stale = "." + index + ".tmp12", fresh = "." + index + ".tmp34";
    const std::vector<std::string> others = {".search-0123456789ABCDEF.idx.tmp5",
                                             "." + index + ".tmpx",
                                             "." + index + ".tmp1234567",
                                             index + ".tmp5",
                                             ".notes.txt.tmp5",
                                             "notes.txt"};
    const std::string folder = cacheHome + "/orvan";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const std::string& name : others) {
        ASSERT_TRUE(WriteFileAtomically(folder + "/" + name, "x"));
        std::filesystem::last_write_time(folder + "/" + name, old);
    }
    ASSERT_TRUE(WriteFileAtomically(folder + "/" + stale, "x"));
    std::filesystem::last_write_time(folder + "/" + stale, old);
    ASSERT_TRUE(WriteFileAtomically(folder + "/" + fresh, "x"));
    std::filesystem::resize_file(path, good.size() - 1);  // so that the search saves again
    ASSERT_EQ(cli({"search", "g"}).out, expected);
    EXPECT_FALSE(std::filesystem::exists(folder + "/" + stale));
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + fresh));
    for (const std::string& name : others)
        EXPECT_TRUE(std::filesystem::exists(folder + "/" + name)) << name;
    EXPECT_EQ(ReadWholeFile(path), good);
}

TEST_F(SearchCacheTest, ProcessesSearchingAtOnceAllAnswerRight) {
    waitForSettledFiles();
    const std::string expected = uncached({"search", "g"}).out;
    // Eight at once with no index (all save one), then eight at once reading it.
    for (int round = 0; round < 2; ++round) {
        std::string command;
        for (int n = 0; n < 8; ++n) {
            command += "HOME=" + Quoted(home.path()) + " XDG_CACHE_HOME=" + Quoted(cacheHome) +
                       " " + ORVAN_CLI_PATH + " -C " + Quoted(program.path()) + " --personal " +
                       Quoted(folder) + " search g >" + Quoted(home.file(std::to_string(n))) +
                       " & ";
        }
        ASSERT_EQ(std::system((command + "wait").c_str()), 0);
        for (int n = 0; n < 8; ++n)
            EXPECT_EQ(home.read(std::to_string(n)), expected) << round << " " << n;
    }
    EXPECT_NE(indexFile(), "");
}

TEST_F(SearchCacheTest, EveryModeFilterAndMultiAnswerFromTheIndexAsWithoutIt) {
    waitForSettledFiles();
    ASSERT_EQ(cli({"search", "g"}).status, 0);
    const ino_t saved = indexInode();
    ASSERT_NE(saved, 0u);
    const std::vector<Args> searches = {
        {"search", "--mode", "contain", "a"},
        {"search", "--mode", "END", "ine"},
        {"search", "--mode", "END", "Ο"},
        {"search", "--mode", "contain", "--field", "2", "e"},
        {"search", "--mode", "contain", "--field", "1", "--personal-only", "a"},
        {"search", "--personal-only", "g"},
        {"search", "--field", "1"},
        {"search", "--personal-only", ""},
        {"search", "--field", "9", "g"},  // no such item: a usage error either way
        {"search", "--field", "x", "g"},
        {"multi", "--start", "g", "--end", "t"},
        {"multi", "--contain", "ηχ"},
        {"multi", "--start", "μ", "--contain", "α", "--field", "2"},
        {"multi"},
    };
    for (const Args& args : searches) {
        const CliRun cached = cli(args), plain = uncached(args);
        EXPECT_EQ(cached.status, plain.status) << args[1] << " " << args.back();
        EXPECT_EQ(cached.out, plain.out) << args[1] << " " << args.back();
        EXPECT_EQ(cached.err, plain.err) << args[1] << " " << args.back();
    }
    EXPECT_EQ(cli({"search", "--mode", "contain", "as"}).out, "1\tgas\n2\tgasket *\n");
    EXPECT_EQ(cli({"search", "--personal-only", "--mode", "end", "t"}).out, "2\tgasket *\n");
    EXPECT_EQ(indexInode(), saved);  // answered from it: never saved again
}

TEST_F(SearchCacheTest, FullTextAnswersFromTheSavedTextsAsWithoutThemAndFollowsTheirFiles) {
    waitForSettledFiles();
    ASSERT_EQ(cli({"fulltext", "x"}).status, 0);
    const std::string texts = cacheHome + "/orvan";
    const auto savedTexts = [&] {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(texts, error))
            if (entry.path().extension() == ".txi") return entry.path().string();
        return std::string();
    };
    const std::string path = savedTexts();
    ASSERT_NE(path, "");
    const auto expectAsWithout = [&](const Args& args) {
        const CliRun cached = cli(args), plain = uncached(args);
        EXPECT_EQ(cached.status, plain.status) << args.back();
        EXPECT_EQ(cached.out, plain.out) << args.back();
        EXPECT_EQ(cached.err, plain.err) << args.back();
    };
    for (const std::string word : {"x", "p", "s", "  x", "", "zz", "{"})
        expectAsWithout({"fulltext", "--numbers", word});
    EXPECT_EQ(cli({"fulltext", "p"}).out, "2\tgasket *\n");

    // The user's own text changed: found at once, the saved texts made again.
    ASSERT_EQ(cli({"update", "--entry", "3", "--description", "quartz"}).status, 0);
    EXPECT_NE(cli({"fulltext", "quartz"}).out.find("\tgasket *\n"), std::string::npos);
    EXPECT_EQ(cli({"fulltext", "p"}).out, "");
    waitForSettledFiles();
    expectAsWithout({"fulltext", "quartz"});
    expectAsWithout({"fulltext", "quartz"});

    // Damaged saved texts are never believed, and are saved again whole.
    const std::string good = ReadWholeFile(path).value();
    std::string flipped = good;
    flipped[good.size() - 3] ^= 1;
    for (const std::string& bytes : {flipped, good.substr(0, good.size() - 2), std::string()}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
        expectAsWithout({"fulltext", "quartz"});
        EXPECT_EQ(ReadWholeFile(path), good);
    }
}

TEST_F(SearchCacheTest, NumbersAreListedBesideASavedIndexWhichStaysAsItWas) {
    waitForSettledFiles();
    ASSERT_EQ(cli({"search", "g"}).status, 0);
    const ino_t saved = indexInode();
    ASSERT_NE(saved, 0u);
    EXPECT_EQ(cli({"search", "--numbers", "g"}).out, "1\t1\tgas\n2\t3\tgasket *\n");
    EXPECT_EQ(indexInode(), saved);
    EXPECT_EQ(cli({"search", "g"}).out, "1\tgas\n2\tgasket *\n");
}

}  // namespace
}  // namespace orvan::test
