// The editing of one line of text, shared by the edit box and the combo box's field:
// caret and selection as byte offsets into UTF-8 text, always on code point
// boundaries; keys, typed characters, the clipboard, the mouse, horizontal scrolling
// and painting. The owner keeps the text and hands it in with every call.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/controls/Messages.h"
#include "host/graphics/Graphics.h"

namespace host {

class TLineEditor {
 public:
  TLineEditor();
  ~TLineEditor();

  // What a key or character did.
  enum class TResult { Ignored, Moved, Changed };

  Integer MaxLength = 0;  // in characters; 0: no limit
  bool ReadOnly = false;
  char32_t PasswordChar = 0;  // shown for every character when not 0

  size_t Caret() const { return caret_; }
  size_t SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  size_t SelLength() const { return caret_ < anchor_ ? anchor_ - caret_ : caret_ - anchor_; }
  std::string SelText(const std::string& text) const;
  // Selects length bytes from start (both clamped and moved back to code point starts);
  // the caret goes to the end of the selection.
  void SetSelection(const std::string& text, size_t start, size_t length);
  void SelectAll(const std::string& text) { SetSelection(text, 0, text.size()); }
  // Keeps caret and selection within text after the owner replaced it.
  void Clamp(const std::string& text);

  // Replaces the selection with s (its first line only, cut to MaxLength).
  bool Insert(std::string& text, std::string_view s);
  TResult KeyDown(std::string& text, Word key, TShiftState shift);
  TResult KeyPress(std::string& text, char32_t ch);
  // Mouse in the owner's text area coordinates (x from the area's left).
  void MouseDown(TCanvas& canvas, const std::string& text, Integer x, TShiftState shift);
  void MouseDrag(TCanvas& canvas, const std::string& text, Integer x);

  // The canvas that measures with font (reused; the font is assigned each time).
  TCanvas& Measure(const TFont& font);
  // Scrolls so that the caret shows within width pixels; true when the scroll changed.
  bool ScrollToCaret(TCanvas& canvas, const std::string& text, Integer width);
  Integer ScrollX() const { return scroll_; }
  // The caret's rectangle in the coordinates of the text area.
  TRect CaretRect(TCanvas& canvas, const std::string& text, const TRect& area);
  // Draws the text into area (the brush must have filled it), the selection when
  // showSelection; the caret is the owner's to draw with DrawCaret.
  void Paint(TCanvas& canvas, const TRect& area, const std::string& text, TColor textColor, bool showSelection);
  static void DrawCaret(TCanvas& canvas, const TRect& caret, TColor color);

 private:
  std::string Display(const std::string& text) const;
  size_t DisplayOffset(const std::string& text, size_t offset) const;
  Integer XOf(TCanvas& canvas, const std::string& text, size_t offset) const;
  size_t OffsetAt(TCanvas& canvas, const std::string& text, Integer x) const;
  void MoveTo(size_t offset, bool extend);
  bool DeleteRange(std::string& text, size_t from, size_t to);
  static Integer TextTop(TCanvas& canvas, const TRect& area);

  size_t caret_ = 0;
  size_t anchor_ = 0;
  Integer scroll_ = 0;
  std::unique_ptr<TCanvas> measure_;
};

// UTF-8 and word steps used by the text controls.
size_t PrevCharStart(std::string_view text, size_t offset);
size_t NextCharStart(std::string_view text, size_t offset);
size_t PrevWordStart(std::string_view text, size_t offset);
size_t NextWordStart(std::string_view text, size_t offset);
size_t CharCount(std::string_view text);

}  // namespace host
