// Driving the design dialogs as a user does: clicks on buttons and grid cells, keys and
// typed text through the headless backend.
#pragma once

#include <string>
#include <vector>

#include "host/forms/Backend.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/Grids.h"

namespace design_test {

host::THeadlessBackend& Input();

// The point of the form's client area in the middle of a grid cell.
host::TPoint CellPoint(const host::TCustomGrid& grid, host::Integer col, host::Integer row);
// Queues a left click on a grid cell.
void ClickCell(const host::TCustomGrid& grid, host::Integer col, host::Integer row);
// Queues a left click on a control named from the form down.
void Click(const std::string& path);
void Key(host::Word key, host::TShiftState shift = {});
// Shows the dialog (not modally) when it is hidden and handles the queued input.
void Handle(host::TCustomForm& dialog);

// A grid column's texts from the first row that is not fixed.
std::vector<std::string> Column(const host::TStringGrid& grid, host::Integer col);
std::vector<host::Integer> Values(const std::vector<std::string>& texts);

// The dialog's window as a picture (shown and active, as on screen).
void Picture(host::TCustomForm& dialog, host::TBitmap& out);
// Writes a picture into ZELVANT_PICTURES_DIR when it is set, else into the test's
// temporary directory; returns the path.
std::string SavePicture(const host::TBitmap& picture, const std::string& name);

}  // namespace design_test
