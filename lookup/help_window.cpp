#include "lookup/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvan::lookup {

namespace {

// Files the help's own pages are made of; any other file a link names is the desktop's to open.
bool IsHelpPage(const QUrl& target) {
    if (!target.isLocalFile()) return false;
    const QFileInfo file(target.toLocalFile());
    const QString suffix = file.suffix().toLower();
    return file.isFile() && (suffix == "htm" || suffix == "html");
}

}  // namespace

HelpWindow::HelpWindow(std::function<bool(const QUrl&)> openOutside, QWidget* parent)
    : QWidget(parent, Qt::Window), openOutside_(std::move(openOutside)) {
    setObjectName("helpWindow");
    setWindowTitle(tr("Βοήθεια"));
    view_ = new QTextBrowser(this);
    view_->setObjectName("helpView");
    // Every link comes here first: the help's pages are followed in this window, the rest go
    // to the desktop (the view would show a web address as an empty page).
    view_->setOpenLinks(false);
    connect(view_, &QTextBrowser::anchorClicked, this, &HelpWindow::onLinkClicked);
    connect(view_, &QTextBrowser::sourceChanged, this, &HelpWindow::onPageChanged);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    const QScreen* screen = parent != nullptr ? parent->screen() : QApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableSize() : QSize(1024, 768);
    resize(qMin(860, room.width() * 4 / 5), qMin(680, room.height() * 4 / 5));
}

void HelpWindow::showPage(const QString& path) {
    if (!isVisible()) {
        // The pictures and the links of the page are found from the page's own folder.
        view_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()),
                         QTextDocument::HtmlResource);
        view_->moveCursor(QTextCursor::Start);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::onLinkClicked(const QUrl& link) {
    const QUrl target = view_->source().resolved(link);
    if (IsHelpPage(target)) {
        view_->setSource(target, QTextDocument::HtmlResource);
        return;
    }
    if (!openOutside_(target)) QApplication::beep();
}

void HelpWindow::onPageChanged() {
    const QString title = view_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Βοήθεια") : title);
}

}  // namespace orvan::lookup
