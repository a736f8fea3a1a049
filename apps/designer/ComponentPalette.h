// The component palette: a row of page tabs and, for the page shown, a button per
// registered class with its 24 x 24 picture; the arrow button first chooses nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/controls/Controls.h"

namespace designer {

class TComponentPalette : public host::TCustomControl {
  HOST_CLASS(TComponentPalette, host::TCustomControl)
  explicit TComponentPalette(host::TComponent* owner);
  ~TComponentPalette() override;

  static constexpr host::Integer kTabHeight = 22, kButton = 30;

  // Reads the pages and classes from the registry again.
  void Reload();
  const std::vector<std::string>& Pages() const { return pages_; }
  host::Integer PageIndex() const { return page_; }
  void SetPageIndex(host::Integer index);
  // The class whose button is down, or nullptr (the arrow).
  const host::TClassInfo* Chosen() const { return chosen_; }
  void SetChosen(const host::TClassInfo* cls);

  // Where things are, in the palette's coordinates (for a click on them).
  host::TRect TabRect(host::Integer index);
  host::TRect ButtonRect(host::Integer index) const;  // 0 is the arrow
  // The button of a class on the page shown, or -1.
  host::Integer ButtonOf(const std::string& className) const;

  std::function<void(const host::TClassInfo*)> OnChoose;

 protected:
  void Paint() override;
  void MouseDown(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;

 private:
  struct TEntry {
    const host::TClassInfo* Class;
    std::unique_ptr<host::TBitmap> Picture;
  };
  void PaintArrow(host::TCanvas& c, const host::TRect& r);
  std::vector<std::string> pages_;
  std::vector<std::vector<TEntry>> classes_;
  host::Integer page_ = 0;
  const host::TClassInfo* chosen_ = nullptr;
};

}  // namespace designer
