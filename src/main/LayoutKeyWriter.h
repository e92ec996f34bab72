#pragma once

#include "present/TextEffect.h"

#include <QColor>
#include <QFont>

#include <string>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// Several keys of the draw screen's settings written as one change; the first failure is
// reported once, when the writer goes.
class LayoutKeyWriter {
public:
    explicit LayoutKeyWriter(IniStore& store) : m_store(store) {}
    ~LayoutKeyWriter();
    LayoutKeyWriter(const LayoutKeyWriter&) = delete;
    LayoutKeyWriter& operator=(const LayoutKeyWriter&) = delete;

    void text(const char* section, const std::string& key, const std::string& value);
    void number(const char* section, const std::string& key, int value);
    void flag(const char* section, const std::string& key, bool value);
    // `<label>Size`, `Color`, `Name` and `FontStyle` in the layout section.
    void font(const std::string& label, const QFont& font, const QColor& colour);
    // Every key of the effect section `section`.
    void effect(const std::string& section, const TextEffect& effect);

private:
    void keep(std::string failure);

    IniStore& m_store;
    std::string m_error;
};

}  // namespace lotavo::ui
