// The vertical scroll bar a grid shows while its rows do not fit. It is a small control
// of its own, made and placed by the grid, so that a general scroll bar can replace it.
#pragma once

#include <functional>

#include "host/controls/Controls.h"

namespace host {

class TGridScrollBar : public TCustomControl {
  HOST_CLASS(TGridScrollBar, TCustomControl)
  TGridScrollBar();

  // Positions run from 0 to Range; PageSize of them are in view at once.
  Integer Position() const { return position_; }
  Integer Range() const { return range_; }
  Integer PageSize() const { return pageSize_; }
  void SetParams(Integer position, Integer range, Integer pageSize);

  // Told of every position the user asks for (already clamped to the range).
  std::function<void(Integer)> OnScroll;

  // Parts of the bar in its own coordinates.
  TRect UpArrowRect() const;
  TRect DownArrowRect() const;
  TRect ThumbRect() const;

  static constexpr Integer kWidth = 16;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override;

 private:
  enum class TPart { None, Up, Down, Thumb };
  Integer ArrowHeight() const;
  void Scroll(Integer position);
  Integer position_ = 0;
  Integer range_ = 0;
  Integer pageSize_ = 1;
  TPart pressed_ = TPart::None;
  Integer grip_ = 0;  // where the thumb was taken, from its top
};

}  // namespace host
