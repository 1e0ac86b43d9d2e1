#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "frame/events.h"
#include "frame/program.h"
#include "frame/window.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"
#include "ui/control_kinds.h"

namespace {

constexpr frame::WindowNumber kWindow = 0x52010077;
constexpr frame::ControlNumber kSelf = 0x06010077;
constexpr frame::ControlNumber kLabel = 0x16010001;
constexpr frame::ControlNumber kNoisy = 0x16010002;

struct Call {
  int32_t event;
  DWORD thread;
  frame::EventArgs args;
};
std::vector<Call> calls;

template <int32_t event>
frame::EventReply record(const frame::EventArgs& args) {
  calls.push_back({event, GetCurrentThreadId(), args});
  return {true, event * 10};
}

// A control that raises an event while it is being created, that is while its window loads.
const frame::ControlKind noisyKind{
    "noisy",
    [](frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent) {
      frame::Control* control = ui::labelKind.create(window, d, parent);
      frame::raiseEvent(kWindow, kNoisy, 3);
      return control;
    },
    false};

const frame::ControlDescription kControls[] = {
    {.name = "label", .kind = &ui::labelKind, .number = kLabel, .parent = kSelf, .left = 0,
     .top = 0, .width = 50, .height = 20, .visible = true, .caption = "x"},
    {.name = "noisy", .kind = &noisyKind, .number = kNoisy, .parent = kSelf, .left = 0,
     .top = 20, .width = 50, .height = 20, .visible = true, .caption = "y"},
};

const frame::EventBinding kEvents[] = {
    {kSelf, 0, record<0>},
    {kLabel, 1, record<1>},
    {kLabel, frame::mouse_event::leftDown, record<-1>},
    {kNoisy, 3, record<3>},
};

const frame::WindowDescription kDescription = {
    .number = kWindow, .selfControl = kSelf, .title = "events", .left = 0, .top = 0,
    .width = 100, .height = 60, .backColour = 0, .visible = true, .controls = kControls,
    .events = kEvents};

DWORD WINAPI raiseFromWorker(LPVOID threadId) {
  *static_cast<DWORD*>(threadId) = GetCurrentThreadId();
  frame::raiseEvent(kWindow, kLabel, 1, {7});
  return 0;
}

class EventDelivery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const frame::WindowDescription* descriptions[] = {&kDescription};
    frame::initialise(descriptions);
    frame::loadWindow(kDescription);
  }
  void SetUp() override { calls.clear(); }
};


TEST_F(EventDelivery, CallsTheBoundHandlerAtOnceOnTheRaisingThreadWithUpToFiveArguments) {
  frame::EventReply reply = frame::raiseEvent(kWindow, kLabel, 1, {1, 2, 3, 4, 5, 6});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].thread, GetCurrentThreadId());
  EXPECT_EQ(calls[0].args.count, 5);
  EXPECT_EQ(calls[0].args[4], 5);
  EXPECT_TRUE(reply.hasValue);
  EXPECT_EQ(reply.value, 10);

  DWORD workerThread = 0;
  HANDLE worker = CreateThread(nullptr, 0, raiseFromWorker, &workerThread, 0, nullptr);
  WaitForSingleObject(worker, 5000);
  CloseHandle(worker);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].thread, workerThread) << "no hand-over to the UI thread";
  EXPECT_EQ(calls[1].args[0], 7);
}

TEST_F(EventDelivery, UnboundEventsAreIgnored) {
  frame::EventReply reply = frame::raiseEvent(kWindow, kLabel, 2);
  EXPECT_FALSE(reply.hasValue);
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDelivery, EventsAreDroppedWhileAHoldIsAlive) {
  {
    frame::EventHold hold;
    frame::raiseEvent(kWindow, kLabel, 1);
  }
  EXPECT_TRUE(calls.empty());
  frame::raiseEvent(kWindow, kLabel, 1);
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(EventDelivery, MousePressReachesTheHandlerWithClientPositionAndKeyState) {
  HWND label = frame::findWindow(kWindow)->control(kLabel)->hwnd();
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 7));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].event, -1);
  EXPECT_EQ(calls[0].args.count, 3);
  EXPECT_EQ(calls[0].args[0], 12);
  EXPECT_EQ(calls[0].args[1], 7);
  EXPECT_EQ(calls[0].args[2], 0);
}

}  // namespace

// The order of what happened at load time, checked in a process of its own.
CHILD_SCENARIO(loadOrder) {
  calls.clear();
  const frame::WindowDescription* descriptions[] = {&kDescription};
  frame::initialise(descriptions);
  frame::loadWindow(kDescription);
  bool onlyCreation = calls.size() == 1 && calls[0].event == 0;
  return onlyCreation ? 0 : 10 + static_cast<int>(calls.size());
}

CHILD_SCENARIO(stoppedForGood) {
  const frame::WindowDescription* descriptions[] = {&kDescription};
  frame::initialise(descriptions);
  frame::loadWindow(kDescription);
  calls.clear();
  frame::stopEventsForGood();
  frame::raiseEvent(kWindow, kLabel, 1);
  return static_cast<int>(calls.size());
}

CHILD_SCENARIO(unknownControl) {
  const frame::WindowDescription* descriptions[] = {&kDescription};
  frame::initialise(descriptions);
  frame::loadWindow(kDescription);
  frame::raiseEvent(kWindow, 0x16019999, 1);
  return 0;
}

CHILD_SCENARIO(unknownWindow) {
  frame::raiseEvent(0x52019999, kLabel, 1);
  return 0;
}

namespace {

TEST(EventDrops, OnlyTheCreationEventComesThroughWhileLoading) {
  auto child = testing_support::ChildProcess::scenario("loadOrder");
  EXPECT_EQ(child.wait(), 0u);
}

TEST(EventDrops, NothingIsDeliveredOnceEventsStopForGood) {
  auto child = testing_support::ChildProcess::scenario("stoppedForGood");
  EXPECT_EQ(child.wait(), 0u);
}

TEST(EventDrops, AnEventOfAnUnknownWindowOrControlIsARunTimeError) {
  struct Case { const char* scenario; const char* message; } cases[] = {
      {"unknownControl", "未找到引发事件的窗口组件"}, {"unknownWindow", "未找到引发事件的窗口"}};
  for (const Case& c : cases)
    testing_support::expectRunTimeError(c.scenario, std::string("运行时出错!\r\n\r\n错误信息：") + c.message + "\r\n");
}

}  // namespace
