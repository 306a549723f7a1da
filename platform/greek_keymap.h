// The program's own Greek keyboard: typing Greek where the desktop offers no Greek layout (or
// cannot switch to it, as on Wayland). Keys are read as on a Greek keyboard, by their place: the
// `gr` layout of the system's keyboard descriptions (xkb-data), with its dead keys for tonos and
// dialytika composed through the system's compose table. Plain C++ over libxkbcommon.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace orvan::platform {

class GreekKeymap {
  public:
    /// What a key press gives.
    enum class Outcome {
        Typed,    ///< `text` is what the key types
        Pending,  ///< a dead key (tonos, dialytika) waiting for its letter: nothing to type yet
        Unknown,  ///< the key types nothing on the Greek keyboard: let it through as it is
    };
    struct Key {
        Outcome outcome = Outcome::Unknown;
        std::string text;  ///< UTF-8, when Typed
    };

    /// \brief The Greek keyboard of the system's keyboard descriptions; null when they (or the
    /// Greek layout in them) are missing, and the program then offers no Greek keyboard of its own.
    static std::unique_ptr<GreekKeymap> Load();
    ~GreekKeymap();
    GreekKeymap(const GreekKeymap&) = delete;
    GreekKeymap& operator=(const GreekKeymap&) = delete;

    /// \brief The key with XKB key code `keycode` (as X11 and Wayland number keys), pressed with
    /// Shift and Caps Lock as given.
    Key press(std::uint32_t keycode, bool shift, bool capsLock);
    /// \brief The key that types the Latin character `latin` on an English (US) keyboard, for
    /// key presses that come without a key code: the same place on the Greek keyboard, in the
    /// same case. A character that no US key types gives Unknown.
    Key pressLatin(char latin);
    /// Forgets a dead key waiting for its letter (the field lost the focus, Backspace).
    void forgetPending();
    /// A dead key is waiting for its letter.
    bool pending() const;

  private:
    struct Parts;
    explicit GreekKeymap(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

}  // namespace orvan::platform
