// The three commands that change the user's own entries: insert, modify and delete, through the
// entry editor and the personal store. The window forwards its buttons here; the editing works
// from the lookup state's current load and the entries' numbers, never from what the window's
// widgets show.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <optional>

#include "lookup/lookup_state.h"
#include "personal/personal_store.h"

class QWidget;

namespace orvan::lookup {

class EntryEditing {
    Q_DECLARE_TR_FUNCTIONS(EntryEditing)

  public:
    /// What the editing needs of the window it works for.
    class Host {
      public:
        virtual ~Host() = default;
        virtual const LookupState& lookupState() const = 0;
        /// The personal folder the store changes; asks the user for one when none is known
        /// (false when they chose none).
        virtual bool checkPersonalFolder() = 0;
        virtual const PersonalFiles& personalFiles() const = 0;
        virtual const LexiconFiles& lexiconFiles() const = 0;
        /// Whether a change may be worked out from the current load (the user is told why not).
        virtual bool tablesWhole() = 0;
        /// Reads the files again now when another program changed them.
        virtual void catchUpWithPersonalFiles() = 0;
        /// Reads the files again; with `renumbered`, the changed entry's items follow it.
        virtual void reloadTables(std::optional<Renumbering> renumbered) = 0;
        /// Shows the saved entry `number` in the list and the pane.
        virtual void showSaved(long long number) = 0;
        /// While an editor or question is open, another program's change is read only after.
        virtual void holdReloads(bool hold) = 0;
        /// The editor's Greek headword types Greek as the window's search field does.
        virtual void typeGreekIn(QWidget* field) { (void)field; }
    };

    EntryEditing(Host& host, QWidget* parent) : host_(host), parent_(parent) {}

    void insertEntry();
    /// Changes the entry listed in `row` (for a lexicon entry: the user's supplement).
    void modifyEntry(int row);
    /// Deletes the user's own entry listed in `row`, or their note on a lexicon entry.
    void deleteEntry(int row);

    /// \brief Tells the user why a change was not made, in Greek with the details; true when
    /// it was made.
    bool report(const personal::StoreResult& result);

    /// While alive (an editor, a question, an import open), another program's change of the
    /// personal files is read only after it.
    class Hold {
      public:
        explicit Hold(Host& host) : host_(host) { host_.holdReloads(true); }
        ~Hold() { host_.holdReloads(false); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        Host& host_;
    };

  private:
    QStringList fieldItems() const;
    personal::StoreContext storeContext() const;
    personal::EntryCheck check(std::optional<personal::EntryRef> target) const;
    personal::EntryCheck saveAsNew() const;
    bool folderWritable();
    void showResult(const personal::StoreResult& result,
                    std::optional<Renumbering> renumbered = std::nullopt);

    Host& host_;
    QWidget* parent_;
};

}  // namespace orvan::lookup
