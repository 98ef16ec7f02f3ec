// A pause that keeps the windows alive: the event loop runs while a one-shot
// timer counts down, so paints, clicks and keys are handled during the wait.
#pragma once

namespace wl {

class IWaiter {
public:
    virtual ~IWaiter() = default;
    // Returns after about `ms` milliseconds (0 or less: after one pass of pending events).
    virtual void WaitFor(int ms) = 0;
};

// The real pause: a nested QEventLoop ended by QTimer::singleShot.
class TQtWaiter : public IWaiter {
public:
    void WaitFor(int ms) override;
};

} // namespace wl
