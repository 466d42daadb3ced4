#pragma once

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

namespace dicewright {

// Shows the error to the user and ends the program with a failure status.
void ReportFatalError(std::exception_ptr error);

// Wraps an event handler so that an error it raises is reported before it can reach Qt, which
// cannot carry exceptions through its own code. Every handler of the windows is connected
// through this; no handler catches anything itself.
template <typename Handler>
auto Guarded(Handler handler) {
    return [handler = std::move(handler)]<typename... Args>(
        Args && ... args) requires std::invocable<Handler&, Args...> {
        try {
            std::invoke(handler, std::forward<Args>(args)...);
        } catch (...) {
            ReportFatalError(std::current_exception());
        }
    };
}

}  // namespace dicewright
