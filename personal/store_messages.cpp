#include "personal/store_messages.h"

#include "personal/user_text.h"

namespace orvan::personal {
namespace {

constexpr const char* kContext = "Orvan::PersonalStore";

InterfaceText Text(const char* source, std::vector<std::string> arguments = {}) {
    return {kContext, source, std::move(arguments)};
}

}  // namespace

InterfaceText StoreMessageText(StoreStatus status) {
    switch (status) {
        case StoreStatus::Done:
        case StoreStatus::NothingToDo:
            return {};
        case StoreStatus::FieldsMissing:
            return Text(QT_TRANSLATE_NOOP(
                "Orvan::PersonalStore", "Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή"));
        case StoreStatus::DescriptionTooLong:
            return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                          "Η περιγραφή είναι πολύ μεγάλη: χωρά έως %1 χαρακτήρες."),
                        {std::to_string(kMaxDescriptionCharacters)});
        case StoreStatus::StoreFull:
            return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Δεν χωρούν άλλα λήμματα."));
        case StoreStatus::EntryChanged:
            return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                          "Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα."));
        case StoreStatus::EntriesRefused:
            return Text(QT_TRANSLATE_NOOP(
                "Orvan::PersonalStore",
                "Κάποια λήμματα του αρχείου δεν μπορούν να αποθηκευτούν. Δεν εισήχθη κανένα."));
        case StoreStatus::FolderBusy:
            return Text(
                QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                  "Άλλο πρόγραμμα αλλάζει αυτή τη στιγμή τα λήμματά σας. Η αλλαγή "
                                  "δεν αποθηκεύτηκε· δοκιμάστε ξανά σε λίγο."));
        case StoreStatus::ReadOnly:
            return Text(
                QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                  "Ο φάκελος των λημμάτων σας είναι μόνο για ανάγνωση. Η αλλαγή "
                                  "δεν αποθηκεύτηκε."));
        case StoreStatus::FileError:
            return Text(
                QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                  "Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν."));
    }
    return {};
}

InterfaceText StoreDetailsText(const StoreResult& result) {
    switch (result.status) {
        case StoreStatus::EntryChanged:
            if (result.entryNumber <= 0) return {};
            return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"),
                        {std::to_string(result.entryNumber)});
        case StoreStatus::FolderBusy:
        case StoreStatus::ReadOnly:
        case StoreStatus::FileError: {
            // A file the system refused: which one, and the system's words for why.
            const bool file = !result.error.path.empty() && result.error.errorNumber != 0;
            if (result.folder.empty() && !file) return {};
            if (!file) {
                return Text(
                    QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Φάκελος των λημμάτων σας: %1"),
                    {result.folder});
            }
            if (result.folder.empty()) {
                return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αρχείο: %1\nΑιτία: %2"),
                            {result.error.path, result.error.systemReason()});
            }
            return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                          "Φάκελος των λημμάτων σας: %1\nΑρχείο: %2\nΑιτία: %3"),
                        {result.folder, result.error.path, result.error.systemReason()});
        }
        default:
            return {};
    }
}

InterfaceText DescriptionRoomMessage(long long room) {
    if (room == 1)
        return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Χωρά ακόμη 1 χαρακτήρας."));
    if (room >= 0)
        return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Χωρούν ακόμη %1 χαρακτήρες."),
                    {std::to_string(room)});
    if (room == -1)
        return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                      "Η περιγραφή ξεπερνά το όριο κατά 1 χαρακτήρα."));
    return Text(QT_TRANSLATE_NOOP("Orvan::PersonalStore",
                                  "Η περιγραφή ξεπερνά το όριο κατά %1 χαρακτήρες."),
                {std::to_string(-room)});
}

std::string StoreMessage(StoreStatus status) {
    return GreekText(StoreMessageText(status));
}

std::string StoreDetails(const StoreResult& result) {
    return GreekText(StoreDetailsText(result));
}

std::string DescriptionRoomText(long long room) {
    return GreekText(DescriptionRoomMessage(room));
}

}  // namespace orvan::personal
