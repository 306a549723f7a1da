#include "platform/greek_qt_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <algorithm>
#include <string_view>
#include <utility>

namespace orvan::platform {
namespace {

// The keys are Qt 6.4's own texts, byte for byte. A mnemonic ("&") never stands before an
// accented letter: Alt with an accented letter cannot be typed in one stroke.
constexpr StandardText kWidgetTexts[] = {
    // The standard buttons of message boxes and button boxes.
    {"QPlatformTheme", "Save", "Αποθήκευση"},
    {"QPlatformTheme", "Save All", "Αποθήκευση όλων"},
    {"QPlatformTheme", "Open", "Άνοιγμα"},
    {"QPlatformTheme", "&Yes", "&Ναι"},
    {"QPlatformTheme", "Yes to &All", "Ναι σε ό&λα"},
    {"QPlatformTheme", "&No", "Ό&χι"},
    {"QPlatformTheme", "N&o to All", "Όχι σε όλ&α"},
    {"QPlatformTheme", "Abort", "Ματαίωση"},
    {"QPlatformTheme", "Retry", "Επανάληψη"},
    {"QPlatformTheme", "Ignore", "Παράβλεψη"},
    {"QPlatformTheme", "Close", "Κλείσιμο"},
    {"QPlatformTheme", "Cancel", "Άκυρο"},
    {"QPlatformTheme", "Discard", "Απόρριψη"},
    {"QPlatformTheme", "Help", "Βοήθεια"},
    {"QPlatformTheme", "Apply", "Εφαρμογή"},
    {"QPlatformTheme", "Reset", "Επαναφορά"},
    {"QPlatformTheme", "Restore Defaults", "Επαναφορά προεπιλογών"},
    // The same buttons as a GNOME desktop's theme names them.
    {"QGnomeTheme", "&Save", "&Αποθήκευση"},
    {"QGnomeTheme", "&Cancel", "Άκ&υρο"},
    {"QGnomeTheme", "&Close", "&Κλείσιμο"},
    {"QGnomeTheme", "Close without Saving", "Κλείσιμο χωρίς αποθήκευση"},

    {"QMessageBox", "Show Details...", "Εμφάνιση λεπτομερειών..."},
    {"QMessageBox", "Hide Details...", "Απόκρυψη λεπτομερειών..."},
    {"QErrorMessage", "&Show this message again", "Να εμφανίζεται &ξανά αυτό το μήνυμα"},
    {"QInputDialog", "Enter a value:", "Δώστε μια τιμή:"},
    {"QProgressDialog", "Cancel", "Άκυρο"},
    {"QWizard", "< &Back", "< &Πίσω"},
    {"QWizard", "&Next >", "&Επόμενο >"},
    {"QWizard", "&Finish", "&Τέλος"},
    {"QWizard", "&Help", "&Βοήθεια"},
    {"QWizard", "Help", "Βοήθεια"},
    {"QWizard", "Cancel", "Άκυρο"},
    {"QWizard", "Commit", "Υποβολή"},
    {"QWizard", "Go Back", "Επιστροφή"},
    {"QWizard", "Continue", "Συνέχεια"},
    {"QWizard", "Done", "Τέλος"},

    // The context menus of one-line and rich text fields.
    {"QLineEdit", "&Undo", "&Αναίρεση"},
    {"QLineEdit", "&Redo", "&Επανάληψη"},
    {"QLineEdit", "Cu&t", "Αποκο&πή"},
    {"QLineEdit", "&Copy", "Αντι&γραφή"},
    {"QLineEdit", "&Paste", "Επι&κόλληση"},
    {"QLineEdit", "Delete", "Διαγραφή"},
    {"QLineEdit", "Select All", "Επιλογή όλων"},
    {"QWidgetTextControl", "&Undo", "&Αναίρεση"},
    {"QWidgetTextControl", "&Redo", "&Επανάληψη"},
    {"QWidgetTextControl", "Cu&t", "Αποκο&πή"},
    {"QWidgetTextControl", "&Copy", "Αντι&γραφή"},
    {"QWidgetTextControl", "&Paste", "Επι&κόλληση"},
    {"QWidgetTextControl", "Delete", "Διαγραφή"},
    {"QWidgetTextControl", "Select All", "Επιλογή όλων"},
    {"QWidgetTextControl", "Copy &Link Location", "Αντιγραφή &θέσης συνδέσμου"},
    // A spin box adds these to its field's menu.
    {"QAbstractSpinBox", "&Select All", "Επιλογή ό&λων"},
    {"QAbstractSpinBox", "&Step up", "Αύ&ξηση"},
    {"QAbstractSpinBox", "Step &down", "&Μείωση"},
    {"QScrollBar", "Scroll here", "Κύλιση εδώ"},
    {"QScrollBar", "Left edge", "Αριστερό άκρο"},
    {"QScrollBar", "Top", "Αρχή"},
    {"QScrollBar", "Right edge", "Δεξί άκρο"},
    {"QScrollBar", "Bottom", "Τέλος"},
    {"QScrollBar", "Page left", "Σελίδα αριστερά"},
    {"QScrollBar", "Page up", "Σελίδα πάνω"},
    {"QScrollBar", "Page right", "Σελίδα δεξιά"},
    {"QScrollBar", "Page down", "Σελίδα κάτω"},
    {"QScrollBar", "Scroll left", "Κύλιση αριστερά"},
    {"QScrollBar", "Scroll up", "Κύλιση πάνω"},
    {"QScrollBar", "Scroll right", "Κύλιση δεξιά"},
    {"QScrollBar", "Scroll down", "Κύλιση κάτω"},
    {"QTabBar", "Scroll Left", "Κύλιση αριστερά"},
    {"QTabBar", "Scroll Right", "Κύλιση δεξιά"},

    // The file-system model's columns and the names of kinds of entries.
    {"QFileSystemModel", "Name", "Όνομα"},
    {"QFileSystemModel", "Size", "Μέγεθος"},
    {"QFileSystemModel", "Type", "Τύπος"},
    {"QFileSystemModel", "Date Modified", "Ημερομηνία τροποποίησης"},
    {"QFileSystemModel", "Computer", "Υπολογιστής"},
    {"QAbstractFileIconProvider", "Drive", "Μονάδα δίσκου"},
    {"QAbstractFileIconProvider", "Folder", "Φάκελος"},
    {"QAbstractFileIconProvider", "Unknown", "Άγνωστο"},

    // The file dialog: its form, its buttons, its menus and its questions.
    {"QFileDialog", "Look in:", "Αναζήτηση σε:"},
    {"QFileDialog", "Back", "Πίσω"},
    {"QFileDialog", "Go back", "Μετάβαση πίσω"},
    {"QFileDialog", "Forward", "Εμπρός"},
    {"QFileDialog", "Go forward", "Μετάβαση εμπρός"},
    {"QFileDialog", "Parent Directory", "Γονικός φάκελος"},
    {"QFileDialog", "Go to the parent directory", "Μετάβαση στον γονικό φάκελο"},
    {"QFileDialog", "Create New Folder", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "Create a New Folder", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "List View", "Προβολή λίστας"},
    {"QFileDialog", "Change to list view mode", "Αλλαγή σε προβολή λίστας"},
    {"QFileDialog", "Detail View", "Προβολή λεπτομερειών"},
    {"QFileDialog", "Change to detail view mode", "Αλλαγή σε προβολή λεπτομερειών"},
    {"QFileDialog", "Sidebar", "Πλευρική στήλη"},
    {"QFileDialog", "List of places and bookmarks", "Λίστα τοποθεσιών και σελιδοδεικτών"},
    {"QFileDialog", "Files", "Αρχεία"},
    {"QFileDialog", "Files of type:", "Αρχεία τύπου:"},
    {"QFileDialog", "File &name:", "Ό&νομα αρχείου:"},
    {"QFileDialog", "Directory:", "Φάκελος:"},
    {"QFileDialog", "&Open", "Άν&οιγμα"},
    {"QFileDialog", "&Save", "&Αποθήκευση"},
    {"QFileDialog", "&Choose", "&Επιλογή"},
    {"QFileDialog", "Open", "Άνοιγμα"},
    {"QFileDialog", "Save As", "Αποθήκευση ως"},
    {"QFileDialog", "Find Directory", "Επιλογή φακέλου"},
    {"QFileDialog", "All Files (*)", "Όλα τα αρχεία (*)"},
    {"QFileDialog", "Directories", "Φάκελοι"},
    {"QFileDialog", "Recent Places", "Πρόσφατες τοποθεσίες"},
    {"QFileDialog", "Remove", "Αφαίρεση"},
    // Qt puts a column's name after this, in the detail view's header menu.
    {"QFileDialog", "Show ", "Εμφάνιση στήλης "},
    {"QFileDialog", "&Rename", "&Μετονομασία"},
    {"QFileDialog", "&Delete", "&Διαγραφή"},
    {"QFileDialog", "Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    {"QFileDialog", "&New Folder", "&Νέος φάκελος"},
    {"QFileDialog", "New Folder", "Νέος φάκελος"},
    {"QFileDialog", "Delete", "Διαγραφή"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     "Το αρχείο %1 υπάρχει ήδη.\nΘέλετε να το αντικαταστήσετε;"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nΤο αρχείο δεν βρέθηκε.\nΕλέγξτε ότι δώσατε το σωστό όνομα αρχείου."},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nΟ φάκελος δεν βρέθηκε.\nΕλέγξτε ότι δώσατε το σωστό όνομα φακέλου."},
    {"QFileDialog", "Are you sure you want to delete '%1'?",
     "Θέλετε σίγουρα να διαγράψετε το «%1»;"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     "Το «%1» προστατεύεται από εγγραφή.\nΘέλετε να διαγραφεί παρ' όλα αυτά;"},
    {"QFileDialog", "Could not delete directory.", "Δεν ήταν δυνατή η διαγραφή του φακέλου."},
};

std::pair<std::string_view, std::string_view> KeyOf(const StandardText* text) {
    return {text->context, text->source};
}

}  // namespace

std::span<const StandardText> GreekWidgetTexts() {
    return kWidgetTexts;
}

GreekStandardTexts::GreekStandardTexts(QObject* parent) : QTranslator(parent) {
    for (const auto table : {GreekWidgetTexts(), GreekPrintTexts()})
        for (const StandardText& text : table)
            sorted_.push_back(&text);
    std::sort(sorted_.begin(), sorted_.end(),
              [](const StandardText* a, const StandardText* b) { return KeyOf(a) < KeyOf(b); });
}

QString GreekStandardTexts::translate(const char* context, const char* sourceText,
                                      const char* /*disambiguation*/, int /*n*/) const {
    if (context == nullptr || sourceText == nullptr) return {};
    const std::pair<std::string_view, std::string_view> key{context, sourceText};
    const auto found = std::lower_bound(
        sorted_.begin(), sorted_.end(), key,
        [](const StandardText* text, const auto& wanted) { return KeyOf(text) < wanted; });
    if (found == sorted_.end() || KeyOf(*found) != key) return {};
    return QString::fromUtf8((*found)->greek);
}

void InstallGreekQtTexts(QCoreApplication& application, const QString& qtTranslationsFolder) {
    QCoreApplication::installTranslator(new GreekStandardTexts(&application));
    // Only the Greek file itself: asked for a name that is missing, QTranslator::load goes on to
    // shorter names ("qtbase.qm"), which are not Greek.
    const QString greekFile = QDir(qtTranslationsFolder).filePath(QStringLiteral("qtbase_el.qm"));
    if (!QFileInfo(greekFile).isFile()) return;
    auto* qtOwn = new QTranslator(&application);
    if (qtOwn->load(greekFile))
        QCoreApplication::installTranslator(qtOwn);
    else
        delete qtOwn;
}

void InstallGreekQtTexts(QCoreApplication& application) {
    InstallGreekQtTexts(application, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace orvan::platform
