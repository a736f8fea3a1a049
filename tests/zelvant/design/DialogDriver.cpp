#include "DialogDriver.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

namespace design_test {

using namespace host;

THeadlessBackend& Input() { return *Application->Headless(); }

TPoint CellPoint(const TCustomGrid& grid, Integer col, Integer row) {
  const TRect cell = grid.CellRect(col, row);
  const TPoint origin = grid.WindowOrigin();
  const TRect area = GetParentForm(&grid)->WindowClientArea();
  return Point(origin.X - area.Left + (cell.Left + cell.Right) / 2, origin.Y - area.Top + (cell.Top + cell.Bottom) / 2);
}

void ClickCell(const TCustomGrid& grid, Integer col, Integer row) { Input().Click(CellPoint(grid, col, row)); }
void Click(const std::string& path) { Input().ClickControl(path); }
void Key(Word key, TShiftState shift) { Input().PressKey(key, shift); }

void Handle(TCustomForm& dialog) {
  if (!dialog.Visible()) dialog.Show();
  Application->ProcessMessages();
}

std::vector<std::string> Column(const TStringGrid& grid, Integer col) {
  std::vector<std::string> out;
  for (Integer row = grid.FixedRows(); row < grid.RowCount(); ++row) out.push_back(grid.Cells(col, row));
  return out;
}

std::vector<Integer> Values(const std::vector<std::string>& texts) {
  std::vector<Integer> out;
  for (const std::string& t : texts) out.push_back(StrToInt(t));
  return out;
}

void Picture(TCustomForm& dialog, TBitmap& out) {
  if (!dialog.Visible()) dialog.Show();
  dialog.PaintTo(out);
}

std::string SavePicture(const TBitmap& picture, const std::string& name) {
  const char* dir = std::getenv("ZELVANT_PICTURES_DIR");
  const std::filesystem::path path = std::filesystem::path(dir ? dir : ::testing::TempDir()) / (name + ".png");
  picture.SaveToFile(path.string());
  return path.string();
}

}  // namespace design_test
