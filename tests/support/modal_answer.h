// Answering the modal dialogs and message boxes a test's action opens: the answer runs inside
// the dialog's own event loop, as soon as the dialog is the active modal widget.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace orvan::test {

/// The name of the pollers that wait for a modal widget, so that those still waiting when a test
/// ends can be found and stopped.
inline const char* const kModalPollerName = "orvan-test-modal-poller";

/// \brief Runs `answer` on the next modal widget that appears (other than `except`).
inline void WhenModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr) {
    auto* poll = new QTimer(qApp);
    poll->setObjectName(QString::fromLatin1(kModalPollerName));
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer), except] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == except || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start(10);
}

/// \brief Stops the pollers still waiting for a modal widget that never came, so that they cannot
/// answer a later test's dialog.
inline void ForgetUnansweredModals() {
    const QString name = QString::fromLatin1(kModalPollerName);
    for (QTimer* poll : qApp->findChildren<QTimer*>(name, Qt::FindDirectChildrenOnly))
        delete poll;
}

/// \brief Answers the next message box with `button`, keeping its text in `text` and its
/// details in `details`.
inline void AnswerMessageBox(QString* text, QMessageBox::StandardButton button = QMessageBox::Ok,
                             QWidget* except = nullptr, QString* details = nullptr) {
    WhenModal(
        [text, button, details](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return;
            if (text != nullptr) *text = box->text();
            if (details != nullptr) *details = box->detailedText();
            if (QAbstractButton* answer = box->button(button)) {
                answer->click();
            } else {
                box->reject();
            }
        },
        except);
}

}  // namespace orvan::test
