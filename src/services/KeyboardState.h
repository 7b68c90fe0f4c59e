#pragma once

// Whether a key is held down at this moment. Key codes are the virtual key
// codes the screens test: 16 Shift, 17 Ctrl, 18 Alt.
class KeyboardState {
public:
    enum : int { Shift = 16, Control = 17, Alt = 18 };
    virtual ~KeyboardState() = default;
    virtual bool isKeyDown(int virtualKey) const = 0;
};
