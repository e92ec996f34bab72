#include "setup/TextEffectKeys.h"

#include "present/QtText.h"
#include "setup/WizardSettings.h"

namespace lotavo::ui {

void writeTextEffect(WizardSettings& s, const std::string& e, const TextEffect& effect)
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
