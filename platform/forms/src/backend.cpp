#include "platform/forms/backend.h"

#include <utility>

#include "platform/forms/headless.h"

namespace platform {

namespace {
std::shared_ptr<TBackEnd>& Installed() {
  static std::shared_ptr<TBackEnd> backEnd;
  return backEnd;
}
}  // namespace

std::shared_ptr<TBackEnd> SharedBackEnd() {
  if (!Installed()) Installed() = std::make_shared<THeadlessBackEnd>();
  return Installed();
}

TBackEnd& BackEnd() { return *SharedBackEnd(); }

std::shared_ptr<TBackEnd> SetBackEnd(std::shared_ptr<TBackEnd> backEnd) {
  if (!backEnd) backEnd = std::make_shared<THeadlessBackEnd>();
  return std::exchange(Installed(), std::move(backEnd));
}

}  // namespace platform
