// One visitor made of several lambdas, for std::visit over a variant: each
// alternative is handled by the lambda that takes it.
#pragma once

namespace base {

template <class... Cases>
struct Overloaded : Cases... {
  using Cases::operator()...;
};

}  // namespace base
