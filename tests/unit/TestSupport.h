#pragma once
// Small helpers shared by the unit tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "platform/Failure.h"

namespace tarnix::test {

// Runs `call`, which must fail, and returns the Failure it raised.
template <class Call>
Failure FailureOf(Call&& call) {
  try {
    std::forward<Call>(call)();
  } catch (const Failure& failure) {
    return failure;
  }
  ADD_FAILURE() << "the call raised no failure";
  return Failure(0, u"(no failure)");
}

// The failure must be the classic runtime error `error`, with its text.
#define EXPECT_CLASSIC_FAILURE(call, error)                                      \
  do {                                                                           \
    ::tarnix::Failure caught_ = ::tarnix::test::FailureOf([&] { (void)(call); }); \
    ::tarnix::Failure wanted_ = ::tarnix::ClassicFailure(error);                 \
    EXPECT_EQ(caught_.Number(), wanted_.Number());                               \
    EXPECT_EQ(caught_.Description(), wanted_.Description());                     \
  } while (false)

}  // namespace tarnix::test
