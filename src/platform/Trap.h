#pragma once
// The failure trap that every trapping member arms at its start: on a failure
// it stores the description in the object's LastError and raises the same
// failure again. The member's Boolean result is false on that path; the
// automation front delivers false together with the error.

#include <new>
#include <stdexcept>
#include <utility>

#include "platform/Failure.h"

namespace tarnix {

// `lastError` is the object's LastError: anything a Text can be assigned to.
template <class LastError, class Body>
decltype(auto) RunTrapped(LastError& lastError, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (const Failure& failure) {
    lastError = failure.Description();
    throw;
  } catch (const std::bad_alloc&) {
    lastError = ClassicFailure(Classic::OutOfMemory).Description();
    throw ClassicFailure(Classic::OutOfMemory);
  } catch (const std::length_error&) {  // a string or list beyond its size limit
    lastError = ClassicFailure(Classic::OutOfMemory).Description();
    throw ClassicFailure(Classic::OutOfMemory);
  }
}

}  // namespace tarnix
