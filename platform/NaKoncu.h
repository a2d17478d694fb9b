#pragma once
// Runs its action when the scope ends, also when an exception leaves it.
#include <functional>
#include <utility>

class NaKoncu {
public:
    explicit NaKoncu(std::function<void()> akcja) : akcja_(std::move(akcja)) {}
    ~NaKoncu() { akcja_(); }
    NaKoncu(const NaKoncu&) = delete;
    NaKoncu& operator=(const NaKoncu&) = delete;

private:
    std::function<void()> akcja_;
};
