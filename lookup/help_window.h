// The program's own window for the help page, for a desktop that cannot open the page itself:
// the page with its pictures, its links within the help followed here and the others handed to
// the desktop.
#pragma once

#include <QWidget>
#include <functional>

class QTextBrowser;
class QUrl;

namespace orvan::lookup {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    /// `openOutside` hands a link that is not a page of the help (a web address, a mail) to the
    /// desktop; false when it could not.
    HelpWindow(std::function<bool(const QUrl&)> openOutside, QWidget* parent);

    /// Shows the page of the file `path` from its top, or, when the window is open already,
    /// brings it to the front as the user left it.
    void showPage(const QString& path);

    QTextBrowser* view() const { return view_; }

  private:
    void onLinkClicked(const QUrl& link);
    void onPageChanged();

    std::function<bool(const QUrl&)> openOutside_;
    QTextBrowser* view_;
};

}  // namespace orvan::lookup
