// The application object and the screen cursor.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/forms/application.h"
#include "platform/base/files.h"
#include "platform/forms/screen.h"

using namespace platform;

TEST(Application, ExeNameIsTheRunningExecutable) {
  const std::string exe = Application().ExeName();
  EXPECT_EQ(exe.front(), '/');
  EXPECT_TRUE(FileExists(exe));
  EXPECT_EQ(ExtractFileName(exe), "platform_tests");
}

TEST(Application, ProcessMessagesRunsQueuedWorkInOrderIncludingWorkItQueues) {
  std::vector<int> done;
  Application().QueueWork([&] {
    done.push_back(1);
    Application().QueueWork([&] { done.push_back(3); });
  });
  Application().QueueWork([&] { done.push_back(2); });
  Application().ProcessMessages();
  EXPECT_EQ(done, (std::vector<int>{1, 2, 3}));
  Application().ProcessMessages();  // nothing left
  EXPECT_EQ(done.size(), 3u);
}

TEST(Application, OwnsTopLevelComponentsInIndexOrder) {
  const int before = Application().ComponentCount();
  auto* a = new TComponent(&Application());
  auto* b = new TComponent(&Application());
  EXPECT_EQ(Application().Components(before), a);
  EXPECT_EQ(Application().Components(before + 1), b);
  a->Free();
  b->Free();
  EXPECT_EQ(Application().ComponentCount(), before);
}

TEST(Screen, CursorScopeRestoresOnEveryExit) {
  Screen().SetCursor(crDefault);
  try {
    TCursorScope busy(crHourGlass);
    EXPECT_EQ(Screen().Cursor(), -11);
    throw std::runtime_error("fails half-way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Screen().Cursor(), crDefault);
}
