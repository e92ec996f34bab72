#include "present/PositionFile.h"

#include "present/QtText.h"
#include "main/settings/IniStore.h"

#include <filesystem>
#include <fstream>

namespace lotavo::ui {

PositionFile::PositionFile(std::string path) : m_path(std::move(path)) {}

bool PositionFile::exists() const
{
    std::error_code error;
    return std::filesystem::is_regular_file(m_path, error);
}

bool PositionFile::remove() const
{
    std::error_code error;
    return std::filesystem::remove(m_path, error);
}

PositionFile::Font PositionFile::readFont() const
{
    IniStore file(m_path);
    Font font;
    font.name = fromGbk(file.readString("Font", "FontName", gbk::literal("宋体")));
    font.size = file.readInteger("Font", "FontSize", 10);
    font.colour = toQColor(file.readInteger("Font", "FontColor", 0));
    font.width = file.readInteger("Font", "FontWidth", 20);
    font.height = file.readInteger("Font", "FontHeight", 20);
    font.lcr = file.readInteger("Font", "LCR", 1);
    return font;
}

PositionFile::Place PositionFile::readPlace(size_t index) const
{
    IniStore file(m_path);
    std::string section = "PC" + std::to_string(index);
    Place place;
    place.name = fromGbk(file.readString(section, "name", section));
    place.left = file.readInteger(section, "left", 5);
    place.top = file.readInteger(section, "top", 5);
    return place;
}

std::string PositionFile::write(const Font& font, const std::vector<Place>& places) const
{
    IniStore file(m_path);
    for (const Place& place : places) {
        std::string section = toGbk(place.name);
        for (const std::string& error : {file.writeString(section, "Name", section),
                                         file.writeInteger(section, "left", place.left),
                                         file.writeInteger(section, "top", place.top)})
            if (!error.empty())
                return error;
    }
    if (!places.empty()) {
        for (const std::string& error : {file.writeInteger("Font", "FontSize", font.size),
                                         file.writeInteger("Font", "FontColor", fromQColor(font.colour)),
                                         file.writeString("Font", "FontName", toGbk(font.name)),
                                         file.writeInteger("Font", "FontWidth", font.width),
                                         file.writeInteger("Font", "FontHeight", font.height),
                                         file.writeInteger("Font", "LCR", font.lcr)})
            if (!error.empty())
                return error;
    }
    if (!exists()) {
        std::ofstream created(m_path, std::ios::binary | std::ios::app);
        if (!created)
            return "cannot create " + m_path;
    }
    return {};
}

}  // namespace lotavo::ui
