#include "platform/base/file_faults.h"

namespace platform {
namespace {
thread_local TFileFaultInjector* active = nullptr;
}  // namespace

const char* FileCallName(TFileCall call) {
  switch (call) {
    case TFileCall::CreateTemporary: return "create temporary";
    case TFileCall::SetMode: return "set mode";
    case TFileCall::Write: return "write";
    case TFileCall::Flush: return "flush";
    case TFileCall::Close: return "close";
    case TFileCall::Rename: return "rename";
    case TFileCall::OpenFolder: return "open folder";
    case TFileCall::FlushFolder: return "flush folder";
    case TFileCall::Open: return "open";
  }
  return "?";
}

TFileFaultInjector::TFileFaultInjector(int failAt, int error, std::size_t writeChunk)
    : failAt_(failAt), error_(error), writeChunk_(writeChunk), outer_(active) {
  active = this;
}

TFileFaultInjector::~TFileFaultInjector() { active = outer_; }

int TFileFaultInjector::Before(TFileCall call) {
  if (active == nullptr) return 0;
  active->calls_.push_back(call);
  return active->calls_.size() == static_cast<std::size_t>(active->failAt_) ? active->error_ : 0;
}

std::size_t TFileFaultInjector::WriteSize(std::size_t size) {
  if (active == nullptr || active->writeChunk_ == 0) return size;
  return size < active->writeChunk_ ? size : active->writeChunk_;
}

}  // namespace platform
