#pragma once
// Appends a record built from the constructor arguments to a container list and returns it.
#include <memory>
#include <utility>
#include <vector>

template <typename T, typename... Argumenty>
T& Dodaj(std::vector<std::unique_ptr<T>>& lista, Argumenty&&... argumenty)
{
    lista.push_back(std::make_unique<T>(std::forward<Argumenty>(argumenty)...));
    return *lista.back();
}
