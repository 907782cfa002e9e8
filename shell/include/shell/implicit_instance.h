// The holder of a class's one instance, kept only once its Constructor has succeeded: the menu
// bar's. Windows keep none; fw::implicitInstance finds them among the open windows.
#pragma once

#include <memory>

namespace shell {

template <class T>
class ImplicitInstance {
public:
    // The instance, built with T's Constructor when there is none yet. A Constructor that raises
    // leaves the holder empty, so that the next call builds anew from the start.
    std::shared_ptr<T> get()
    {
        if (!instance_) {
            auto fresh = std::make_shared<T>();
            fresh->Constructor();
            instance_ = std::move(fresh);
        }
        return instance_;
    }

    bool empty() const { return !instance_; }

private:
    std::shared_ptr<T> instance_;
};

} // namespace shell
