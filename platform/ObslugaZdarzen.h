#pragma once
// Handlers run inside a net: an error that ends a handler (a floating-point error, a number that
// does not convert, any other std::exception) is shown in the general error box where the handler
// starts, so no exception ever crosses the event loop of the toolkit.
//
//     connect(btnOblicz, &QPushButton::clicked, this, WSieci([this] { btnObliczClick(); }));
#include <concepts>
#include <exception>
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

// The handler wrapped for connect(): the arguments of the signal it takes are passed on. The
// constraint lets connect() drop the trailing arguments the handler does not take (clicked's bool).
template <class Obsluga>
auto WSieci(Obsluga obsluga)
{
    return [obsluga = std::move(obsluga)]<class... Argumenty>(Argumenty&&... argumenty) mutable noexcept
        requires std::invocable<Obsluga&, Argumenty...>
    {
        UruchomWSieci([&] { obsluga(std::forward<Argumenty>(argumenty)...); });
    };
}
