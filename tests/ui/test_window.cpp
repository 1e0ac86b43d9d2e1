#include "tests/ui/test_window.h"

#include <memory>

#include "frame/program.h"
#include "tests/support/child_process.h"
#include "tests/support/mouse.h"
#include "tests/ui/fixtures.h"
#include "ui/control_kinds.h"

namespace ui_testing {

std::vector<Call> calls;

namespace {

using frame::ControlDescription;
using frame::rgb;

template <frame::ControlNumber control, int32_t event>
frame::EventReply record(const frame::EventArgs& args) {
  calls.push_back({control, event, args});
  return {};
}

constexpr LOGFONTA kTallFont = {-28, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, ""};
constexpr uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF;
const uint8_t kNoPicture[] = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5, 6, 7, 8};

struct Pictures {
  PictureFile topLeft{jpeg(60, 20, kRed)}, split{jpeg(20, 10, kRed, kBlue)},
      small{jpeg(20, 10, kRed)}, tall{jpeg(30, 70, kRed)}, undecodable{kNoPicture},
      green{jpeg(60, 30, kGreen)}, blue{jpeg(60, 30, kBlue)}, red{jpeg(60, 30, kRed)};
};

ControlDescription at(frame::ControlNumber number, const frame::ControlKind& kind, Place p,
                      frame::ControlNumber parent = kPage) {
  return {.name = "", .kind = &kind, .number = number, .parent = parent, .left = p.left,
          .top = p.top, .width = p.width, .height = p.height, .visible = true};
}

const Place kPlaces[] = {
    {0, 0, 300, 260},                                       // page
    {10, 10, 80, 30},    {10, 10, 80, 30},                  // over label, under
    {100, 10, 60, 24},                                      // label
    {170, 10, 120, 36},  {170, 50, 120, 36}, {170, 90, 120, 36},  // fonts
    {10, 50, 40, 30},    {60, 50, 60, 40},   {10, 100, 60, 40}, {80, 100, 50, 50},
    {140, 100, 30, 30},                                     // display modes, undecodable
    {10, 170, 60, 30},   {80, 170, 60, 30},  {150, 170, 40, 30},  // buttons
    {10, 230, 200, 10},                                     // progress bar
};

std::vector<ControlDescription> controls;

const frame::EventBinding kEvents[] = {
    {kPage, frame::mouse_event::leftDown, record<kPage, frame::mouse_event::leftDown>},
    {kLabel, frame::mouse_event::leftDown, record<kLabel, frame::mouse_event::leftDown>},
    {kLabel, frame::mouse_event::leftUp, record<kLabel, frame::mouse_event::leftUp>},
    {kLabel, frame::mouse_event::move, record<kLabel, frame::mouse_event::move>},
    {kButton, frame::mouse_event::leftUp, record<kButton, frame::mouse_event::leftUp>},
    {kButton, 0, record<kButton, 0>},
};

frame::WindowDescription description;

void describe(const Pictures& p) {
  using namespace ui;
  auto place = [](frame::ControlNumber n) { return placeOf(n); };
  ControlDescription page = at(kPage, pictureBoxKind, place(kPage), kSelf);
  page.backColour = rgb(0x204060);
  page.border = frame::Border::singleLine;
  controls.push_back(page);

  ControlDescription over = at(kOverLabel, transparentLabelKind, place(kOverLabel));
  over.textColour = rgb(0xFFFFFF);
  over.caption = "WWWW";
  controls.push_back(over);
  ControlDescription under = at(kUnder, pictureBoxKind, place(kUnder));
  under.backColour = rgb(0xC03030);
  controls.push_back(under);

  ControlDescription label = at(kLabel, labelKind, place(kLabel));
  label.backColour = rgb(0x00A000);
  label.textColour = rgb(0xFFFF00);
  label.caption = "WWW";
  label.cursor = frame::Cursor::hand;
  controls.push_back(label);

  const frame::FontRecord fonts[] = {{}, {&kTallFont, sizeof kTallFont - 1}, {&kTallFont, sizeof kTallFont}};
  for (int i = 0; i < 3; ++i) {
    frame::ControlNumber number = kDefaultFont + i;
    ControlDescription font = at(number, labelKind, place(number));
    font.backColour = rgb(0x000000);
    font.textColour = rgb(0xFFFFFF);
    font.caption = "Ag";
    font.font = fonts[i];
    controls.push_back(font);
  }

  struct Mode { frame::ControlNumber number; frame::DisplayMode mode; const PictureFile* picture; } modes[] = {
      {kTopLeft, frame::DisplayMode::topLeft, &p.topLeft},
      {kStretched, frame::DisplayMode::stretched, &p.split},
      {kCentredSmall, frame::DisplayMode::centred, &p.small},
      {kCentredLarge, frame::DisplayMode::centred, &p.tall},
      {kUndecodable, frame::DisplayMode::stretched, &p.undecodable},
  };
  for (const Mode& m : modes) {
    ControlDescription box = at(m.number, pictureBoxKind, place(m.number));
    box.backColour = rgb(kGreen);
    box.displayMode = m.mode;
    box.picture = m.picture->array();
    controls.push_back(box);
  }

  ControlDescription button = at(kButton, pictureButtonKind, place(kButton));
  button.pictures[0] = p.green.array();
  button.pictures[1] = p.blue.array();
  button.pictures[2] = p.red.array();
  controls.push_back(button);
  ControlDescription badHot = at(kButtonBadHot, pictureButtonKind, place(kButtonBadHot));
  badHot.pictures[0] = p.green.array();
  badHot.pictures[1] = p.undecodable.array();
  controls.push_back(badHot);
  ControlDescription none = at(kButtonNoPicture, pictureButtonKind, place(kButtonNoPicture));
  none.pictures[0] = p.undecodable.array();
  controls.push_back(none);

  ControlDescription progress = at(kProgress, progressBarKind, place(kProgress));
  progress.border = frame::Border::staticEdge;
  progress.smooth = true;
  controls.push_back(progress);

  description = {.number = kWindow, .selfControl = kSelf, .title = "kinds", .left = 0, .top = 0,
                 .width = 302, .height = 262, .backColour = 0, .visible = true,
                 .controls = controls, .events = kEvents};
}

}  // namespace

Place placeOf(frame::ControlNumber control) { return kPlaces[control - kPage]; }

HWND hwndOf(frame::ControlNumber control) { return frame::findWindow(kWindow)->control(control)->hwnd(); }

POINT pointIn(frame::ControlNumber control, int x, int y) {
  return testing_support::onScreen(hwndOf(control), x, y);
}

void KindsTest::SetUpTestSuite() {
  if (frame::findWindow(kWindow)) return;
  static Pictures pictures;  // the description points into them for the life of the process
  describe(pictures);
  const frame::WindowDescription* descriptions[] = {&description};
  frame::initialise(descriptions);
  frame::loadWindow(description);
  SetWindowPos(frame::windowHandle(kWindow), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  testing_support::pumpFor(300);
}

void KindsTest::SetUp() {
  testing_support::moveMouseTo({700, 100});  // away from every control
  calls.clear();
}

}  // namespace ui_testing
