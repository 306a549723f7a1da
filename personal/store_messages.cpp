#include "personal/store_messages.h"

#include "personal/user_text.h"

namespace orvan::personal {

std::string StoreMessage(StoreStatus status) {
    switch (status) {
        case StoreStatus::Done:
        case StoreStatus::NothingToDo:
            return {};
        case StoreStatus::FieldsMissing:
            return "Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή";
        case StoreStatus::DescriptionTooLong:
            return "Η περιγραφή είναι πολύ μεγάλη: χωρά έως " +
                   std::to_string(kMaxDescriptionCharacters) + " χαρακτήρες.";
        case StoreStatus::StoreFull:
            return "Δεν χωρούν άλλα λήμματα.";
        case StoreStatus::EntryChanged:
            return "Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα.";
        case StoreStatus::FolderBusy:
            return "Άλλο πρόγραμμα αλλάζει αυτή τη στιγμή τα λήμματά σας. Η αλλαγή δεν "
                   "αποθηκεύτηκε· δοκιμάστε ξανά σε λίγο.";
        case StoreStatus::ReadOnly:
            return "Ο φάκελος των λημμάτων σας είναι μόνο για ανάγνωση. Η αλλαγή δεν "
                   "αποθηκεύτηκε.";
        case StoreStatus::FileError:
            return "Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν.";
    }
    return {};
}

std::string StoreDetails(const StoreResult& result) {
    switch (result.status) {
        case StoreStatus::EntryChanged:
            return result.entryNumber > 0
                       ? "Αριθμός λήμματος: " + std::to_string(result.entryNumber)
                       : std::string();
        case StoreStatus::FolderBusy:
        case StoreStatus::ReadOnly:
        case StoreStatus::FileError: {
            std::string details = result.folder.empty()
                                      ? std::string()
                                      : "Φάκελος των λημμάτων σας: " + result.folder;
            // A file the system refused: which one, and the system's words for why.
            if (!result.error.path.empty() && result.error.errorNumber != 0) {
                if (!details.empty()) details += "\n";
                details +=
                    "Αρχείο: " + result.error.path + "\nΑιτία: " + result.error.systemReason();
            }
            return details;
        }
        default:
            return {};
    }
}

std::string DescriptionRoomText(long long room) {
    if (room == 1) return "Χωρά ακόμη 1 χαρακτήρας.";
    if (room >= 0) return "Χωρούν ακόμη " + std::to_string(room) + " χαρακτήρες.";
    if (room == -1) return "Η περιγραφή ξεπερνά το όριο κατά 1 χαρακτήρα.";
    return "Η περιγραφή ξεπερνά το όριο κατά " + std::to_string(-room) + " χαρακτήρες.";
}

}  // namespace orvan::personal
