// The list of what an installation made: its digests agree with sha256sum, which the uninstall
// script checks them with, and its paths come back exactly as written.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "setup/installed_list.h"
#include "setup/sha256.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

using setup::InstalledFile;
using setup::InstalledList;

// What `sha256sum` prints for the file's bytes: the 64 digits.
std::string Sha256sumOf(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(("sha256sum < '" + path + "'").c_str(), "r"),
                                               ::pclose);
    if (!pipe) return "<popen failed>";
    char digits[65] = {};
    return std::fread(digits, 1, 64, pipe.get()) == 64 ? std::string(digits, 64) : "<no digest>";
}

// Every length across the padding's one- and two-block cases and the first whole blocks.
TEST(Sha256, AgreesWithSha256sumForEveryLengthAcrossTheBlockBoundaries) {
    EXPECT_EQ(setup::Sha256Hex("abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    TempFolder folder;
    std::string bytes;
    for (int length = 0; length <= 130; ++length) {
        std::ofstream(folder.file("bytes"), std::ios::binary | std::ios::trunc) << bytes;
        ASSERT_EQ(setup::Sha256Hex(bytes), Sha256sumOf(folder.file("bytes"))) << length;
        bytes += static_cast<char>(length * 37 + 200);
    }
}

TEST(InstalledList, PathsComeBackAsWrittenAndAnotherFileIsNotTakenForIt) {
    const std::string digest(64, 'a');
    InstalledList list;
    list.addFolder("content");
    list.addFolder("content/ a 'b' ");
    list.addFile({"orvan", 12, digest});
    list.addFile({"content/ a 'b' /  x y\r.png ", 0, std::string(64, 'f')});
    list.addFile({"content/two\nlines.png", 1, digest});  // cannot be written on one line
    list.addFile({"orvan", 13, digest});                  // made again: the later one holds
    const std::string text = setup::InstalledListText(list);
    EXPECT_EQ(text.find("two"), std::string::npos);

    const std::optional<InstalledList> read = setup::ReadInstalledList(
        text + "file 12 " + digest + "\nfile x " + digest + " y\nfile 1 ABC z\nfolder \nother\n");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->folders, (std::vector<std::string>{"content", "content/ a 'b' "}));
    ASSERT_EQ(read->files.size(), 2u);
    EXPECT_EQ(read->files[0].path, "content/ a 'b' /  x y\r.png ");
    EXPECT_EQ(read->files[0].size, 0u);
    EXPECT_EQ(read->files[0].sha256, std::string(64, 'f'));
    EXPECT_EQ(read->files[1].path, "orvan");
    EXPECT_EQ(read->files[1].size, 13u);

    EXPECT_FALSE(setup::ReadInstalledList("folder content\nfile 1 " + digest + " orvan\n"));
    EXPECT_FALSE(setup::ReadInstalledList(""));
}

}  // namespace
}  // namespace orvan::test
