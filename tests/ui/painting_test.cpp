// What each kind paints: display modes, labels, transparent labels over what lies beneath, fonts.
#include <gtest/gtest.h>

#include "frame/window.h"
#include "tests/support/child_process.h"
#include "tests/ui/fixtures.h"
#include "tests/ui/test_window.h"
#include "ui/control_kinds.h"

namespace ui_testing {
namespace {

using testing_support::Capture;
using testing_support::colourName;
using testing_support::pumpFor;

constexpr uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF;

class Painting : public KindsTest {};

TEST_F(Painting, PictureBoxesDrawTheirPictureByDisplayMode) {
  struct Case { frame::ControlNumber box; int x, y; uint32_t colour; const char* what; } cases[] = {
      {kTopLeft, 2, 2, kRed, "top-left: the picture at the corner"},
      {kTopLeft, 38, 17, kRed, "top-left: cut off at the right edge"},
      {kTopLeft, 20, 22, kGreen, "top-left: background below the picture's 20 rows"},
      {kStretched, 0, 0, kRed, "stretched: the whole area"},
      {kStretched, 59, 39, kBlue, "stretched: the whole area"},
      {kStretched, 20, 20, kRed, "stretched: left half"},
      {kStretched, 40, 20, kBlue, "stretched: right half"},
      {kCentredSmall, 20, 15, kRed, "centred: at its own size from 20,15"},
      {kCentredSmall, 39, 24, kRed, "centred: to 39,24"},
      {kCentredSmall, 19, 20, kGreen, "centred: background left of it"},
      {kCentredSmall, 40, 20, kGreen, "centred: background right of it"},
      {kCentredSmall, 30, 14, kGreen, "centred: background above it"},
      // 30 x 70 scaled by 50/70 is 21.4 x 50, truncated to 21 x 50 and centred at x 14.
      {kCentredLarge, 14, 0, kRed, "fitted: first column"},
      {kCentredLarge, 34, 49, kRed, "fitted: last column"},
      {kCentredLarge, 13, 25, kGreen, "fitted: background left"},
      {kCentredLarge, 35, 25, kGreen, "fitted: background right"},
      {kUndecodable, 15, 15, kGreen, "undecodable: background only"},
  };
  for (const Case& c : cases) {
    Capture shown = captureClient(hwndOf(c.box));
    EXPECT_TRUE(closeTo(shown.at(c.x, c.y), c.colour))
        << c.what << " at " << c.x << "," << c.y << ": " << colourName(shown.at(c.x, c.y));
  }
  Capture undecodable = captureClient(hwndOf(kUndecodable));
  EXPECT_EQ(count(undecodable, {0, 0, 30, 30}, [](uint32_t p) { return p != kGreen; }), 0);
}

TEST_F(Painting, PageBorderIsOnePixelAndLabelsFillTheirRectangle) {
  Capture page = testing_support::captureWindow(hwndOf(kPage));
  COLORREF frameColour = GetSysColor(COLOR_WINDOWFRAME);
  uint32_t expected = GetRValue(frameColour) << 16 | GetGValue(frameColour) << 8 | GetBValue(frameColour);
  EXPECT_EQ(page.at(0, 100), expected) << colourName(page.at(0, 100));
  EXPECT_EQ(page.at(1, 255), 0x204060u) << colourName(page.at(1, 255));

  Capture label = captureClient(hwndOf(kLabel));
  RECT all{0, 0, 60, 24};
  int background = count(label, all, [](uint32_t p) { return p == 0x00A000; });
  int text = count(label, all, [](uint32_t p) { return closeTo(p, 0xFFFF00, 40); });
  EXPECT_GT(text, 10) << "yellow caption";
  EXPECT_EQ(count(label, all, [](uint32_t p) { return closeTo(p, 0x204060, 8); }), 0) << "opaque";
  EXPECT_GT(background, 60 * 24 / 2);
}

// The transparent label's rectangle in the capture of kUnder: either kUnder's colour or glyphs.
struct OverLabel {
  int glyphs = 0, other = 0;
};
OverLabel inspect(const Capture& under) {
  OverLabel seen;
  for (uint32_t p : under.pixels) {
    if (closeTo(p, 0xFFFFFF, 60)) ++seen.glyphs;
    else if (!closeTo(p, 0xC03030, 100) && !closeTo(p, 0xFFFFFF, 200)) ++seen.other;
  }
  return seen;
}

TEST_F(Painting, TransparentLabelDrawsGlyphsOverWhatLiesBeneath) {
  OverLabel start = inspect(captureClient(hwndOf(kUnder)));
  EXPECT_GT(start.glyphs, 20) << "white glyphs";
  EXPECT_EQ(start.other, 0) << "nothing but the box beneath around them";

  // The box beneath repaints on its own: the glyphs come back over it.
  InvalidateRect(hwndOf(kUnder), nullptr, TRUE);
  pumpFor(200);
  EXPECT_GT(inspect(captureClient(hwndOf(kUnder))).glyphs, 20) << "after the box beneath repainted";
  InvalidateRect(hwndOf(kPage), nullptr, TRUE);
  pumpFor(200);
  EXPECT_GT(inspect(captureClient(hwndOf(kUnder))).glyphs, 20) << "after the page repainted";
}

TEST_F(Painting, TransparentLabelRepaintsFromBeneathWhenItsCaptionOrPlaceChanges) {
  frame::writeText(kWindow, kOverLabel, ui::property::caption, "");
  pumpFor(200);
  EXPECT_EQ(inspect(captureClient(hwndOf(kUnder))).glyphs, 0) << "old caption wiped";

  frame::writeText(kWindow, kOverLabel, ui::property::caption, "WWWW");
  pumpFor(200);
  EXPECT_GT(inspect(captureClient(hwndOf(kUnder))).glyphs, 20);

  // Moved onto the bare page (right of the label "WWW"): the old place shows the box alone.
  frame::writeInteger(kWindow, kOverLabel, frame::property::top, 200);
  pumpFor(200);
  EXPECT_EQ(inspect(captureClient(hwndOf(kUnder))).glyphs, 0) << "old place repainted from beneath";
  Capture page = captureClient(hwndOf(kPage));
  RECT moved{10, 200, 90, 230};
  EXPECT_GT(count(page, moved, [](uint32_t p) { return closeTo(p, 0xFFFFFF, 60); }), 20);
  EXPECT_GT(count(page, moved, [](uint32_t p) { return p == 0x204060; }), 80 * 30 / 2) << "the page around them";

  frame::writeInteger(kWindow, kOverLabel, frame::property::top, 10);
  pumpFor(200);
  EXPECT_GT(inspect(captureClient(hwndOf(kUnder))).glyphs, 20);
}

// Rows holding white ink.
int inkRows(const Capture& capture) {
  int rows = 0;
  for (int y = 0; y < capture.height; ++y)
    rows += count(capture, {0, y, capture.width, y + 1}, [](uint32_t p) { return closeTo(p, 0xFFFFFF, 120); }) > 0;
  return rows;
}

TEST_F(Painting, AFontRecordOfTheWrongLengthGivesTheDefaultGuiFont) {
  Capture byDefault = captureClient(hwndOf(kDefaultFont));
  Capture shortRecord = captureClient(hwndOf(kShortFontRecord));
  Capture record = captureClient(hwndOf(kFontRecord));
  EXPECT_GT(inkRows(byDefault), 4);
  EXPECT_EQ(shortRecord.pixels, byDefault.pixels) << "a 59-byte record is not used";
  EXPECT_GT(inkRows(record), inkRows(byDefault) + 6) << "the 60-byte record's 28-pixel font";
}

}  // namespace
}  // namespace ui_testing
