#pragma once

#include "present/QtText.h"
#include "present/TextEffect.h"

#include <string>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The text effect of a smoothed label, kept in the settings section named after the label.
// A missing key keeps the value of `current` (the label's effect now); values out of their
// range are brought into it, so a hand-edited file never gives the renderer nonsense.
TextEffect readTextEffect(const IniStore& settings, const std::string& section, const TextEffect& current = {});
void writeTextEffect(IniStore& settings, const std::string& section, const TextEffect& effect);

// Every key of the effect, for any settings writer with writeInteger/writeBool (the store
// itself, or the wizard's copy of it).
template <class Settings> void writeTextEffectKeys(Settings& s, const std::string& e, const TextEffect& effect)
{
    s.writeInteger(e, "Alpha", effect.alpha);
    s.writeInteger(e, "Blur", effect.blur);
    s.writeInteger(e, "Noise", effect.noise);
    s.writeInteger(e, "Spray", effect.spray);
    s.writeInteger(e, "Angle", effect.angle);
    s.writeBool(e, "Outline", effect.outline);
    s.writeBool(e, "HorzMirror", effect.horzMirror);
    s.writeBool(e, "VertMirror", effect.vertMirror);
    s.writeBool(e, "Shadow", effect.shadow);
    s.writeInteger(e, "ShadowAlpha", effect.shadowAlpha);
    s.writeInteger(e, "ShadowBlur", effect.shadowBlur);
    s.writeInteger(e, "ShadowColor", fromQColor(effect.shadowColour));
    s.writeInteger(e, "ShadowOffsetX", effect.shadowOffsetX);
    s.writeInteger(e, "ShadowOffsetY", effect.shadowOffsetY);
    s.writeBool(e, "Gradual", effect.gradual);
    s.writeInteger(e, "GradualStartColor", fromQColor(effect.gradualStart));
    s.writeInteger(e, "GradualEndColor", fromQColor(effect.gradualEnd));
    s.writeInteger(e, "GradualStyle", effect.gradualStyle);
    s.writeBool(e, "Texture", effect.texture);
    s.writeInteger(e, "TextureMode", effect.textureMode);
}

}  // namespace lotavo::ui
