#include "automation/native/DispatchFailure.h"

namespace tarnix::automation {

Failure DispatchFailure(DispatchError error) {
  const char16_t* text = u"";
  switch (error) {
    case DispatchError::MemberNotFound: text = u"Member not found"; break;
    case DispatchError::TypeMismatch: text = u"Type mismatch"; break;
    case DispatchError::UnknownName: text = u"Unknown name"; break;
    case DispatchError::Overflow: text = u"Overflow"; break;
    case DispatchError::BadParameterCount: text = u"Invalid number of parameters"; break;
    case DispatchError::InvalidClassString: text = u"Invalid class string"; break;
  }
  return Failure(DispatchNumber(error), text);
}

}  // namespace tarnix::automation
