// Preparing a lexicon release from its plain sources: scrambling them into the distribution
// files, reloading the tables to try the result, and the byte range of the plain Greek index.
// The buttons are never shown to the user.
#include <QMessageBox>

#include "lexicon/conversions.h"
#include "lookup/main_window.h"

namespace orvan::lookup {

void TMainLex::Convert_ButtonClick() {
    try {
        // Every source is read and checked before any distribution file is written.
        PrepareLexicon(files_);
        QMessageBox::information(this, "Orvan", "ok");
    } catch (const PreparationError& error) {
        ShowGeneralError(QString::fromLocal8Bit(error.what()));
    }
}

void TMainLex::Reload_ButtonClick() {
    ReloadTables();
}

void TMainLex::ByteRange_ButtonClick() {
    try {
        const ByteRange range = ByteRangeCheck(files_.plainGreekIndex);
        QMessageBox::information(this, "Orvan", QString::fromStdString(FormatByteRange(range)));
    } catch (const PreparationError& error) {
        ShowGeneralError(QString::fromLocal8Bit(error.what()));
    }
}

void TMainLex::ShowGeneralError(const QString& text) {
    QMessageBox::critical(this, "Orvan",
                          Caption("Σφάλμα στην ανάγνωση ή την εγγραφή αρχείου:") + "\n" + text);
}

}  // namespace orvan::lookup
