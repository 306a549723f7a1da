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

namespace orvan::setup {

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const char* const kPersonalCaption = "Επιλογή φακέλου για επεξεργασμένα λήμματα";

const char* const kInstallText =
    "Παρακαλώ επιλέξτε το φάκελο του δίσκου σας στον οποίο θα εγκατασταθεί το λεξικό. Άμα "
    "θέλετε να εγκατασταθεί σε νέο φάκελο απλά πληκτρολογήστε τον στο χώρο από κάτω. Σας "
    "προτείνουμε να κρατήσετε το φάκελο που εμφανίζεται. Η διαδικασία της εγκατάστασης θα "
    "δημιουργήσει εικονίδιο για το λεξικό στην επιφάνεια εργασίας.";
const char* const kNullText =
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

QPixmap Picture(const char* name) {
    return QPixmap(QString(":/setup/pictures/%1.png").arg(QString::fromLatin1(name)));
}

}  // namespace

TSelectCustomDirForm::TSelectCustomDirForm(const QString& dirMode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      DirMode(dirMode),
      Image1(new QLabel(this)),
      MsgMemo(new QPlainTextEdit(this)),
      Dir_Edit(new QLineEdit(this)),
      Label1(new QLabel(Text("Φάκελος"), this)),
      BitBtn1(new QPushButton("OK", this)),
      BitBtn2(new QPushButton(Text("Άκυρο"), this)),
      DriveComboBox1(new QComboBox(this)),
      DirectoryListBox1(new QTreeView(this)),
      Image2(new QLabel(this)),
      folders_(new QFileSystemModel(this)) {
    setObjectName("TSelectCustomDirForm");
    setWindowTitle(Text("Επιλογή Φακέλου για Επεξεργασμένα Λήμματα"));
    setFixedSize(477, 218);
    setFont(platform::SansFont(11, false, true));
    const auto place = platform::Place;
    place(Image1, "Image1", {8, 16, 41, 33});
    Image1->setPixmap(Picture("notepad"));
    Image1->setAlignment(Qt::AlignCenter);
    place(MsgMemo, "MsgMemo", {48, 16, 233, 113});
    MsgMemo->setReadOnly(true);
    MsgMemo->setFrameShape(QFrame::NoFrame);
    MsgMemo->setFocusPolicy(Qt::NoFocus);
    MsgMemo->viewport()->setAutoFillBackground(false);
    MsgMemo->setStyleSheet("QPlainTextEdit { background: transparent; }");
    place(Dir_Edit, "Dir_Edit", {64, 136, 209, 21});
    place(Label1, "Label1", {8, 136, 45, 13});
    Label1->adjustSize();
    place(BitBtn1, "BitBtn1", {128, 176, 105, 25});
    BitBtn1->setDefault(true);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    place(BitBtn2, "BitBtn2", {256, 176, 105, 25});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn2->setAutoDefault(false);
    place(DriveComboBox1, "DriveComboBox1", {288, 136, 177, 19});
    DriveComboBox1->addItems(Roots());
    place(DirectoryListBox1, "DirectoryListBox1", {288, 17, 177, 112});
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath("/");
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        DirectoryListBox1->hideColumn(column);
    }
    DirectoryListBox1->header()->hide();
    place(Image2, "Image2", {8, 16, 49, 49});
    Image2->setPixmap(Picture("setup"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->hide();

    connect(BitBtn1, &QPushButton::clicked, this, &TSelectCustomDirForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this,
            &TSelectCustomDirForm::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSelectCustomDirForm::DirectoryListBox1Change);
    setTabOrder(Dir_Edit, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, DriveComboBox1);
    setTabOrder(DriveComboBox1, DirectoryListBox1);
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
    const char* text = nullptr;
    if (DirMode == "INSTALL") {
        setWindowTitle(Text("Επιλογή φακέλου για εγκατάσταση λεξικού"));
        text = kInstallText;
        Image2->show();
        Image1->hide();
    } else if (DirMode == "NULL" || DirMode == "INVALID") {
        setWindowTitle(Text(kPersonalCaption));
        text = DirMode == "NULL" ? kNullText : kInvalidText;
        Image1->show();
        Image2->hide();
    }
    if (text != nullptr) {
        MsgMemo->setPlainText(Text(text));
        // The explanation is centred, line by line.
        QTextCursor cursor(MsgMemo->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
    }
    // The browser starts at the home folder; the field offers the default folder.
    DriveComboBox1->setCurrentIndex(1);
    DriveComboBox1Change();
    Dir_Edit->setText(DefaultFolder());
    Dir_Edit->setFocus();
}

void TSelectCustomDirForm::DriveComboBox1Change() {
    const QString root = DriveComboBox1->currentText();
    if (root.isEmpty()) return;
    // The tree shows the chosen root's folders.
    const QModelIndex index = folders_->index(root);
    DirectoryListBox1->setRootIndex(index);
    DirectoryListBox1->setCurrentIndex(index);
    Dir_Edit->setText(root);
}

void TSelectCustomDirForm::DirectoryListBox1Change() {
    const QModelIndex index = DirectoryListBox1->currentIndex();
    if (index.isValid()) Dir_Edit->setText(QDir::cleanPath(folders_->filePath(index)));
}

void TSelectCustomDirForm::BitBtn1Click() {
    const QString path = Dir_Edit->text();
    if (path.isEmpty()) {
        accept();
        return;
    }
    if (!QFileInfo(path).isDir()) {
        QDir().mkpath(path);
        if (!QFileInfo(path).isDir()) {
            QMessageBox::information(this, windowTitle(),
                                     Text("Παρουσιάστηκε πρόβλημα κατά τη δημιουργία του "
                                          "φακέλου. Παρακαλώ επιλέξτε άλλο φάκελο"));
            return;
        }
    }
    if (DirMode != "INSTALL") {
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
