#include "platform/AutomationError.hpp"

#include <cassert>
#include <new>

namespace automation {

std::string standardDescription(int32_t number) {
  switch (number) {
    case errnum::InvalidArgument: return "Invalid procedure call or argument";
    case errnum::Overflow: return "Overflow";
    case errnum::OutOfMemory: return "Out of memory";
    case errnum::SubscriptOutOfRange: return "Subscript out of range";
    case errnum::TypeMismatch: return "Type mismatch";
    case errnum::ObjectNotSet: return "Object variable or With block variable not set";
    case errnum::InvalidUseOfNull: return "Invalid use of Null";
    case errnum::CannotCreateObject: return "ActiveX component can't create object";
    case errnum::MemberNotSupported: return "Object doesn't support this property or method";
    case errnum::AutomationFailure: return "Automation error";
    case errnum::NamedArgumentNotFound: return "Named argument not found";
    case errnum::ArgumentNotOptional: return "Argument not optional";
    case errnum::WrongArgumentCount: return "Wrong number of arguments or invalid property assignment";
    case errnum::DuplicateKey: return "This key is already associated with an element of this collection";
    case errnum::ItemNotFound: return "Item cannot be found in the collection corresponding to the requested name or ordinal.";
    default: return "Application-defined or object-defined error";
  }
}

AutomationError::AutomationError(int32_t number, std::string source, std::string description, int32_t argument)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)),
      argument_(argument) {
  assert(argument >= 0);
}

void raise(int32_t number, std::string description, std::string source) {
  if (description.empty()) description = standardDescription(number);
  throw AutomationError(number, std::move(source), std::move(description));
}

AutomationError currentError() {
  try {
    throw;
  } catch (const AutomationError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return AutomationError(errnum::OutOfMemory, "", standardDescription(errnum::OutOfMemory));
  } catch (const std::exception& e) {
    return AutomationError(errnum::AutomationFailure, "", e.what());
  } catch (...) {
    return AutomationError(errnum::AutomationFailure, "", standardDescription(errnum::AutomationFailure));
  }
}

}  // namespace automation
