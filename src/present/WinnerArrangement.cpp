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
