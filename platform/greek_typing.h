// Greek typed through the program's own Greek keyboard: the fields it watches turn the keys
// pressed on the desktop's Latin layout into the Greek a Greek keyboard gives at the same places,
// while the program says Greek is typed.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/greek_keymap.h"

class QWidget;

namespace orvan::platform {

class GreekTyping : public QObject {
    Q_OBJECT
  public:
    /// `typesGreek` tells, at each key, whether the fields type Greek now.
    explicit GreekTyping(std::function<bool()> typesGreek, QObject* parent = nullptr);
    ~GreekTyping() override;

    /// The program's Greek keyboard is there (the system has the Greek keyboard description);
    /// loaded at the first call (a few hundredths of a second), or at the first key typed.
    bool available();
    /// The program's Greek keyboard was looked for and is missing.
    bool missing() const { return loaded_ && !keymap_; }
    /// Types Greek into `field` while `typesGreek` says so.
    void watch(QWidget* field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    GreekKeymap* keymap();

    std::function<bool()> typesGreek_;
    std::unique_ptr<GreekKeymap> keymap_;
    bool loaded_ = false;
    bool keyCodesAreXkb_;  // the platform numbers keys as XKB does (X11, Wayland)
    bool sending_ = false;
};

}  // namespace orvan::platform
