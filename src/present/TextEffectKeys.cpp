#include "present/TextEffectKeys.h"

#include "present/QtText.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdint>

namespace lotavo::ui {

TextEffect readTextEffect(const IniStore& s, const std::string& e)
{
    TextEffect effect;
    effect.alpha = std::clamp(s.readInteger(e, "Alpha", 255), 0, 255);
    effect.shadow = s.readBool(e, "Shadow", false);
    effect.shadowColour = toQColor(s.readInteger(e, "ShadowColor", 0));
    effect.shadowAlpha = std::clamp(s.readInteger(e, "ShadowAlpha", 160), 0, 255);
    // One signed byte each.
    effect.shadowOffsetX = static_cast<int8_t>(s.readInteger(e, "ShadowOffsetX", 2));
    effect.shadowOffsetY = static_cast<int8_t>(s.readInteger(e, "ShadowOffsetY", 2));
    effect.gradual = s.readBool(e, "Gradual", false);
    effect.gradualStart = toQColor(s.readInteger(e, "GradualStartColor", 0));
    effect.gradualEnd = toQColor(s.readInteger(e, "GradualEndColor", 0));
    effect.outline = s.readBool(e, "Outline", false);
    return effect;
}

void writeTextEffect(IniStore& s, const std::string& e, const TextEffect& effect)
{
    s.writeInteger(e, "Alpha", effect.alpha);
    s.writeBool(e, "Shadow", effect.shadow);
    s.writeInteger(e, "ShadowColor", fromQColor(effect.shadowColour));
    s.writeInteger(e, "ShadowAlpha", effect.shadowAlpha);
    s.writeInteger(e, "ShadowOffsetX", effect.shadowOffsetX);
    s.writeInteger(e, "ShadowOffsetY", effect.shadowOffsetY);
    s.writeBool(e, "Gradual", effect.gradual);
    s.writeInteger(e, "GradualStartColor", fromQColor(effect.gradualStart));
    s.writeInteger(e, "GradualEndColor", fromQColor(effect.gradualEnd));
    s.writeBool(e, "Outline", effect.outline);
}

}  // namespace lotavo::ui
