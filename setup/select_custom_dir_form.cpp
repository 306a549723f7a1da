#include "setup/select_custom_dir_form.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTreeView>

#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"

namespace orvan::setup {

namespace {

using platform::Caption;

const char* const kPersonalCaption = "Επιλογή φακέλου για επεξεργασμένα λήμματα";

const char* const kInstallText =
    "Παρακαλώ επιλέξτε το φάκελο του δίσκου σας στον οποίο θα εγκατασταθεί το λεξικό. Άμα "
    "θέλετε να εγκατασταθεί σε νέο φάκελο απλά πληκτρολογήστε τον στο χώρο από κάτω. Σας "
    "προτείνουμε να κρατήσετε το φάκελο που εμφανίζεται. Η διαδικασία της εγκατάστασης θα "
    "δημιουργήσει εικονίδιο για το λεξικό στην επιφάνεια εργασίας.";
const char* const kNoFolderText =
    "Για να επεξεργαστείτε λήμματα στο Orvan πρέπει να ορίσετε στον υπολογιστή σας το φάκελο "
    "μέσα στον οποίο θα αποθηκεύονται οι τροποποιήσεις.\r\n\r\nΓια δική σας ευκολία μπορείτε να "
    "κρατήσετε το φάκελο που προτείνεται παρακάτω.";
const char* const kInvalidText =
    "Ο φάκελος που έχει οριστεί για την αποθήκευση των επεξεργασμένων λημμάτων δεν είναι "
    "έγκυρος. Αν υπάρχουν ήδη επεξεργασμένα λήμματα πρέπει να ορίσετε το φάκελο που τα περιέχει "
    "ώστε το λεξικό να τα βρει. Αν δεν υπάρχουν τότε πρέπει να ορίσετε το φάκελο μέσα στον "
    "οποίο θα αποθηκεύονται αυτά που θα δημιουργήσετε.";

// File systems that hold no user folders.
bool IsUserVolume(const QStorageInfo& volume) {
    static const QStringList kSystemTypes = {
        "proc",      "sysfs",    "devtmpfs",   "devpts",      "tmpfs",   "cgroup",  "cgroup2",
        "overlay",   "squashfs", "securityfs", "pstore",      "debugfs", "tracefs", "mqueue",
        "hugetlbfs", "fusectl",  "configfs",   "binfmt_misc", "autofs",  "bpf",     "efivarfs"};
    return volume.isValid() && volume.isReady() &&
           !kSystemTypes.contains(QString::fromLatin1(volume.fileSystemType()));
}

// What the dialog says in a mode, and whether it shows the installation's picture (else the
// notepad of the personal entries).
struct Wording {
    const char* caption;
    const char* text;
    bool installPicture;
};

Wording WordingOf(FolderDialogMode mode) {
    switch (mode) {
        case FolderDialogMode::Install:
            return {"Επιλογή φακέλου για εγκατάσταση λεξικού", kInstallText, true};
        case FolderDialogMode::NoPersonalFolder:
            return {kPersonalCaption, kNoFolderText, false};
        case FolderDialogMode::InvalidPersonalFolder:
            break;
    }
    return {kPersonalCaption, kInvalidText, false};
}

QString StoredPath(const char* name) {
    return assets::IconPath(QString::fromLatin1(name));
}

}  // namespace

TSelectCustomDirForm::TSelectCustomDirForm(FolderDialogMode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      DirMode(mode),
      Personal_Image(new QLabel(this)),
      MsgMemo(new QPlainTextEdit(this)),
      Dir_Edit(new QLineEdit(this)),
      Folder_Label(new QLabel(Caption("Φάκελος"), this)),
      Ok_Button(new QPushButton("OK", this)),
      Cancel_Button(new QPushButton(Caption("Άκυρο"), this)),
      Drive_Combo(new QComboBox(this)),
      Folder_Tree(new QTreeView(this)),
      Install_Image(new QLabel(this)),
      folders_(new QFileSystemModel(this)) {
    setObjectName("TSelectCustomDirForm");
    setWindowTitle(Caption("Επιλογή Φακέλου για Επεξεργασμένα Λήμματα"));
    setFixedSize(477, 218);
    setFont(platform::SansFont(11, false, true));
    const auto place = platform::Place;
    place(Personal_Image, "Personal_Image", {8, 16, 41, 33});
    platform::ShowStoredPicture(Personal_Image, StoredPath("notepad"));
    Personal_Image->setAlignment(Qt::AlignCenter);
    place(MsgMemo, "MsgMemo", {48, 16, 233, 113});
    MsgMemo->setReadOnly(true);
    MsgMemo->setFrameShape(QFrame::NoFrame);
    MsgMemo->setFocusPolicy(Qt::NoFocus);
    MsgMemo->viewport()->setAutoFillBackground(false);
    MsgMemo->setStyleSheet("QPlainTextEdit { background: transparent; }");
    place(Dir_Edit, "Dir_Edit", {64, 136, 209, 21});
    place(Folder_Label, "Folder_Label", {8, 136, 45, 13});
    Folder_Label->adjustSize();
    place(Ok_Button, "Ok_Button", {128, 176, 105, 25});
    Ok_Button->setDefault(true);
    Ok_Button->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    place(Cancel_Button, "Cancel_Button", {256, 176, 105, 25});
    Cancel_Button->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    Cancel_Button->setAutoDefault(false);
    place(Drive_Combo, "Drive_Combo", {288, 136, 177, 19});
    Drive_Combo->addItems(Roots());
    place(Folder_Tree, "Folder_Tree", {288, 17, 177, 112});
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath("/");
    Folder_Tree->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        Folder_Tree->hideColumn(column);
    }
    Folder_Tree->header()->hide();
    place(Install_Image, "Install_Image", {8, 16, 49, 49});
    platform::ShowStoredPicture(Install_Image, StoredPath("installation"), "setup");
    Install_Image->setAlignment(Qt::AlignCenter);
    Install_Image->hide();

    connect(Ok_Button, &QPushButton::clicked, this, &TSelectCustomDirForm::Ok_ButtonClick);
    connect(Cancel_Button, &QPushButton::clicked, this, &QDialog::reject);
    connect(Drive_Combo, &QComboBox::currentIndexChanged, this,
            &TSelectCustomDirForm::Drive_ComboChange);
    connect(Folder_Tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSelectCustomDirForm::Folder_TreeChange);
    setTabOrder(Dir_Edit, Ok_Button);
    setTabOrder(Ok_Button, Cancel_Button);
    setTabOrder(Cancel_Button, Drive_Combo);
    setTabOrder(Drive_Combo, Folder_Tree);
}

QString TSelectCustomDirForm::folder() const {
    return Dir_Edit->text();
}

QString TSelectCustomDirForm::DefaultFolder() {
    return QDir::homePath() + "/Orvan";
}

QStringList TSelectCustomDirForm::Roots() {
    QStringList roots = {"/", QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (IsUserVolume(volume) && !roots.contains(root)) roots.append(root);
    }
    return roots;
}

void TSelectCustomDirForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TSelectCustomDirForm::FormShow() {
    platform::CentreOver(this, parentWidget());
    const Wording wording = WordingOf(DirMode);
    setWindowTitle(Caption(wording.caption));
    Install_Image->setVisible(wording.installPicture);
    Personal_Image->setVisible(!wording.installPicture);
    MsgMemo->setPlainText(Caption(wording.text));
    // The explanation is centred, line by line.
    QTextCursor cursor(MsgMemo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    // The browser starts at the home folder; the field offers the default folder.
    Drive_Combo->setCurrentIndex(1);
    Drive_ComboChange();
    Dir_Edit->setText(DefaultFolder());
    Dir_Edit->setFocus();
}

void TSelectCustomDirForm::Drive_ComboChange() {
    const QString root = Drive_Combo->currentText();
    if (root.isEmpty()) return;
    // The tree shows the chosen root's folders.
    const QModelIndex index = folders_->index(root);
    Folder_Tree->setRootIndex(index);
    Folder_Tree->setCurrentIndex(index);
    Dir_Edit->setText(root);
}

void TSelectCustomDirForm::Folder_TreeChange() {
    const QModelIndex index = Folder_Tree->currentIndex();
    if (index.isValid()) Dir_Edit->setText(QDir::cleanPath(folders_->filePath(index)));
}

void TSelectCustomDirForm::Ok_ButtonClick() {
    const QString path = Dir_Edit->text();
    if (path.isEmpty()) {
        accept();
        return;
    }
    if (!QFileInfo(path).isDir()) {
        QDir().mkpath(path);
        if (!QFileInfo(path).isDir()) {
            QMessageBox::information(this, windowTitle(),
                                     Caption("Παρουσιάστηκε πρόβλημα κατά τη δημιουργία του "
                                             "φακέλου. Παρακαλώ επιλέξτε άλλο φάκελο"));
            return;
        }
    }
    if (DirMode != FolderDialogMode::Install) {
        accept();
        return;
    }
    if (!installer_ || installer_(path)) {
        accept();
    } else {
        reject();
    }
}

}  // namespace orvan::setup
