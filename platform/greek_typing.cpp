#include "platform/greek_typing.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/window_placement.h"

namespace orvan::platform {

namespace {

bool IsGreekLetter(QChar c) {
    const char16_t code = c.unicode();
    return (code >= 0x0370 && code <= 0x03ff) || (code >= 0x1f00 && code <= 0x1fff);
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

}  // namespace

GreekTyping::GreekTyping(std::function<bool()> typesGreek, QObject* parent)
    : QObject(parent),
      typesGreek_(std::move(typesGreek)),
      keyCodesAreXkb_(QGuiApplication::platformName() == QLatin1String("xcb") || OnWayland()) {}

GreekTyping::~GreekTyping() = default;

GreekKeymap* GreekTyping::keymap() {
    if (!loaded_) {
        keymap_ = GreekKeymap::Load();
        loaded_ = true;
    }
    return keymap_.get();
}

bool GreekTyping::available() {
    return keymap() != nullptr;
}

void GreekTyping::watch(QWidget* field) {
    field->installEventFilter(this);
}

bool GreekTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && keymap_) keymap_->forgetPending();
    if (event->type() != QEvent::KeyPress || sending_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!typesGreek_() || keymap() == nullptr) return false;
    GreekKeymap& greek = *keymap_;
    const QString text = key->text();
    const bool printable = text.size() == 1 && text.at(0).isPrint();
    if (!printable || IsGreekLetter(text.at(0)) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // Keys that move, delete or command drop an accent waiting for its letter; Greek typed
        // through a Greek layout of the desktop goes through as it is.
        if (!IsModifierKey(key->key())) greek.forgetPending();
        return false;
    }
    const QChar typed = text.at(0);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    // Caps Lock shows in a letter's case: upper case without Shift, lower case with it.
    const bool capsLock = typed.isLetter() && typed.isUpper() != shift;
    GreekKeymap::Key greekKey;
    if (keyCodesAreXkb_ && key->nativeScanCode() != 0)
        greekKey = greek.press(key->nativeScanCode(), shift, capsLock);
    else if (typed.unicode() < 0x80)
        greekKey = greek.pressLatin(static_cast<char>(typed.unicode()));
    switch (greekKey.outcome) {
        case GreekKeymap::Outcome::Pending:
            return true;
        case GreekKeymap::Outcome::Unknown:
            return false;
        case GreekKeymap::Outcome::Typed:
            break;
    }
    // The field gets the Greek text as if the key had typed it, with its usual signals.
    QKeyEvent greekEvent(QEvent::KeyPress, Qt::Key_unknown, key->modifiers(),
                         QString::fromStdString(greekKey.text), key->isAutoRepeat());
    sending_ = true;
    QCoreApplication::sendEvent(watched, &greekEvent);
    sending_ = false;
    return true;
}

}  // namespace orvan::platform
