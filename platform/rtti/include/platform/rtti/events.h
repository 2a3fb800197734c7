#pragma once
// Events: a callable that code can assign directly and that the form reader
// can bind to a published method of the form by name. At design time the
// form's code is absent: an event then holds its handler's name only, which
// is written back as it was read and calls nothing.
#include <functional>
#include <string>
#include <utility>

#include "platform/rtti/class_info.h"
#include "platform/base/exceptions.h"

namespace platform {

template <class... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  template <class F, class = std::enable_if_t<std::is_constructible_v<Handler, F>>>
  TEvent(F&& f) : handler_(std::forward<F>(f)) {}  // NOLINT: implicit, like assignment

  // Binds a method of `data` known by its published name.
  void Bind(TObject* data, std::string name, Handler handler) {
    data_ = data;
    name_ = std::move(name);
    handler_ = std::move(handler);
  }
  void Clear() { *this = TEvent(); }

  explicit operator bool() const { return static_cast<bool>(handler_); }
  template <class... CallArgs>
  void operator()(CallArgs&&... args) const {
    if (handler_) handler_(std::forward<CallArgs>(args)...);
  }

  const std::string& MethodName() const { return name_; }
  TObject* Data() const { return data_; }

  TMethod AsMethod() const {
    if (!handler_) return name_.empty() ? TMethod{} : TMethod{data_, name_, {}};
    return TMethod{data_, name_, std::any(handler_)};
  }
  // A method without code keeps its name only. Raises EPropertyError when
  // the method's signature does not fit the event.
  void SetMethod(const TMethod& method) {
    if (!method.Assigned()) {
      Clear();
      data_ = method.Name.empty() ? nullptr : method.Data;
      name_ = method.Name;
      return;
    }
    const Handler* h = std::any_cast<Handler>(&method.Code);
    if (h == nullptr) throw EPropertyError("Method '" + method.Name + "' does not fit the event");
    Bind(method.Data, method.Name, *h);
  }

 private:
  TObject* data_ = nullptr;
  std::string name_;
  Handler handler_;
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace platform
