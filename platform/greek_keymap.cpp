#include "platform/greek_keymap.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <optional>

namespace orvan::platform {

namespace {

template <typename T, void (*Free)(T*)>
struct Freed {
    void operator()(T* pointer) const { Free(pointer); }
};
using Context = std::unique_ptr<xkb_context, Freed<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Freed<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Freed<xkb_state, xkb_state_unref>>;
using ComposeTable =
    std::unique_ptr<xkb_compose_table, Freed<xkb_compose_table, xkb_compose_table_unref>>;
using ComposeState =
    std::unique_ptr<xkb_compose_state, Freed<xkb_compose_state, xkb_compose_state_unref>>;

Keymap KeymapOf(xkb_context* context, const char* layout) {
    const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
    return Keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

// Where each printable ASCII character sits on an English (US) keyboard.
struct LatinKey {
    xkb_keycode_t keycode = 0;
    bool shift = false;
};
using LatinKeys = std::array<std::optional<LatinKey>, 128>;

LatinKeys LatinKeysOf(xkb_keymap* us) {
    LatinKeys keys;
    // Lowest key codes first: the main keys before the keypad's.
    for (xkb_keycode_t keycode = xkb_keymap_min_keycode(us); keycode <= xkb_keymap_max_keycode(us);
         ++keycode) {
        for (xkb_level_index_t level = 0; level < 2; ++level) {
            const xkb_keysym_t* symbols = nullptr;
            if (xkb_keymap_key_get_syms_by_level(us, keycode, 0, level, &symbols) != 1) continue;
            const std::uint32_t character = xkb_keysym_to_utf32(symbols[0]);
            if (character < 0x20 || character > 0x7e || keys[character]) continue;
            keys[character] = LatinKey{keycode, level == 1};
        }
    }
    return keys;
}

}  // namespace

struct GreekKeymap::Parts {
    Context context;
    Keymap greek;
    State state;
    ComposeTable composeTable;  // null when the system has none: dead keys then type nothing
    ComposeState compose;
    LatinKeys latinKeys;
    xkb_mod_mask_t shiftMask = 0;
    xkb_mod_mask_t capsMask = 0;
};

std::unique_ptr<GreekKeymap> GreekKeymap::Load() {
    auto parts = std::make_unique<Parts>();
    // The environment's default layout must not take the place of the one named.
    parts->context.reset(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!parts->context) return nullptr;
    xkb_context_set_log_level(parts->context.get(), XKB_LOG_LEVEL_CRITICAL);
    parts->greek = KeymapOf(parts->context.get(), "gr");
    const Keymap us = KeymapOf(parts->context.get(), "us");
    if (!parts->greek || !us) return nullptr;
    parts->state.reset(xkb_state_new(parts->greek.get()));
    if (!parts->state) return nullptr;
    parts->latinKeys = LatinKeysOf(us.get());
    parts->shiftMask = 1u << xkb_keymap_mod_get_index(parts->greek.get(), XKB_MOD_NAME_SHIFT);
    parts->capsMask = 1u << xkb_keymap_mod_get_index(parts->greek.get(), XKB_MOD_NAME_CAPS);
    // The monotonic accents as the system composes them for every UTF-8 language; the Greek
    // language's own table is the polytonic one, without the plain tonos.
    parts->composeTable.reset(xkb_compose_table_new_from_locale(parts->context.get(), "en_US.UTF-8",
                                                                XKB_COMPOSE_COMPILE_NO_FLAGS));
    if (parts->composeTable) {
        parts->compose.reset(
            xkb_compose_state_new(parts->composeTable.get(), XKB_COMPOSE_STATE_NO_FLAGS));
    }
    return std::unique_ptr<GreekKeymap>(new GreekKeymap(std::move(parts)));
}

GreekKeymap::GreekKeymap(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
GreekKeymap::~GreekKeymap() = default;

GreekKeymap::Key GreekKeymap::press(std::uint32_t keycode, bool shift, bool capsLock) {
    xkb_keymap* keymap = parts_->greek.get();
    if (keycode < xkb_keymap_min_keycode(keymap) || keycode > xkb_keymap_max_keycode(keymap))
        return {};
    xkb_state_update_mask(parts_->state.get(), shift ? parts_->shiftMask : 0, 0,
                          capsLock ? parts_->capsMask : 0, 0, 0, 0);
    const xkb_keysym_t symbol = xkb_state_key_get_one_sym(parts_->state.get(), keycode);
    if (symbol == XKB_KEY_NoSymbol) return {};

    xkb_compose_state* compose = parts_->compose.get();
    if (compose != nullptr &&
        xkb_compose_state_feed(compose, symbol) == XKB_COMPOSE_FEED_ACCEPTED) {
        switch (xkb_compose_state_get_status(compose)) {
            case XKB_COMPOSE_COMPOSING:
                return {Outcome::Pending, {}};
            case XKB_COMPOSE_COMPOSED: {
                std::array<char, 64> text{};
                xkb_compose_state_get_utf8(compose, text.data(), text.size());
                xkb_compose_state_reset(compose);
                return {Outcome::Typed, text.data()};
            }
            case XKB_COMPOSE_CANCELLED:
                // An accent on a letter that takes none: the letter alone, as typed.
                xkb_compose_state_reset(compose);
                break;
            case XKB_COMPOSE_NOTHING:
                break;
        }
    }
    std::array<char, 64> text{};
    if (xkb_keysym_to_utf8(symbol, text.data(), text.size()) <= 1) {
        // A dead key without a compose table types nothing either.
        return {};
    }
    return {Outcome::Typed, text.data()};
}

GreekKeymap::Key GreekKeymap::pressLatin(char latin) {
    const auto index = static_cast<unsigned char>(latin);
    if (index >= parts_->latinKeys.size() || !parts_->latinKeys[index]) return {};
    const LatinKey key = *parts_->latinKeys[index];
    return press(key.keycode, key.shift, false);
}

void GreekKeymap::forgetPending() {
    if (parts_->compose) xkb_compose_state_reset(parts_->compose.get());
}

bool GreekKeymap::pending() const {
    return parts_->compose &&
           xkb_compose_state_get_status(parts_->compose.get()) == XKB_COMPOSE_COMPOSING;
}

}  // namespace orvan::platform
