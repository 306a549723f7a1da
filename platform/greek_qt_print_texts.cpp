// The Greek texts of Qt's print dialog (its upper half, its options, the printer properties with
// the page setup and the CUPS job options), of the page-setup dialog and of the print preview.
#include "platform/greek_qt_texts.h"

namespace orvan::platform {
namespace {

// The keys are Qt 6.4's own texts, byte for byte. Within one dialog no two mnemonics share a
// letter, and none stands before an accented letter.
constexpr StandardText kPrintTexts[] = {
    {"QPrintDialog", "Print", "Εκτύπωση"},
    {"QPrintDialog", "&Print", "Εκτύ&πωση"},
    {"QPrintDialog", "&Options >>", "&Επιλογές >>"},
    {"QPrintDialog", "&Options <<", "&Επιλογές <<"},
    {"QPrintDialog", "Print to File (PDF)", "Εκτύπωση σε αρχείο (PDF)"},
    {"QPrintDialog", "Local file", "Τοπικό αρχείο"},
    {"QPrintDialog", "Write PDF file", "Εγγραφή αρχείου PDF"},
    {"QPrintDialog", "Print To File ...", "Εκτύπωση σε αρχείο..."},
    {"QPrintDialog", "All Pages", "Όλες οι σελίδες"},
    {"QPrintDialog", "Odd Pages", "Μονές σελίδες"},
    {"QPrintDialog", "Even Pages", "Ζυγές σελίδες"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Αριστερά προς δεξιά, πάνω προς κάτω"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Αριστερά προς δεξιά, κάτω προς πάνω"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Δεξιά προς αριστερά, κάτω προς πάνω"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Δεξιά προς αριστερά, πάνω προς κάτω"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Κάτω προς πάνω, αριστερά προς δεξιά"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Κάτω προς πάνω, δεξιά προς αριστερά"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Πάνω προς κάτω, αριστερά προς δεξιά"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Πάνω προς κάτω, δεξιά προς αριστερά"},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
     "Το %1 είναι φάκελος.\nΕπιλέξτε άλλο όνομα αρχείου."},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
     "Δεν είναι δυνατή η εγγραφή στο αρχείο %1.\nΕπιλέξτε άλλο όνομα αρχείου."},
    {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
     "Το αρχείο %1 υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;"},
    {"QPrintDialog",
     "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of "
     "those options off.",
     "Οι επιλογές «Σελίδες ανά φύλλο» και «Σύνολο σελίδων» δεν μπορούν να χρησιμοποιηθούν "
     "μαζί.\nΑπενεργοποιήστε τη μία από τις δύο."},
    {"QPrintDialog", "Invalid Pages Definition", "Μη έγκυρος ορισμός σελίδων"},
    {"QPrintDialog",
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' "
     "to define ranges and make sure ranges do not intersect with each other.",
     "Το «%1» δεν έχει σωστή σύνταξη. Χωρίστε τις σελίδες και τις περιοχές με «,», δώστε τις "
     "περιοχές με «-» και φροντίστε να μην επικαλύπτονται μεταξύ τους."},
    {"QPrintDialog", "Duplex Settings Conflicts", "Διενέξεις στις ρυθμίσεις διπλής όψης"},
    {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
     "Υπάρχουν διενέξεις στις ρυθμίσεις διπλής όψης. Θέλετε να τις διορθώσετε;"},

    // The upper half: the printer or the file.
    {"QPrintWidget", "Printer", "Εκτυπωτής"},
    {"QPrintWidget", "&Name:", "Ό&νομα:"},
    {"QPrintWidget", "P&roperties", "&Ιδιότητες"},
    {"QPrintWidget", "Location:", "Τοποθεσία:"},
    {"QPrintWidget", "Preview", "Προεπισκόπηση"},
    {"QPrintWidget", "Type:", "Τύπος:"},
    {"QPrintWidget", "Output &file:", "&Αρχείο εξόδου:"},

    // The options: what is printed, how many copies, colour and sides.
    {"QPrintSettingsOutput", "Copies", "Αντίτυπα"},
    {"QPrintSettingsOutput", "Print range", "Περιοχή εκτύπωσης"},
    {"QPrintSettingsOutput", "Print all", "Όλες οι σελίδες"},
    {"QPrintSettingsOutput", "Pages from", "Σελίδες από"},
    {"QPrintSettingsOutput", "to", "έως"},
    {"QPrintSettingsOutput", "Pages", "Σελίδες"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Δώστε σελίδες ή περιοχές χωρισμένες με κόμματα. Μια περιοχή δίνεται με δύο αριθμούς "
     "χωρισμένους με παύλα. Π.χ. το 3,5-7,9 τυπώνει τις σελίδες 3, 5, 6, 7 και 9."},
    {"QPrintSettingsOutput", "Current Page", "Τρέχουσα σελίδα"},
    {"QPrintSettingsOutput", "Selection", "Επιλογή"},
    {"QPrintSettingsOutput", "Page Set:", "Σύνολο σελίδων:"},
    {"QPrintSettingsOutput", "Output Settings", "Ρυθμίσεις εξόδου"},
    {"QPrintSettingsOutput", "Copies:", "Αντίτυπα:"},
    {"QPrintSettingsOutput", "Collate", "Συρραφή"},
    {"QPrintSettingsOutput", "Reverse", "Αντίστροφη σειρά"},
    {"QPrintSettingsOutput", "Options", "Επιλογές"},
    {"QPrintSettingsOutput", "Color Mode", "Χρώμα"},
    {"QPrintSettingsOutput", "Color", "Έγχρωμη"},
    {"QPrintSettingsOutput", "Grayscale", "Αποχρώσεις του γκρι"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Εκτύπωση διπλής όψης"},
    {"QPrintSettingsOutput", "Off", "Ανενεργή"},
    {"QPrintSettingsOutput", "Long side binding", "Βιβλιοδεσία στη μακριά πλευρά"},
    {"QPrintSettingsOutput", "Short side binding", "Βιβλιοδεσία στην κοντή πλευρά"},

    // The printer's properties: the page and the advanced options.
    {"QPrintPropertiesDialog", "Printer Properties", "Ιδιότητες εκτυπωτή"},
    {"QPrintPropertiesDialog", "Job Options", "Επιλογές εργασίας"},
    {"QPrintPropertiesDialog", "Page Setup Conflicts", "Διενέξεις στη διαμόρφωση σελίδας"},
    {"QPrintPropertiesDialog",
     "There are conflicts in page setup options. Do you want to fix them?",
     "Υπάρχουν διενέξεις στις επιλογές διαμόρφωσης σελίδας. Θέλετε να τις διορθώσετε;"},
    {"QPrintPropertiesDialog", "Advanced Option Conflicts",
     "Διενέξεις στις επιλογές για προχωρημένους"},
    {"QPrintPropertiesDialog",
     "There are conflicts in some advanced options. Do you want to fix them?",
     "Υπάρχουν διενέξεις σε ορισμένες επιλογές για προχωρημένους. Θέλετε να τις διορθώσετε;"},
    {"QPrintPropertiesWidget", "Page", "Σελίδα"},
    {"QPrintPropertiesWidget", "Advanced", "Για προχωρημένους"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Υπάρχουν διενέξεις σε ορισμένες επιλογές. Διορθώστε τις."},

    // The page: paper, orientation, margins, layout. Unit symbols and the names Didot and Cicero
    // stay as they are.
    {"QPageSetupWidget", "Paper", "Χαρτί"},
    {"QPageSetupWidget", "Page size:", "Μέγεθος σελίδας:"},
    {"QPageSetupWidget", "Width:", "Πλάτος:"},
    {"QPageSetupWidget", "Height:", "Ύψος:"},
    {"QPageSetupWidget", "Paper source:", "Τροφοδοσία χαρτιού:"},
    {"QPageSetupWidget", "Orientation", "Προσανατολισμός"},
    {"QPageSetupWidget", "Portrait", "Κατακόρυφος"},
    {"QPageSetupWidget", "Landscape", "Οριζόντιος"},
    {"QPageSetupWidget", "Reverse landscape", "Αντεστραμμένος οριζόντιος"},
    {"QPageSetupWidget", "Reverse portrait", "Αντεστραμμένος κατακόρυφος"},
    {"QPageSetupWidget", "Margins", "Περιθώρια"},
    {"QPageSetupWidget", "top margin", "πάνω περιθώριο"},
    {"QPageSetupWidget", "left margin", "αριστερό περιθώριο"},
    {"QPageSetupWidget", "right margin", "δεξί περιθώριο"},
    {"QPageSetupWidget", "bottom margin", "κάτω περιθώριο"},
    {"QPageSetupWidget", "Page Layout", "Διάταξη σελίδας"},
    {"QPageSetupWidget", "Page order:", "Σειρά σελίδων:"},
    {"QPageSetupWidget", "Pages per sheet:", "Σελίδες ανά φύλλο:"},
    {"QPageSetupWidget", "Custom", "Προσαρμοσμένο"},
    {"QPageSetupWidget", "Millimeters (mm)", "Χιλιοστά (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Ίντσες (in)"},
    {"QPageSetupWidget", "Points (pt)", "Στιγμές (pt)"},
    {"QPageSetupWidget", "Pica (P\u0338)", "Πίκα (P\u0338)"},

    // The CUPS job options, a page of the printer's properties.
    {"QCupsJobWidget", "Job", "Εργασία"},
    {"QCupsJobWidget", "Job Control", "Έλεγχος εργασίας"},
    {"QCupsJobWidget", "Scheduled printing:", "Προγραμματισμένη εκτύπωση:"},
    {"QCupsJobWidget", "Billing information:", "Στοιχεία χρέωσης:"},
    {"QCupsJobWidget", "Job priority:", "Προτεραιότητα εργασίας:"},
    {"QCupsJobWidget", "Banner Pages", "Διαχωριστικές σελίδες"},
    {"QCupsJobWidget", "Start:", "Αρχή:"},
    {"QCupsJobWidget", "End:", "Τέλος:"},
    {"QCupsJobWidget", "Print Immediately", "Άμεση εκτύπωση"},
    {"QCupsJobWidget", "Hold Indefinitely", "Αναμονή επ' αόριστον"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Ημέρα (06:00 έως 17:59)"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Νύχτα (18:00 έως 05:59)"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Δεύτερη βάρδια (16:00 έως 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Τρίτη βάρδια (00:00 έως 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Σαββατοκύριακο (Σάββατο έως Κυριακή)"},
    {"QCupsJobWidget", "Specific Time", "Συγκεκριμένη ώρα"},
    {"QCupsJobWidget", "None", "Καμία"},
    {"QCupsJobWidget", "Standard", "Τυπική"},
    {"QCupsJobWidget", "Unclassified", "Αδιαβάθμητο"},
    {"QCupsJobWidget", "Confidential", "Εμπιστευτικό"},
    {"QCupsJobWidget", "Classified", "Διαβαθμισμένο"},
    {"QCupsJobWidget", "Secret", "Απόρρητο"},
    {"QCupsJobWidget", "Top Secret", "Άκρως απόρρητο"},

    // The print preview's tool bar; Qt's page-setup dialog takes its title from here too.
    {"QPrintPreviewDialog", "Print Preview", "Προεπισκόπηση εκτύπωσης"},
    {"QPrintPreviewDialog", "Page Setup", "Διαμόρφωση σελίδας"},
    {"QPrintPreviewDialog", "Page setup", "Διαμόρφωση σελίδας"},
    {"QPrintPreviewDialog", "Print", "Εκτύπωση"},
    {"QPrintPreviewDialog", "Next page", "Επόμενη σελίδα"},
    {"QPrintPreviewDialog", "Previous page", "Προηγούμενη σελίδα"},
    {"QPrintPreviewDialog", "First page", "Πρώτη σελίδα"},
    {"QPrintPreviewDialog", "Last page", "Τελευταία σελίδα"},
    {"QPrintPreviewDialog", "Fit width", "Προσαρμογή στο πλάτος"},
    {"QPrintPreviewDialog", "Fit page", "Προσαρμογή στη σελίδα"},
    {"QPrintPreviewDialog", "Zoom in", "Μεγέθυνση"},
    {"QPrintPreviewDialog", "Zoom out", "Σμίκρυνση"},
    {"QPrintPreviewDialog", "Portrait", "Κατακόρυφα"},
    {"QPrintPreviewDialog", "Landscape", "Οριζόντια"},
    {"QPrintPreviewDialog", "Show single page", "Μία σελίδα"},
    {"QPrintPreviewDialog", "Show facing pages", "Αντικριστές σελίδες"},
    {"QPrintPreviewDialog", "Show overview of all pages", "Όλες οι σελίδες"},
};

}  // namespace

std::span<const StandardText> GreekPrintTexts() {
    return kPrintTexts;
}

}  // namespace orvan::platform
