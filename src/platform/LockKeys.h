#pragma once

#include <optional>

// The keyboard's lock states as the X server reports them. Where Qt runs without an X
// server (Wayland, offscreen) there is no source, and every state is unknown.
namespace LockKeys {

enum class Key { NumLock, CapsLock, ScrollLock };

std::optional<bool> state(Key key);

}  // namespace LockKeys
