#include "personal/store_commit.h"

#include <algorithm>
#include <array>

#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

namespace orvan::personal {

namespace {

constexpr std::array<const char*, 4> kStoreFiles = {"ci.tbo", "cigr.tbo", "clex.tbo",
                                                    kNumberMarkName};

bool IsStoreFile(std::string_view name) {
    for (const char* file : kStoreFiles)
        if (name == file) return true;
    return false;
}

std::string JournalText(const std::vector<JournalLine>& journal) {
    std::string text;
    for (const JournalLine& line : journal)
        text += (line.existed ? "1 " : "0 ") + line.name + "\n";
    return text;
}

// The journal's lines, as ParseJournal reads them; a journal the store did not write abandons
// what was to be done with it.
std::vector<JournalLine> ReadJournal(const std::string& text, const std::string& path) {
    Result<std::vector<JournalLine>> lines = ParseJournal(text, path);
    if (!lines) throw StoreFileError(std::move(lines).error());
    return std::move(*lines);
}

// Puts back the old file of each replaced target; a target that did not exist is removed.
void RollBack(StoreFileSystem& files, const std::string& folder,
              const std::vector<JournalLine>& journal) {
    for (const JournalLine& line : journal) {
        const std::string target = PathInFolder(folder, line.name);
        const std::string old = target + kOldSuffix;
        if (line.existed) {
            if (files.exists(old)) files.rename(old, target);
        } else {
            files.remove(target);
        }
    }
}

// Keeps the old file under its second name: a hard link, or where the file system or the file's
// owner allows none, a flushed copy.
void KeepOld(StoreFileSystem& files, const std::string& target) {
    const std::string old = target + kOldSuffix;
    files.remove(old);
    try {
        files.link(target, old);
    } catch (const StoreFileError&) {
        const auto bytes = files.read(target, kNoSizeLimit);
        if (!bytes) throw StoreFileError("cannot keep a copy of " + target + ": it is gone");
        files.writeDurably(old, *bytes, target);
    }
}

// The names an interrupted change may leave behind.
std::vector<std::string> Leftovers(const std::string& folder,
                                   const std::vector<std::string>& temporaries) {
    const std::string journal = PathInFolder(folder, kJournalName);
    std::vector<std::string> names = {journal, journal + ".tmp"};
    names.insert(names.end(), temporaries.begin(), temporaries.end());
    for (const char* file : kStoreFiles)
        names.push_back(PathInFolder(folder, file) + kOldSuffix);
    return names;
}

}  // namespace

Result<std::vector<JournalLine>> ParseJournal(std::string_view text, const std::string& path) {
    const auto refused = [&path](std::string_view line, const char* why) {
        return Failure(Error{ErrorCode::Refused, path, 0,
                             path + " names \"" + std::string(line) + "\", which " + why +
                                 "; it was left as it is, and so were the files"});
    };
    std::vector<JournalLine> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        const std::string_view name = line.size() > 2 ? line.substr(2) : std::string_view();
        if ((line[0] != '0' && line[0] != '1') || line.size() < 2 || line[1] != ' ' ||
            !IsStoreFile(name)) {
            return refused(line, "is not one of the personal files");
        }
        for (const JournalLine& earlier : lines)
            if (earlier.name == name) return refused(line, "is a personal file named before");
        lines.push_back({line[0] == '1', std::string(name)});
    }
    return lines;
}

void CommitReplacements(StoreFileSystem& files, const std::string& folder,
                        const std::vector<FileReplacement>& replacements) {
    const std::string journal = PathInFolder(folder, kJournalName);
    const std::string journalTemporary = journal + ".tmp";
    std::vector<JournalLine> kept;  // one line for each target, once its old file is kept
    bool journalWritten = false;
    try {
        for (const FileReplacement& file : replacements) {
            files.writeDurably(file.temporary, file.bytes, file.target);
        }
        for (const FileReplacement& file : replacements) {
            kept.push_back({files.exists(file.target), BaseName(file.target)});
            if (kept.back().existed) KeepOld(files, file.target);
        }
        files.writeDurably(journalTemporary, JournalText(kept));
        files.rename(journalTemporary, journal);
        files.syncFolder(folder);
        journalWritten = true;
        for (const FileReplacement& file : replacements) {
            files.rename(file.temporary, file.target);
        }
        files.syncFolder(folder);
        files.remove(journal);  // the change is committed
    } catch (const StoreFileError&) {
        try {
            if (journalWritten) {
                RollBack(files, folder, kept);
                files.syncFolder(folder);
                files.remove(journal);
            }
            for (size_t i = 0; i < replacements.size(); ++i) {
                files.remove(replacements[i].temporary);
                if (i < kept.size() && kept[i].existed) {
                    files.remove(replacements[i].target + kOldSuffix);
                }
            }
            files.remove(journalTemporary);
        } catch (const StoreFileError&) {
            // What could not be put back now stays named by the journal for RecoverStore.
        }
        throw;
    }
    // Committed: the old files' second names are no longer needed.
    try {
        files.syncFolder(folder);
        for (const FileReplacement& file : replacements)
            files.remove(file.target + kOldSuffix);
    } catch (const StoreFileError&) {
        // Leftover kept files are removed by the next RecoverStore.
    }
}

std::optional<std::map<std::string, std::optional<std::string>>> FilesBeforeChange(
    StoreFileSystem& files, const std::string& folder) {
    const std::string journal = PathInFolder(folder, kJournalName);
    try {
        const auto text = files.read(journal, kJournalLimit);
        if (!text) return std::nullopt;
        std::map<std::string, std::optional<std::string>> before;
        for (const JournalLine& line : ReadJournal(*text, journal)) {
            const std::string target = PathInFolder(folder, line.name);
            const std::string old = target + kOldSuffix;
            if (line.existed) {
                before[line.name] = files.exists(old) ? old : target;
            } else {
                before[line.name] = std::nullopt;
            }
        }
        return before;
    } catch (const StoreFileError&) {
        return std::nullopt;
    }
}

bool NeedsRecovery(StoreFileSystem& files, const std::string& folder,
                   const std::vector<std::string>& temporaries) {
    for (const std::string& name : Leftovers(folder, temporaries))
        if (files.exists(name)) return true;
    return false;
}

void RecoverStore(StoreFileSystem& files, const std::string& folder,
                  const std::vector<std::string>& temporaries) {
    const std::vector<std::string> leftovers = Leftovers(folder, temporaries);
    for (const std::string& name : leftovers) {
        const FileKind kind = files.kindOf(name);
        if (kind == FileKind::Folder || kind == FileKind::Other) {
            throw StoreFileError(name +
                                 " is in the way: the program keeps a file of its own there "
                                 "while it changes your entries; move it elsewhere");
        }
    }
    const std::string journal = PathInFolder(folder, kJournalName);
    if (const auto text = files.read(journal, kJournalLimit)) {
        RollBack(files, folder, ReadJournal(*text, journal));
        files.syncFolder(folder);
        files.remove(journal);
    }
    for (const std::string& name : leftovers)
        files.remove(name);
}

}  // namespace orvan::personal
