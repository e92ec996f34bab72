#include "Common.h"

namespace makedata {

void IniFile::set(const std::string& section, const std::string& key, const std::string& value)
{
    Section* target = nullptr;
    for (auto& s : m_sections)
        if (s.name == section)
            target = &s;
    if (!target) {
        m_sections.push_back({section, {}});
        target = &m_sections.back();
    }
    for (auto& kv : target->keys)
        if (kv.first == key) {
            kv.second = value;
            return;
        }
    target->keys.emplace_back(key, value);
}

void IniFile::set(const std::string& section, const std::string& key, int value)
{
    set(section, key, std::to_string(value));
}

void IniFile::save(const QString& path) const
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i)
            lines.emplace_back();
        lines.push_back("[" + m_sections[i].name + "]");
        for (const auto& kv : m_sections[i].keys)
            lines.push_back(kv.first + "=" + kv.second);
    }
    writeGbkLines(path, lines, true);
}

}  // namespace makedata
