// The user's own entries and notes leave the program as a term base or a spreadsheet and come
// back from one: the window's export and import commands, through a file dialog, a question and
// the personal store. Like the editing, the exchange works from the lookup state's current load;
// an import is one change of the store, all of it or none of it.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

#include "lexicon/result.h"
#include "lookup/entry_editing.h"
#include "personal/exchange_entry.h"
#include "personal/exchange_formats.h"

class QWidget;

namespace orvan::lookup {

class EntryExchange {
    Q_DECLARE_TR_FUNCTIONS(EntryExchange)

  public:
    /// `editing` tells the user why a change of the store was not made.
    EntryExchange(EntryEditing::Host& host, EntryEditing& editing, QWidget* parent)
        : host_(host), editing_(editing), parent_(parent) {}

    /// Asks for a file and writes every own entry and every note into it.
    void exportEntries();
    /// Asks for a file, says what importing it would do, and imports it when the user agrees.
    void importEntries();

  private:
    /// The current load, read again first when the personal folder is another than the one it
    /// was read from (the user has just chosen one).
    const LoadedLexicon& currentLoad();
    /// The file name the user chose to export to, with the format its name or filter chooses;
    /// an empty name when they chose none.
    std::pair<QString, personal::ExchangeFormat> askExportFile();
    void warn(const QString& message, const QString& informative, const std::string& details);

    EntryEditing::Host& host_;
    EntryEditing& editing_;
    QWidget* parent_;
};

/// \brief The format an export file is written in: the file's own ".csv" or ".tbx" (capitals
/// making no difference) when it has one, else the one the dialog's filter `filterIndex` (0 TBX,
/// 1 older TBX, 2 CSV) chooses; the older TBX is kept for a ".tbx" name chosen with its filter.
personal::ExchangeFormat ExportFormatOf(const QString& path, int filterIndex);

/// \brief `path` with the extension of `format` added when its name has none.
QString WithExportExtension(const QString& path, personal::ExchangeFormat format);

/// \brief The entries of the file at `path` (a native file name), in the format its content
/// shows; an error naming the file, and the line or element, when it cannot be read whole.
Result<std::vector<personal::ExchangeEntry>> ReadExchangeEntries(const std::string& path);

}  // namespace orvan::lookup
