#include "personal/store_messages.h"

namespace orvan::personal {

const char* StoreMessage(StoreStatus status) {
    switch (status) {
        case StoreStatus::Done:
        case StoreStatus::NothingToDo:
            return nullptr;
        case StoreStatus::FieldsMissing:
            return "Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή";
        case StoreStatus::DescriptionTooLong:
            return "Η περιγραφή είναι πολύ μεγάλη.";
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
    return nullptr;
}

}  // namespace orvan::personal
