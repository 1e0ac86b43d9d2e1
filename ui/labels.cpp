// Labels (an opaque rectangle with a caption) and transparent labels (the caption alone, drawn
// over whatever lies beneath).
#include <cstring>

#include "frame/control.h"
#include "ui/control_kinds.h"
#include "ui/gdi.h"
#include "ui/transparency.h"

namespace ui {
namespace {

// A font made from a stored 60-byte LOGFONTA record, or none for the default GUI font.
HFONT fontFrom(const frame::FontRecord& record) {
  if (!record.bytes || record.size != sizeof(LOGFONTA)) return nullptr;
  LOGFONTA font;
  std::memcpy(&font, record.bytes, sizeof font);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = static_cast<BYTE>((font.lfPitchAndFamily & 0xF0) | DEFAULT_PITCH);
  return CreateFontIndirectA(&font);
}

class CaptionControl : public frame::Control {
 public:
  CaptionControl(frame::LoadedWindow& window, const frame::ControlDescription& d, HWND parent,
                 bool transparent)
      : Control(window, d), caption_(d.caption), font_(fontFrom(d.font)), transparent_(transparent) {
    const char* className = transparent ? "InstallerTransLabel" : "InstallerLabel";
    registerClass(className);
    createWindow(className, WS_CHILD | WS_CLIPSIBLINGS, transparent ? WS_EX_TRANSPARENT : 0,
                 parent);
  }

  bool readProperty(int number, frame::PropertyValue& value) override {
    if (number != property::caption) return Control::readProperty(number, value);
    value.text = caption_;
    return true;
  }

  bool writeProperty(int number, const frame::PropertyValue& value) override {
    if (number != property::caption) {
      if (!transparent_) return Control::writeProperty(number, value);
      repaintFromBeneath();
      bool written = Control::writeProperty(number, value);
      repaintFromBeneath();
      return written;
    }
    caption_ = value.text;
    SetWindowTextA(hwnd_, caption_.c_str());  // the window text follows the caption
    if (transparent_) repaintFromBeneath();
    else InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
  }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PaintScope scope(hwnd_);
        paint(scope.dc());
        if (!transparent_) redrawTransparentOver(hwnd_, scope.area());
        return 0;
      }
      case WM_SETTEXT:  // keep the system's copy without a repaint of its own
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    return defaultHandling(message, wParam, lParam);
  }

 private:
  void paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    const frame::ControlDescription& d = description();
    if (!transparent_) {
      Brush background(CreateSolidBrush(d.backColour == frame::kNoColour ? GetSysColor(COLOR_BTNFACE)
                                                                          : d.backColour));
      FillRect(dc, &client, background.get());
    }
    Selection font(dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, d.textColour == frame::kNoColour ? GetSysColor(COLOR_WINDOWTEXT) : d.textColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, caption_.c_str(), -1, &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  // The area the label covers is painted again from the topmost ancestor down, then the caption.
  void repaintFromBeneath() {
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    RECT area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

  frame::Text caption_;
  Font font_;
  bool transparent_;
};

frame::Control* createLabel(frame::LoadedWindow& w, const frame::ControlDescription& d, HWND parent) {
  return new CaptionControl(w, d, parent, false);
}

frame::Control* createTransparentLabel(frame::LoadedWindow& w, const frame::ControlDescription& d,
                                       HWND parent) {
  return new CaptionControl(w, d, parent, true);
}

}  // namespace

const frame::ControlKind labelKind{"标签", createLabel, false};
const frame::ControlKind transparentLabelKind{"透明标签", createTransparentLabel, false};

}  // namespace ui
