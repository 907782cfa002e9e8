// A control's event: at most one bound handler, raised by the framework.
#pragma once

#include <functional>
#include <utility>

namespace fw {

template <class Signature>
class Event;

template <class R, class... Args>
class Event<R(Args...)> {
public:
    using Handler = std::function<R(Args...)>;

    void bind(Handler handler) { handler_ = std::move(handler); }
    bool isBound() const { return static_cast<bool>(handler_); }

    // Runs the handler; an unbound event gives R's zero value.
    R raise(Args... args) const
    {
        if (!handler_)
            return R();
        return handler_(std::forward<Args>(args)...);
    }

private:
    Handler handler_;
};

} // namespace fw
