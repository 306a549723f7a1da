<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="el_GR">
    <context>
        <name>EntryEditing</name>
        <message>
            <source>Να διαγραφεί η συμπλήρωσή σας;</source>
            <translation>Delete your supplement?</translation>
        </message>
        <message>
            <source>Να διαγραφεί το Λήμμα;</source>
            <translation>Delete the entry?</translation>
        </message>
        <message>
            <source>Επιβεβαίωση Διαγραφής</source>
            <translation>Confirm Deletion</translation>
        </message>
    </context>
    <context>
        <name>Orvan::Language</name>
        <message>
            <source>Όπως η επιφάνεια εργασίας</source>
            <translation>As the Desktop</translation>
        </message>
        <message>
            <source>Το Orvan θα εμφανιστεί στη γλώσσα που επιλέξατε την επόμενη φορά που θα ξεκινήσει.</source>
            <translation>Orvan will appear in the language you chose the next time it starts.</translation>
        </message>
        <message>
            <source>Η επιλογή της γλώσσας δεν αποθηκεύτηκε.</source>
            <translation>The choice of language could not be saved.</translation>
        </message>
    </context>
    <context>
        <name>Orvan::PersonalStore</name>
        <message>
            <source>Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή</source>
            <translation>The English entry and the description must be filled in</translation>
        </message>
        <message>
            <source>Η περιγραφή είναι πολύ μεγάλη: χωρά έως %1 χαρακτήρες.</source>
            <translation>The description is too long: it can hold up to %1 characters.</translation>
        </message>
        <message>
            <source>Δεν χωρούν άλλα λήμματα.</source>
            <translation>There is no room for more entries.</translation>
        </message>
        <message>
            <source>Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα.</source>
            <translation>The entry was changed or deleted by another program.</translation>
        </message>
        <message>
            <source>Άλλο πρόγραμμα αλλάζει αυτή τη στιγμή τα λήμματά σας. Η αλλαγή δεν αποθηκεύτηκε· δοκιμάστε ξανά σε λίγο.</source>
            <translation>Another program is changing your entries right now. The change was not saved; try again in a moment.</translation>
        </message>
        <message>
            <source>Ο φάκελος των λημμάτων σας είναι μόνο για ανάγνωση. Η αλλαγή δεν αποθηκεύτηκε.</source>
            <translation>The folder of your entries is read-only. The change was not saved.</translation>
        </message>
        <message>
            <source>Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν.</source>
            <translation>The change was not saved. Your files were left as they were.</translation>
        </message>
        <message>
            <source>Αριθμός λήμματος: %1</source>
            <translation>Entry number: %1</translation>
        </message>
        <message>
            <source>Φάκελος των λημμάτων σας: %1</source>
            <translation>Folder of your entries: %1</translation>
        </message>
        <message>
            <source>Χωρά ακόμη 1 χαρακτήρας.</source>
            <translation>1 more character fits.</translation>
        </message>
        <message>
            <source>Χωρούν ακόμη %1 χαρακτήρες.</source>
            <translation>%1 more characters fit.</translation>
        </message>
        <message>
            <source>Η περιγραφή ξεπερνά το όριο κατά 1 χαρακτήρα.</source>
            <translation>The description is 1 character over the limit.</translation>
        </message>
        <message>
            <source>Η περιγραφή ξεπερνά το όριο κατά %1 χαρακτήρες.</source>
            <translation>The description is %1 characters over the limit.</translation>
        </message>
    </context>
    <context>
        <name>orvan::lookup::LookupWindow</name>
        <message>
            <source>Δεν διαβάστηκαν ολόκληρα τα αρχεία του λεξικού. Όσο είναι έτσι, τα λήμματά σας δεν αλλάζουν.</source>
            <translation>The dictionary's files could not be read in full. Until they can, your entries cannot be changed.</translation>
        </message>
        <message>
            <source>,  Επιστήμη:</source>
            <translation>,  Field:</translation>
        </message>
        <message>
            <source>Το αρχείο ρυθμίσεων δεν διαβάστηκε· το Orvan ξεκίνησε με τις αρχικές ρυθμίσεις.</source>
            <translation>The settings file could not be read; Orvan started with its default settings.</translation>
        </message>
        <message>
            <source>Δεν βρέθηκε το λεξικό στον φάκελο «%1»: το αρχείο data/i.tbo λείπει ή δεν διαβάζεται. Ξεκινήστε το πρόγραμμα από τον φάκελο του λεξικού.</source>
            <translation>No dictionary was found in the folder “%1”: the file data/i.tbo is missing or cannot be read. Start the program from the dictionary's folder.</translation>
        </message>
        <message>
            <source>Δεν διαβάστηκε ο κατάλογος των επιστημών. Όσο είναι έτσι, τα λήμματά σας δεν αλλάζουν.</source>
            <translation>The list of fields could not be read. Until it can, your entries cannot be changed.</translation>
        </message>
        <message>
            <source>Δεν διαβάστηκαν όλα τα λήμματά σας. Όσο τα αρχεία τους είναι έτσι, δεν αλλάζουν.</source>
            <translation>Not all of your entries could be read. Until their files can, your entries cannot be changed.</translation>
        </message>
        <message>
            <source>Πρόβλημα</source>
            <translation>Problem</translation>
        </message>
        <message>
            <source>Το αρχείο βοήθειας δε βρέθηκε</source>
            <translation>The help file was not found</translation>
        </message>
        <message>
            <source>Κανένα λήμμα δεν έχει τους χαρακτήρες: %1</source>
            <translation>No entry has the characters: %1</translation>
        </message>
        <message>
            <source>Δεν βρέθηκαν λήμματα</source>
            <translation>No entries found</translation>
        </message>
        <message>
            <source>1 λήμμα</source>
            <translation>1 entry</translation>
        </message>
        <message>
            <source>%1 λήμματα</source>
            <translation>%1 entries</translation>
        </message>
    </context>
</TS>
