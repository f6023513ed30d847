#include "platform/Failure.h"

#include <utility>

namespace tarnix {

Failure::Failure(std::int32_t number, Text description, Text source)
    : number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      what_(ToUtf8(description_)) {}

Failure ClassicFailure(Classic error) {
  const char16_t* text = u"Application-defined or object-defined error";
  switch (error) {
    case Classic::InvalidProcedureCall: text = u"Invalid procedure call or argument"; break;
    case Classic::Overflow: text = u"Overflow"; break;
    case Classic::OutOfMemory: text = u"Out of memory"; break;
    case Classic::SubscriptOutOfRange: text = u"Subscript out of range"; break;
    case Classic::TypeMismatch: text = u"Type mismatch"; break;
    case Classic::BadFileName: text = u"Bad file name or number"; break;
    case Classic::FileNotFound: text = u"File not found"; break;
    case Classic::FileAlreadyExists: text = u"File already exists"; break;
    case Classic::PermissionDenied: text = u"Permission denied"; break;
    case Classic::PathFileAccessError: text = u"Path/File access error"; break;
    case Classic::PathNotFound: text = u"Path not found"; break;
    case Classic::InvalidUseOfNull: text = u"Invalid use of Null"; break;
    case Classic::DuplicateKey:
      text = u"This key is already associated with an element of this collection";
      break;
  }
  return Failure(ClassicNumber(error), text);
}

}  // namespace tarnix
