#pragma once

#include <QString>

#include <type_traits>
#include <utility>

// The application's default error handler: shows the text of what a handler threw, and the
// program goes on with the state reached so far.
void applicationErrorHandler(const QString& message);

// Runs one user command; whatever it throws stops that command and reaches the default handler,
// so no exception ever crosses Qt code.
template <class F> void runGuarded(F&& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        applicationErrorHandler(QString::fromStdString(e.what()));
    } catch (...) {
        applicationErrorHandler(QStringLiteral("An unexpected error stopped the command."));
    }
}

// Wraps a handler for connect(): the signal's arguments are passed on when the handler takes them.
template <class F> auto guarded(F handler)
{
    return [handler](auto&&... args) {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<F, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    };
}
