#pragma once
// How a script holds a dispatchable object: shared, as COM objects are
// reference-counted, so an object lives as long as anyone holds it.

#include <memory>

namespace tarnix::automation {

class Object;
using ObjectRef = std::shared_ptr<Object>;

}  // namespace tarnix::automation
