#include "present/TextEffectKeys.h"

#include "present/QtText.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lotavo::ui {

namespace {

int readStrength(const IniStore& s, const std::string& e, const char* key, int current)
{
    return std::clamp(s.readInteger(e, key, current), 0, 255);
}

// A style number past the last style reads as the first one.
int readStyle(const IniStore& s, const std::string& e, const char* key, int current, int last)
{
    int style = s.readInteger(e, key, current);
    return style < 0 || style > last ? 0 : style;
}

template <class Small> Small readClamped(const IniStore& s, const std::string& e, const char* key, Small current)
{
    return static_cast<Small>(std::clamp<int32_t>(s.readInteger(e, key, current), std::numeric_limits<Small>::min(),
                                                  std::numeric_limits<Small>::max()));
}

QColor readColour(const IniStore& s, const std::string& e, const char* key, const QColor& current)
{
    return toQColor(s.readInteger(e, key, fromQColor(current)));
}

}  // namespace

TextEffect readTextEffect(const IniStore& s, const std::string& e, const TextEffect& current)
{
    TextEffect effect = current;
    effect.alpha = readStrength(s, e, "Alpha", current.alpha);
    effect.blur = readStrength(s, e, "Blur", current.blur);
    effect.noise = readStrength(s, e, "Noise", current.noise);
    effect.spray = readStrength(s, e, "Spray", current.spray);
    effect.angle = readClamped<int16_t>(s, e, "Angle", current.angle);
    effect.outline = s.readBool(e, "Outline", current.outline);
    effect.horzMirror = s.readBool(e, "HorzMirror", current.horzMirror);
    effect.vertMirror = s.readBool(e, "VertMirror", current.vertMirror);
    effect.shadow = s.readBool(e, "Shadow", current.shadow);
    effect.shadowAlpha = readStrength(s, e, "ShadowAlpha", current.shadowAlpha);
    effect.shadowBlur = readStrength(s, e, "ShadowBlur", current.shadowBlur);
    effect.shadowColour = readColour(s, e, "ShadowColor", current.shadowColour);
    effect.shadowOffsetX = readClamped<int8_t>(s, e, "ShadowOffsetX", current.shadowOffsetX);
    effect.shadowOffsetY = readClamped<int8_t>(s, e, "ShadowOffsetY", current.shadowOffsetY);
    effect.gradual = s.readBool(e, "Gradual", current.gradual);
    effect.gradualStart = readColour(s, e, "GradualStartColor", current.gradualStart);
    effect.gradualEnd = readColour(s, e, "GradualEndColor", current.gradualEnd);
    effect.gradualStyle = readStyle(s, e, "GradualStyle", current.gradualStyle, 5);
    effect.texture = s.readBool(e, "Texture", current.texture);
    effect.textureMode = readStyle(s, e, "TextureMode", current.textureMode, 3);
    return effect;
}

void writeTextEffect(IniStore& s, const std::string& e, const TextEffect& effect)
{
    writeTextEffectKeys(s, e, effect);
}

}  // namespace lotavo::ui
