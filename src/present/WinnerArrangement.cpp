#include "present/WinnerArrangement.h"

#include "draw/DisplayText.h"
#include "main/settings/IniStore.h"

#include <algorithm>

namespace lotavo::ui::arrangement {

CellGrid readCellGrid(const IniStore& settings, int screenWidth)
{
    CellGrid grid;
    grid.scLeft = settings.readInteger("frmMainLabel", "Sc_Left", 10);
    grid.scTop = settings.readInteger("frmMainLabel", "Sc_Top", 10);
    grid.scLe = settings.readInteger("frmMainLabel", "Sc_Le", 15);
    grid.scHang = settings.readInteger("frmMainLabel", "Sc_Hang", 15);
    grid.allWidth = settings.readInteger("frmMainLabel", "AllWidth", screenWidth - 20);
    return grid;
}

size_t shownCount(size_t lines, int maxNumber)
{
    if (maxNumber < 0)
        return 0;
    return std::min(lines, static_cast<size_t>(maxNumber) + 1);
}

std::vector<QPoint> flowPositions(size_t count, QSize cell, const CellGrid& grid)
{
    std::vector<QPoint> positions;
    positions.reserve(count);
    int x = grid.scLeft;
    int y = grid.scTop;
    for (size_t i = 0; i < count; ++i) {
        if (x + cell.width() > grid.allWidth) {
            x = grid.scLeft;
            y += cell.height() + grid.scHang;
        }
        positions.emplace_back(x, y);
        x += cell.width() + grid.scLe;
    }
    return positions;
}

bool fitsIn(const std::vector<QPoint>& positions, QSize cell, QSize area)
{
    return std::all_of(positions.begin(), positions.end(), [&](QPoint at) {
        return at.x() + cell.width() <= area.width() && at.y() + cell.height() <= area.height();
    });
}

namespace {

// The gaps were chosen for the stored font; at a smaller font they shrink in proportion, so
// that the smaller block keeps the look of the design instead of spreading apart.
CellGrid scaledGaps(const CellGrid& grid, int pixelSize, int storedPixels)
{
    CellGrid scaled = grid;
    scaled.scLe = grid.scLe * pixelSize / storedPixels;
    scaled.scHang = grid.scHang * pixelSize / storedPixels;
    return scaled;
}

}  // namespace

Flow fitFlow(size_t count, const CellGrid& grid, QSize area, int storedPixels,
             const std::function<QSize(int pixelSize)>& cellAt)
{
    Flow stored {0, cellAt(0), {}};
    stored.positions = flowPositions(count, stored.cell, grid);
    if (fitsIn(stored.positions, stored.cell, area) || storedPixels <= kSmallestPixels)
        return stored;

    auto flowAt = [&](int pixelSize) {
        Flow flow {pixelSize, cellAt(pixelSize), {}};
        flow.positions = flowPositions(count, flow.cell, scaledGaps(grid, pixelSize, storedPixels));
        return flow;
    };
    // Smaller cells never need more room, so the largest size that fits is found by halving.
    int low = kSmallestPixels;
    int high = storedPixels - 1;
    Flow best = flowAt(low);
    if (!fitsIn(best.positions, best.cell, area))
        return best;
    while (low < high) {
        int middle = (low + high + 1) / 2;
        Flow flow = flowAt(middle);
        if (fitsIn(flow.positions, flow.cell, area)) {
            low = middle;
            best = std::move(flow);
        } else {
            high = middle - 1;
        }
    }
    return best;
}

std::string measuringText(std::string_view longestEntry, const DisplayOptions& display, int serialCounter)
{
    std::string text(longestEntry);
    if (display.showOnly) {
        text = display.showOnlyPop ? display::select(text, display.popShowStrP, display.popShowStrO)
                                   : display::select(text, display.showStrP, display.showStrO);
    }
    if (display.serialNumber)
        text = std::to_string(serialCounter) + display.space + text;
    return text;
}

std::string positionFileName(int level)
{
    return std::to_string(level) + "Pos.Ini";
}

}  // namespace lotavo::ui::arrangement
