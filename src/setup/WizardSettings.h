#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class DrawScreenLink;

// The wizard's way to the settings file: every write goes to disk at once and the draw screen
// hears of it, so the screen never shows an older value than the file holds.
class WizardSettings {
public:
    WizardSettings(IniStore& settings, DrawScreenLink& screen);

    IniStore& store() { return m_settings; }
    const IniStore& store() const { return m_settings; }
    DrawScreenLink& screen() { return m_screen; }

    // Text typed by the operator, stored as GBK. Characters GBK cannot hold become '?' and
    // the operator is told which ones, once per field.
    void writeText(std::string_view section, std::string_view key, const QString& text);

    // Values are GBK text.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int32_t readInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Whether the last write reached the file.
    bool lastWriteFailed() const { return m_failing; }

private:
    void after(std::string_view section, std::string_view key, const std::string& error);

    IniStore& m_settings;
    DrawScreenLink& m_screen;
    bool m_failing = false;
    std::string m_warnedKey;  // the field whose unstorable characters were reported last
};

}  // namespace lotavo::ui
