#pragma once
// A process-wide function with a default that tests can replace, for the few places where the
// program reaches outside itself (the browser, the modal error box).

#include <functional>
#include <utility>

template <typename Signature> class Hook {
public:
    using Function = std::function<Signature>;

    explicit Hook(Function fallback) : fallback_(std::move(fallback)), current_(fallback_) {}

    template <typename... Args> void operator()(Args&&... args) const { current_(std::forward<Args>(args)...); }

    // Installs a function and returns the one before; an empty function restores the default.
    Function Replace(Function function) {
        Function previous = std::move(current_);
        current_ = function ? std::move(function) : fallback_;
        return previous;
    }

private:
    Function fallback_;
    Function current_;
};
