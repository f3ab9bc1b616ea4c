// No exception may unwind through Qt, which documents that as undefined: what
// Qt calls of the binding (the lambdas its signals reach, event filters and
// handlers) runs through Guarded, which keeps the first failure and ends the
// event loops with status 1.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>

#include <type_traits>

#include "kept_failure.h"

namespace hexling {

// What `handling` returns; where it throws, a value-initialised result, the
// failure kept and the event loops ended with status 1 once they run (also
// where none runs yet).
template <class Handling>
auto Guarded(Handling&& handling) noexcept -> decltype(handling()) {
  try {
    return handling();
  } catch (...) {
    KeepFailure();
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    if constexpr (!std::is_void_v<decltype(handling())>) return {};
  }
}

}  // namespace hexling
