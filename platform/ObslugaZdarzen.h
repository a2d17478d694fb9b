#pragma once
// Handlers run inside a net: an error that ends a handler (a floating-point error, a number that
// does not convert, any other std::exception) is shown in the general error box where the handler
// starts, so no exception ever crosses the event loop of the toolkit.
//
//     connect(btnOblicz, &QPushButton::clicked, this, WSieci([this] { btnObliczClick(); }));
#include <exception>
#include <type_traits>
#include <utility>

// Shows the text of the error in the general error box.
void ZglosBladOgolny(const std::exception& blad);
// The same for an error of no known type.
void ZglosNieznanyBlad();

// Runs the handler; an error it throws is reported and ends it there.
template <class Obsluga>
void UruchomWSieci(Obsluga&& obsluga) noexcept
{
    try {
        std::forward<Obsluga>(obsluga)();
    } catch (const std::exception& blad) {
        ZglosBladOgolny(blad);
    } catch (...) {
        ZglosNieznanyBlad();
    }
}

// The handler wrapped for connect(): the arguments of the signal are passed on when the handler
// takes them; a handler without parameters serves a signal with some (clicked(bool)).
template <class Obsluga>
auto WSieci(Obsluga obsluga)
{
    return [obsluga = std::move(obsluga)](auto&&... argumenty) mutable noexcept {
        UruchomWSieci([&] {
            if constexpr (std::is_invocable_v<Obsluga&, decltype(argumenty)...>)
                obsluga(std::forward<decltype(argumenty)>(argumenty)...);
            else
                obsluga();
        });
    };
}
