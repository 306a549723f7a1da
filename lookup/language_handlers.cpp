// The window's language: which headwords the list shows, how Greek is typed (the desktop's Greek
// layout while the program is active, or the program's own Greek keyboard), and the flag that
// shows and switches it.
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

#include "lookup/lookup_window.h"
#include "platform/greek_typing.h"

namespace orvan::lookup {

void LookupWindow::findKeyboardLayouts() {
    layoutKeeper_ = std::make_unique<platform::LayoutKeeper>(*layouts_);
    if (greekTyping_ == nullptr) {
        greekTyping_ = new platform::GreekTyping([this] { return typesGreekItself(); }, this);
        greekTyping_->watch(c_.searchField);
    }
    // The person leaves the program, or ends it: their layout comes back.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState now) {
                if (now != Qt::ApplicationActive) layoutKeeper_->deactivated();
            });
}

bool LookupWindow::typesGreekItself() const {
    return state_.greekMode() && !layoutKeeper_->hasGreekLayout();
}

void LookupWindow::typeGreekIn(QWidget* field) {
    if (field != nullptr) greekTyping_->watch(field);
}

void LookupWindow::activateInputLayout() {
    layoutKeeper_->languageChanged(state_.greekMode());
}

void LookupWindow::followActivation() {
    if (isActiveWindow()) layoutKeeper_->activated(state_.greekMode());
}

void LookupWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) followActivation();
    QWidget::changeEvent(event);
}

void LookupWindow::setInputLanguage(bool greek) {
    state_.setInputLanguage(greek);
    render();
}

void LookupWindow::showInputLanguage(bool greek) {
    if (flagGreek_ != greek) {
        // A missing flag leaves the button's picture as it was.
        const QString flag = contentPath(greek ? "flaggr.bmp" : "flagen.bmp");
        if (flagGreek_.has_value() && QFileInfo::exists(flag)) {
            const QPixmap picture(flag);
            if (!picture.isNull()) c_.languageButton->setIcon(QIcon(picture));
        }
        flagGreek_ = greek;
    }
    // The hint says how Greek is typed here. The program's own keyboard is read when Greek is
    // chosen, not at every start in English.
    const bool ownKeyboard = greek ? greekTyping_->available() : !greekTyping_->missing();
    QString hint = tr("Επιλογή Γλώσσας");
    if (layoutKeeper_->hasGreekLayout()) {
        hint += QLatin1Char('\n') +
                tr("Τα ελληνικά γράφονται με την ελληνική διάταξη πληκτρολογίου της επιφάνειας "
                   "εργασίας, όσο είναι ενεργό το παράθυρο.");
    } else if (ownKeyboard) {
        hint += QLatin1Char('\n') +
                tr("Τα ελληνικά γράφονται με το ελληνικό πληκτρολόγιο του Orvan: ; για τόνο, "
                   "Shift+; για διαλυτικά, w για τελικό ς.");
    }
    c_.languageButton->setToolTip(hint);
    activateInputLayout();
}

void LookupWindow::onLanguageClicked() {
    state_.switchInputLanguage();
    render();
    c_.searchField->setFocus();
}

}  // namespace orvan::lookup
