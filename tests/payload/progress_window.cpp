#include "tests/payload/progress_window.h"

#include "frame/program.h"
#include "frame/window.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace test_progress {

std::vector<int32_t> percents;
std::function<frame::EventReply(int32_t percent)> onProgress;

namespace {

constexpr frame::ControlNumber kSelf = 0x06010078;
constexpr frame::ControlNumber kOtherSelf = 0x06010079;

frame::EventReply record(const frame::EventArgs& args) {
  percents.push_back(args[0]);
  return onProgress ? onProgress(args[0]) : frame::EventReply{};
}

const frame::ControlDescription kControls[] = {
    {.name = "ZIP压缩1", .kind = &ui::zipKind, .number = kZip, .parent = kSelf, .left = 0,
     .top = 0, .width = 27, .height = 27, .visible = false},
};
const frame::EventBinding kEvents[] = {{kZip, ui::kProgressEvent, record}};
const frame::WindowDescription kDescription = {
    .number = kWindow, .selfControl = kSelf, .title = "extraction", .left = 0, .top = 0,
    .width = 100, .height = 60, .backColour = 0, .visible = false, .controls = kControls,
    .events = kEvents};

const frame::ControlDescription kOtherControls[] = {
    {.name = "ZIP压缩2", .kind = &ui::zipKind, .number = kOtherZip, .parent = kOtherSelf,
     .left = 0, .top = 0, .width = 27, .height = 27, .visible = false},
};
const frame::EventBinding kOtherEvents[] = {{kOtherZip, ui::kProgressEvent, record}};
const frame::WindowDescription kOtherDescription = {
    .number = kOtherWindow, .selfControl = kOtherSelf, .title = "other", .left = 0, .top = 0,
    .width = 100, .height = 60, .backColour = 0, .visible = false, .controls = kOtherControls,
    .events = kOtherEvents};

}  // namespace

void prepare() {
  static bool loaded = false;
  if (!loaded) {
    const frame::WindowDescription* descriptions[] = {&kDescription, &kOtherDescription};
    frame::initialise(descriptions);
    frame::loadWindow(kDescription);
    frame::loadWindow(kOtherDescription);
    loaded = true;
  }
  percents.clear();
  onProgress = nullptr;
}

}  // namespace test_progress
