#pragma once

#include <utility>

namespace qvd {

// A stored value with a setter and a getter and no other behaviour: `o.Nome("x")` sets,
// `o.Nome()` reads. A new one holds the type's zero value.
template <class T>
class Propriedade {
 public:
  const T& operator()() const noexcept { return valor_; }
  void operator()(T vData) { valor_ = std::move(vData); }

 private:
  T valor_{};
};

}  // namespace qvd
