#pragma once

// A visitor made of lambdas, one for each alternative of a std::variant:
// std::visit(Overloaded{[](const A&) {...}, [](const B&) {...}}, value). The
// program visits its display-list entries and its journal steps this way.
namespace calorix {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace calorix
