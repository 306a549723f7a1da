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
    <name>EntryExchange</name>
    <message>
        <source>Όροι TBX (*.tbx)</source>
        <translation>TBX terms (*.tbx)</translation>
    </message>
    <message>
        <source>Όροι TBX, παλαιότερη μορφή (*.tbx)</source>
        <translation>TBX terms, older format (*.tbx)</translation>
    </message>
    <message>
        <source>Πίνακας CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Εξαγωγή των λημμάτων σας</source>
        <translation>Export your entries</translation>
    </message>
    <message>
        <source>Τα λήμματά σας δεν εξήχθησαν.</source>
        <translation>Your entries were not exported.</translation>
    </message>
    <message>
        <source>Το αρχείο %1 δεν γράφτηκε.</source>
        <translation>The file %1 was not written.</translation>
    </message>
    <message>
        <source>Αποθηκεύτηκαν %1 λήμματα και %2 σημειώσεις στο αρχείο %3.</source>
        <translation>%1 entries and %2 notes were saved in the file %3.</translation>
    </message>
    <message>
        <source>Εισαγωγή λημμάτων</source>
        <translation>Import entries</translation>
    </message>
    <message>
        <source>Όροι TBX ή πίνακας CSV (*.tbx *.csv *.xml)</source>
        <translation>TBX terms or CSV table (*.tbx *.csv *.xml)</translation>
    </message>
    <message>
        <source>Όλα τα αρχεία (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Το αρχείο %1 δεν διαβάστηκε· δεν εισήχθη κανένα λήμμα.</source>
        <translation>The file %1 could not be read; no entry was imported.</translation>
    </message>
    <message>
        <source>Το αρχείο %1 δεν έχει λήμματα.</source>
        <translation>The file %1 holds no entries.</translation>
    </message>
    <message>
        <source>%1 από τα %2 λήμματα του αρχείου δεν μπορούν να αποθηκευτούν.</source>
        <translation>%1 of the file's %2 entries cannot be stored.</translation>
    </message>
    <message>
        <source>Τα λήμματα του αρχείου δεν χωρούν όλα στα λήμματά σας.</source>
        <translation>The file's entries do not all fit among your entries.</translation>
    </message>
    <message>
        <source>Δεν εισήχθη κανένα λήμμα από το αρχείο %1.</source>
        <translation>No entry was imported from the file %1.</translation>
    </message>
    <message>
        <source>Θα προστεθούν %1 λήμματα, θα αλλάξουν %2 και θα γραφτούν %3 σημειώσεις.</source>
        <translation>%1 entries will be added, %2 changed and %3 notes written.</translation>
    </message>
    <message>
        <source>Να εισαχθούν τα λήμματα του αρχείου %1;</source>
        <translation>Import the entries of the file %1?</translation>
    </message>
    <message>
        <source>Προστέθηκαν %1 λήμματα, άλλαξαν %2 και γράφτηκαν %3 σημειώσεις από το αρχείο %4.</source>
        <translation>%1 entries were added, %2 changed and %3 notes written from the file %4.</translation>
    </message>
    <message>
        <source>Το αρχείο %1 είναι ένα από τα αρχεία των λημμάτων σας· διαλέξτε άλλο όνομα.</source>
        <translation>The file %1 is one of the files of your entries; choose another name.</translation>
    </message>
</context>
<context>
    <name>FullTextRun</name>
    <message>
        <source>Αναζήτηση στις περιγραφές του Λεξικού…</source>
        <translation>Searching the dictionary's descriptions…</translation>
    </message>
    <message>
        <source>Διακοπή</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Αναζήτηση στις Περιγραφές</source>
        <translation>Search the Descriptions</translation>
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
    <message>
        <source>Αρχείο: %1
Αιτία: %2</source>
        <translation>File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>Φάκελος των λημμάτων σας: %1
Αρχείο: %2
Αιτία: %3</source>
        <translation>Folder of your entries: %1
File: %2
Reason: %3</translation>
    </message>
    <message>
        <source>Κάποια λήμματα του αρχείου δεν μπορούν να αποθηκευτούν. Δεν εισήχθη κανένα.</source>
        <translation>Some entries of the file cannot be stored. None was imported.</translation>
    </message>
</context>
<context>
    <name>orvan::lookup::CriteriaSearchDialog</name>
    <message>
        <source>Κριτήρια Αναζήτησης Λημμάτων</source>
        <translation>Entry Search Criteria</translation>
    </message>
    <message>
        <source>Αναζήτηση των Λημμάτων που:</source>
        <translation>Find the entries that:</translation>
    </message>
    <message>
        <source>Αρχίζουν με:</source>
        <translation>Begin with:</translation>
    </message>
    <message>
        <source>Περιέχουν:</source>
        <translation>Contain:</translation>
    </message>
    <message>
        <source>Καταλήγουν σε:</source>
        <translation>End with:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>orvan::lookup::FullTextQuestionDialog</name>
    <message>
        <source>Ναι</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Όχι</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Αναζήτηση στις Περιγραφές</source>
        <translation>Search the Descriptions</translation>
    </message>
    <message>
        <source>Η αναζήτηση στις περιγραφές του 
Λεξικού ίσως πάρει μερικά λεπτά 
για να ολοκληρωθεί.

Να ξεκινήσει η αναζήτηση;</source>
        <translation>Searching the descriptions of the 
dictionary may take a few minutes 
to complete.

Start the search?</translation>
    </message>
</context>
<context>
    <name>orvan::lookup::HelpWindow</name>
    <message>
        <source>Βοήθεια</source>
        <translation>Help</translation>
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
    <message>
        <source>Επιλογή Γλώσσας</source>
        <translation>Choose Language</translation>
    </message>
    <message>
        <source>Προηγούμενο Λήμμα</source>
        <translation>Previous Entry</translation>
    </message>
    <message>
        <source>Λίστα Προηγουμένων Λημμάτων</source>
        <translation>List of Previous Entries</translation>
    </message>
    <message>
        <source>Επόμενο Λήμμα</source>
        <translation>Next Entry</translation>
    </message>
    <message>
        <source>Λίστα Επομένων Λημμάτων</source>
        <translation>List of Next Entries</translation>
    </message>
    <message>
        <source>Αντιγραφή</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Επικόλληση</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Εκτύπωση Λήμματος</source>
        <translation>Print Entry</translation>
    </message>
    <message>
        <source>Επιλογή Επιστήμης</source>
        <translation>Choose a Field</translation>
    </message>
    <message>
        <source>Αναζητήσεις</source>
        <translation>Searches</translation>
    </message>
    <message>
        <source>Αναζήτηση στο περιεχόμενο του λεξικού</source>
        <translation>Search the dictionary's content</translation>
    </message>
    <message>
        <source>Εξοδος</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Λήμμα προς Αναζήτηση</source>
        <translation>Entry to Look Up</translation>
    </message>
    <message>
        <source>Επιστήμη</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Απόδοση</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Περιγραφή</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Εμφάνιση Επεξεργασμένων Λημμάτων</source>
        <translation>Show Edited Entries</translation>
    </message>
    <message>
        <source>Εισαγωγή Νέου Λήμματος</source>
        <translation>Insert New Entry</translation>
    </message>
    <message>
        <source>Επεξεργασία Λήμματος</source>
        <translation>Edit Entry</translation>
    </message>
    <message>
        <source>Διαγραφή Λήμματος</source>
        <translation>Delete Entry</translation>
    </message>
    <message>
        <source>Παραμονή στην κορυφή</source>
        <translation>Stay on Top</translation>
    </message>
    <message>
        <source>Βοήθεια</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Παρουσίαση Calder Velmora</source>
        <translation>About Calder Velmora</translation>
    </message>
    <message>
        <source>Παρουσίαση Εκδόσεων Korvath</source>
        <translation>About Korvath Publications</translation>
    </message>
    <message>
        <source>ΕΚΔΟΣΕΙΣ KORVATH</source>
        <translation>KORVATH PUBLICATIONS</translation>
    </message>
    <message>
        <source>Όλα τα Λήμματα</source>
        <translation>All Entries</translation>
    </message>
    <message>
        <source>Αγγλική Απόδοση</source>
        <translation>English Translation</translation>
    </message>
    <message>
        <source>Ελληνική Απόδοση</source>
        <translation>Greek Translation</translation>
    </message>
    <message>
        <source>Συμπλήρωση δική σας:</source>
        <translation>Your supplement:</translation>
    </message>
    <message>
        <source>Λήμμα</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Αναζήτηση κατά την πληκτρολόγηση</source>
        <translation>Search as You Type</translation>
    </message>
    <message>
        <source>Η ρύθμιση δεν αποθηκεύτηκε.</source>
        <translation>The setting was not saved.</translation>
    </message>
    <message>
        <source>Μήπως εννοείτε: %1</source>
        <translation>Did you mean: %1</translation>
    </message>
    <message>
        <source>Σε αυτή την επιφάνεια εργασίας το παράθυρο μένει στην κορυφή από το μενού του παραθύρου (Alt+Διάστημα, «Πάντα στην κορυφή»)</source>
        <translation>On this desktop the window stays on top from the window menu (Alt+Space, "Always on Top")</translation>
    </message>
    <message>
        <source>Τα ελληνικά γράφονται με την ελληνική διάταξη πληκτρολογίου της επιφάνειας εργασίας, όσο είναι ενεργό το παράθυρο.</source>
        <translation>Greek is typed with the desktop's Greek keyboard layout while this window is active.</translation>
    </message>
    <message>
        <source>Τα ελληνικά γράφονται με το ελληνικό πληκτρολόγιο του Orvan: ; για τόνο, Shift+; για διαλυτικά, w για τελικό ς.</source>
        <translation>Greek is typed with Orvan's own Greek keyboard: ; for the tonos, Shift+; for the dialytika, w for the final ς.</translation>
    </message>
    <message>
        <source>Εξαγωγή των λημμάτων σας…</source>
        <translation>Export your entries…</translation>
    </message>
    <message>
        <source>Εισαγωγή λημμάτων…</source>
        <translation>Import entries…</translation>
    </message>
</context>
<context>
    <name>orvan::personal::EntryEditorDialog</name>
    <message>
        <source>Εισαγωγή</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Ακύρωση</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Εισαγωγή Νέου Λήμματος</source>
        <translation>Insert New Entry</translation>
    </message>
    <message>
        <source>Λήμμα (Αγγλικά)</source>
        <translation>Entry (English)</translation>
    </message>
    <message>
        <source>Λήμμα (Ελληνικά)</source>
        <translation>Entry (Greek)</translation>
    </message>
    <message>
        <source>Επιστήμη</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Περιγραφή</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Μεταβολή Λήμματος</source>
        <translation>Modify Entry</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Αγγλικό</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Ελληνικό</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Ό,τι γράψατε δεν χάνεται: μπορείτε να το αποθηκεύσετε ως νέο λήμμα ή να συνεχίσετε την επεξεργασία.</source>
        <translation>What you wrote is not lost: you can save it as a new entry or go on editing.</translation>
    </message>
    <message>
        <source>Αποθήκευση ως νέο λήμμα</source>
        <translation>Save as New Entry</translation>
    </message>
    <message>
        <source>Επιστροφή στην επεξεργασία</source>
        <translation>Back to Editing</translation>
    </message>
    <message>
        <source>Το %1 Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: %2</source>
        <translation>The %1 entry cannot contain the characters: %2</translation>
    </message>
</context>
<context>
    <name>orvan::setup::FolderChoiceDialog</name>
    <message>
        <source>Επιλογή φακέλου για επεξεργασμένα λήμματα</source>
        <translation>Choose a folder for edited entries</translation>
    </message>
    <message>
        <source>Παρακαλώ επιλέξτε το φάκελο του δίσκου σας στον οποίο θα εγκατασταθεί το λεξικό. Άμα θέλετε να εγκατασταθεί σε νέο φάκελο απλά πληκτρολογήστε τον στο χώρο από κάτω. Σας προτείνουμε να κρατήσετε το φάκελο που εμφανίζεται. Η διαδικασία της εγκατάστασης θα δημιουργήσει εικονίδιο για το λεξικό στην επιφάνεια εργασίας.</source>
        <translation>Please choose the folder on your disk where the dictionary will be installed. If you want it installed in a new folder, simply type it in the space below. We suggest you keep the folder shown. The installation will create an icon for the dictionary on the desktop.</translation>
    </message>
    <message>
        <source>Ο φάκελος που έχει οριστεί για την αποθήκευση των επεξεργασμένων λημμάτων δεν είναι έγκυρος. Αν υπάρχουν ήδη επεξεργασμένα λήμματα πρέπει να ορίσετε το φάκελο που τα περιέχει ώστε το λεξικό να τα βρει. Αν δεν υπάρχουν τότε πρέπει να ορίσετε το φάκελο μέσα στον οποίο θα αποθηκεύονται αυτά που θα δημιουργήσετε.</source>
        <translation>The folder set for keeping edited entries is not valid. If there are edited entries already, choose the folder that holds them so that the dictionary can find them. If there are none, choose the folder where the ones you create will be kept.</translation>
    </message>
    <message>
        <source>Επιλογή φακέλου για εγκατάσταση λεξικού</source>
        <translation>Choose a folder to install the dictionary</translation>
    </message>
    <message>
        <source>Φάκελος</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Επιλογή Φακέλου για Επεξεργασμένα Λήμματα</source>
        <translation>Choose a Folder for Edited Entries</translation>
    </message>
    <message>
        <source>Παρουσιάστηκε πρόβλημα κατά τη δημιουργία του φακέλου. Παρακαλώ επιλέξτε άλλο φάκελο</source>
        <translation>The folder could not be created. Please choose another folder</translation>
    </message>
    <message>
        <source>Για να επεξεργαστείτε λήμματα στο Orvan πρέπει να ορίσετε στον υπολογιστή σας το φάκελο μέσα στον οποίο θα αποθηκεύονται οι τροποποιήσεις.<byte value="xd" />
<byte value="xd" />
Για δική σας ευκολία μπορείτε να κρατήσετε το φάκελο που προτείνεται παρακάτω.</source>
        <translation>To edit entries in Orvan you must choose the folder on your computer where your changes will be kept.

For your convenience you can keep the folder suggested below.</translation>
    </message>
</context>
<context>
    <name>orvan::setup::InstallFlowDialogs</name>
    <message>
        <source>Η εγκατάσταση ολοκληρώθηκε επιτυχώς</source>
        <translation>The installation completed successfully</translation>
    </message>
    <message>
        <source>Η εγκατάσταση παρουσίασε προβλήματα</source>
        <translation>The installation ran into problems</translation>
    </message>
    <message>
        <source>the installation folder cannot be removed safely: %1</source>
        <translation>the installation folder cannot be removed safely: %1</translation>
    </message>
    <message>
        <source>cannot start %1</source>
        <translation>cannot start %1</translation>
    </message>
    <message>
        <source>Η διαδικασία απεγκατάστασης παρουσίασε προβλήματα</source>
        <translation>The uninstallation ran into problems</translation>
    </message>
</context>
<context>
    <name>orvan::setup::StartScreen</name>
    <message>
        <source>Τίτλοι</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>Στοιχεία Λεξικού</source>
        <translation>About the Dictionary</translation>
    </message>
    <message>
        <source>Παρουσίαση Calder Velmora</source>
        <translation>About Calder Velmora</translation>
    </message>
    <message>
        <source>Παρουσίαση Εκδόσεων Korvath</source>
        <translation>About Korvath Publications</translation>
    </message>
    <message>
        <source>Τίτλος %1</source>
        <translation>Title %1</translation>
    </message>
    <message>
        <source>Στοιχεία Λεξικού, σελίδα %1</source>
        <translation>About the Dictionary, page %1</translation>
    </message>
    <message>
        <source>Εγκατάσταση στο δίσκο</source>
        <translation>Install on Disk</translation>
    </message>
    <message>
        <source>Απενεργοποίηση παρουσίασης</source>
        <translation>Turn Presentation Off</translation>
    </message>
    <message>
        <source>Έναρξη Λεξικού</source>
        <translation>Start Dictionary</translation>
    </message>
    <message>
        <source>Απεγκατάσταση από το δίσκο</source>
        <translation>Uninstall from Disk</translation>
    </message>
    <message>
        <source>Επιστροφή</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Ενεργοποίηση παρουσίασης</source>
        <translation>Turn Presentation On</translation>
    </message>
</context>
<context>
    <name>orvan::setup::UninstallQuestionDialog</name>
    <message>
        <source>Ναι</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Όχι</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Απεγκατάσταση Λεξικού</source>
        <translation>Uninstall Dictionary</translation>
    </message>
    <message>
        <source>Πρόκειται να απεγκατασταθεί 
το Orvan
από το σκληρό σας δίσκο. 

Να συνεχιστεί η διαδικασία;</source>
        <translation>Orvan is about to be 
uninstalled
from your hard disk. 

Do you want to continue?</translation>
    </message>
</context>
</TS>
