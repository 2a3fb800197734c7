#pragma once
// The framework's exception hierarchy. Every error the platform raises is an
// Exception; callers catch the narrowest class they can handle.
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define LXV_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
  }

LXV_DECLARE_EXCEPTION(EConvertError, Exception);    // bad number, date or pattern
LXV_DECLARE_EXCEPTION(EListError, Exception);       // index out of range
LXV_DECLARE_EXCEPTION(EStringListError, EListError);
LXV_DECLARE_EXCEPTION(EComponentError, Exception);  // bad or duplicate name
LXV_DECLARE_EXCEPTION(EPropertyError, Exception);   // unknown property, wrong kind
LXV_DECLARE_EXCEPTION(EStreamError, Exception);
LXV_DECLARE_EXCEPTION(EFOpenError, EStreamError);   // a file cannot be opened
LXV_DECLARE_EXCEPTION(EFCreateError, EStreamError); // a file cannot be created or replaced
LXV_DECLARE_EXCEPTION(EWriteError, EStreamError);
LXV_DECLARE_EXCEPTION(EFilerError, EStreamError);
LXV_DECLARE_EXCEPTION(EReadError, EFilerError);     // malformed form data
LXV_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
LXV_DECLARE_EXCEPTION(EInvalidOperation, Exception);
LXV_DECLARE_EXCEPTION(EInvalidCast, Exception);     // an object is not of the class asked for

#undef LXV_DECLARE_EXCEPTION

}  // namespace platform
