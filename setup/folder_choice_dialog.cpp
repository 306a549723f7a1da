#include "setup/folder_choice_dialog.h"

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
#include "platform/dialog_face.h"
#include "platform/edge_layout.h"
#include "resources/stored_pictures.h"

namespace orvan::setup {

namespace {

const char* const kPersonalCaption = QT_TRANSLATE_NOOP("orvan::setup::FolderChoiceDialog",
                                                       "Επιλογή φακέλου για επεξεργασμένα λήμματα");

const char* const kInstallText = QT_TRANSLATE_NOOP(
    "orvan::setup::FolderChoiceDialog",
    "Παρακαλώ επιλέξτε το φάκελο του δίσκου σας στον οποίο θα εγκατασταθεί το λεξικό. Άμα "
    "θέλετε να εγκατασταθεί σε νέο φάκελο απλά πληκτρολογήστε τον στο χώρο από κάτω. Σας "
    "προτείνουμε να κρατήσετε το φάκελο που εμφανίζεται. Η διαδικασία της εγκατάστασης θα "
    "δημιουργήσει εικονίδιο για το λεξικό στην επιφάνεια εργασίας.");
const char* const kNoFolderText = QT_TRANSLATE_NOOP(
    "orvan::setup::FolderChoiceDialog",
    "Για να επεξεργαστείτε λήμματα στο Orvan πρέπει να ορίσετε στον υπολογιστή σας το φάκελο "
    "μέσα στον οποίο θα αποθηκεύονται οι τροποποιήσεις.\r\n\r\nΓια δική σας ευκολία μπορείτε να "
    "κρατήσετε το φάκελο που προτείνεται παρακάτω.");
const char* const kInvalidText = QT_TRANSLATE_NOOP(
    "orvan::setup::FolderChoiceDialog",
    "Ο φάκελος που έχει οριστεί για την αποθήκευση των επεξεργασμένων λημμάτων δεν είναι "
    "έγκυρος. Αν υπάρχουν ήδη επεξεργασμένα λήμματα πρέπει να ορίσετε το φάκελο που τα περιέχει "
    "ώστε το λεξικό να τα βρει. Αν δεν υπάρχουν τότε πρέπει να ορίσετε το φάκελο μέσα στον "
    "οποίο θα αποθηκεύονται αυτά που θα δημιουργήσετε.");

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
// notepad of the personal entries). The texts are translated where the dialog shows them.
struct Wording {
    const char* caption;
    const char* text;
    bool installPicture;
};

Wording WordingOf(FolderDialogMode mode) {
    switch (mode) {
        case FolderDialogMode::Install:
            return {QT_TRANSLATE_NOOP("orvan::setup::FolderChoiceDialog",
                                      "Επιλογή φακέλου για εγκατάσταση λεξικού"),
                    kInstallText, true};
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

FolderChoiceDialog::FolderChoiceDialog(FolderDialogMode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mode_(mode),
      personalImage_(new QLabel(this)),
      messageText_(new QPlainTextEdit(this)),
      folderEdit_(new QLineEdit(this)),
      folderLabel_(new QLabel(tr("Φάκελος"), this)),
      okButton_(new QPushButton("OK", this)),
      cancelButton_(new QPushButton(tr("Άκυρο"), this)),
      rootCombo_(new QComboBox(this)),
      folderTree_(new QTreeView(this)),
      installImage_(new QLabel(this)),
      folders_(new QFileSystemModel(this)) {
    setObjectName("FolderChoiceDialog");
    setWindowTitle(tr("Επιλογή Φακέλου για Επεξεργασμένα Λήμματα"));
    // Larger, the folder tree takes the room; the field, the buttons and the drive list keep
    // to the bottom.
    const QSize defaultSize(477, 218);
    setMinimumSize(defaultSize);
    resize(defaultSize);
    setFont(platform::SansFont(11, false, true));
    auto* places = new platform::EdgeLayout(this, defaultSize, defaultSize);
    places->addPlaced(personalImage_, "personalImage", {8, 16, 41, 33});
    platform::ShowStoredPicture(personalImage_, StoredPath("notepad"));
    personalImage_->setAlignment(Qt::AlignCenter);
    places->addPlaced(messageText_, "messageText", {48, 16, 233, 113});
    messageText_->setReadOnly(true);
    messageText_->setFrameShape(QFrame::NoFrame);
    messageText_->setFocusPolicy(Qt::NoFocus);
    messageText_->viewport()->setAutoFillBackground(false);
    messageText_->setStyleSheet("QPlainTextEdit { background: transparent; }");
    places->addPlaced(folderEdit_, "folderEdit", {64, 136, 209, 21}, Qt::LeftEdge | Qt::BottomEdge);
    // The label takes the size of its caption.
    places->addPlaced(folderLabel_, "folderLabel", {QPoint(8, 136), folderLabel_->sizeHint()},
                      Qt::LeftEdge | Qt::BottomEdge);
    places->addPlaced(okButton_, "okButton", {128, 176, 105, 25}, Qt::LeftEdge | Qt::BottomEdge);
    okButton_->setDefault(true);
    okButton_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    places->addPlaced(cancelButton_, "cancelButton", {256, 176, 105, 25},
                      Qt::LeftEdge | Qt::BottomEdge);
    cancelButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancelButton_->setAutoDefault(false);
    places->addPlaced(rootCombo_, "rootCombo", {288, 136, 177, 19},
                      Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    rootCombo_->addItems(roots());
    places->addPlaced(folderTree_, "folderTree", {288, 17, 177, 112},
                      Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath("/");
    folderTree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        folderTree_->hideColumn(column);
    }
    folderTree_->header()->hide();
    places->addPlaced(installImage_, "installImage", {8, 16, 49, 49});
    platform::ShowStoredPicture(installImage_, StoredPath("installation"), "setup");
    installImage_->setAlignment(Qt::AlignCenter);
    installImage_->hide();

    connect(okButton_, &QPushButton::clicked, this, &FolderChoiceDialog::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(rootCombo_, &QComboBox::currentIndexChanged, this, &FolderChoiceDialog::onRootChanged);
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderChoiceDialog::onFolderChosen);
    setTabOrder(folderEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, rootCombo_);
    setTabOrder(rootCombo_, folderTree_);
    platform::DialogFace face;
    face.firstShow = [this] { onFirstShow(); };
    platform::GiveDialogFace(this, std::move(face));
}

QString FolderChoiceDialog::folder() const {
    return folderEdit_->text();
}

QString FolderChoiceDialog::defaultFolder() {
    return QDir::homePath() + "/Orvan";
}

QStringList FolderChoiceDialog::roots() {
    QStringList roots = {"/", QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (IsUserVolume(volume) && !roots.contains(root)) roots.append(root);
    }
    return roots;
}

void FolderChoiceDialog::onFirstShow() {
    const Wording wording = WordingOf(mode_);
    setWindowTitle(tr(wording.caption));
    installImage_->setVisible(wording.installPicture);
    personalImage_->setVisible(!wording.installPicture);
    messageText_->setPlainText(tr(wording.text));
    // The explanation is centred, line by line.
    QTextCursor cursor(messageText_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    // The browser starts at the home folder; the field offers the default folder.
    rootCombo_->setCurrentIndex(1);
    onRootChanged();
    folderEdit_->setText(defaultFolder());
    folderEdit_->setFocus();
}

void FolderChoiceDialog::onRootChanged() {
    const QString root = rootCombo_->currentText();
    if (root.isEmpty()) return;
    // The tree shows the chosen root's folders.
    const QModelIndex index = folders_->index(root);
    folderTree_->setRootIndex(index);
    folderTree_->setCurrentIndex(index);
    folderEdit_->setText(root);
}

void FolderChoiceDialog::onFolderChosen() {
    const QModelIndex index = folderTree_->currentIndex();
    if (index.isValid()) folderEdit_->setText(QDir::cleanPath(folders_->filePath(index)));
}

void FolderChoiceDialog::onOkClicked() {
    const QString path = folderEdit_->text();
    if (path.isEmpty()) {
        accept();
        return;
    }
    if (!QFileInfo(path).isDir()) {
        QDir().mkpath(path);
        if (!QFileInfo(path).isDir()) {
            QMessageBox::information(this, windowTitle(),
                                     tr("Παρουσιάστηκε πρόβλημα κατά τη δημιουργία του "
                                        "φακέλου. Παρακαλώ επιλέξτε άλλο φάκελο"));
            return;
        }
    }
    if (mode_ != FolderDialogMode::Install) {
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
