#pragma once
// A test seam of the file layer. While a TFileFaultInjector lives, every
// system call that WriteFileAtomically makes (creating the temporary,
// setting its mode, each write, flushing it, closing it, the rename, opening
// and flushing the folder) is counted on this thread, and the call numbered
// `failAt` fails with `error` instead of being made, as a full disk or a
// failing device would make it fail. A write chunk makes each write take at
// most that many bytes, as a system may, so that a save makes several writes.
// Without an injector the cost is one thread-local test per call.
#include <cstddef>
#include <vector>

namespace platform {

enum class TFileCall { CreateTemporary, SetMode, Write, Flush, Close, Rename, OpenFolder, FlushFolder, Open };

const char* FileCallName(TFileCall call);

class TFileFaultInjector {
 public:
  // failAt counts from 1; 0 fails nothing and only counts the calls.
  explicit TFileFaultInjector(int failAt = 0, int error = 0, std::size_t writeChunk = 0);
  ~TFileFaultInjector();
  TFileFaultInjector(const TFileFaultInjector&) = delete;
  TFileFaultInjector& operator=(const TFileFaultInjector&) = delete;

  // The calls made so far, in order.
  const std::vector<TFileCall>& Calls() const { return calls_; }
  // Whether the chosen call was reached and failed.
  bool Fired() const { return failAt_ > 0 && calls_.size() >= static_cast<std::size_t>(failAt_); }

  // The file layer asks before each call: 0 to make it, else the error to
  // fail it with.
  static int Before(TFileCall call);
  // How many of `size` bytes the next write may take.
  static std::size_t WriteSize(std::size_t size);

 private:
  int failAt_;
  int error_;
  std::size_t writeChunk_;
  std::vector<TFileCall> calls_;
  TFileFaultInjector* outer_;
};

}  // namespace platform
