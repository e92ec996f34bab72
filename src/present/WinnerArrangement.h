#pragma once

#include "draw/DrawOptions.h"

#include <QPoint>
#include <QSize>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lotavo {
class IniStore;
}

// Where the winner labels of the pop-up go when no position file exists: a flow of equal
// cells, the size of the widest winner text, filled row by row.
namespace lotavo::ui::arrangement {

struct CellGrid {
    int scLeft = 10;
    int scTop = 10;
    int scLe = 15;      // gap between cells of a row
    int scHang = 15;    // gap between rows
    int allWidth = 0;   // right end of a row
};

// The grid of section frmMainLabel; AllWidth defaults to the screen width less 20.
CellGrid readCellGrid(const IniStore& settings, int screenWidth);

// How many of `lines` winners get a label: the pop-up shows indexes 0..maxNumber.
size_t shownCount(size_t lines, int maxNumber);

// The top-left corner of each of `count` cells. The wrap test comes before the placement,
// so a cell wider than the row leaves the first row empty.
std::vector<QPoint> flowPositions(size_t count, QSize cell, const CellGrid& grid);

// Whether every cell of the flow lies inside `area` (the pop-up).
bool fitsIn(const std::vector<QPoint>& positions, QSize cell, QSize area);

// The flow of a press with more winners than the pop-up holds at the stored font: the font
// is made smaller, and the gaps of the grid with it, until every cell fits on the pop-up,
// but not below kSmallestPixels. A flow that fits at the stored font stays as it is
// (pixelSize 0). `cellAt` gives the cell size at a pixel size (0: the stored font).
struct Flow {
    int pixelSize = 0;
    QSize cell;
    std::vector<QPoint> positions;
};
inline constexpr int kSmallestPixels = 14;
Flow fitFlow(size_t count, const CellGrid& grid, QSize area, int storedPixels,
             const std::function<QSize(int pixelSize)>& cellAt);

// The text whose size gives the cells: the longest entry cut like the pop-up's display text
// and prefixed with the serial number when numbering is on (GBK).
std::string measuringText(std::string_view longestEntry, const DisplayOptions& display, int serialCounter);

// "3Pos.Ini" for level 3, "0Pos.Ini" for the temporary level.
std::string positionFileName(int level);

}  // namespace lotavo::ui::arrangement
