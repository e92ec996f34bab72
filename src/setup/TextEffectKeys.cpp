#include "setup/TextEffectKeys.h"

#include "present/QtText.h"
#include "setup/WizardSettings.h"

namespace lotavo::ui {

void writeTextEffect(WizardSettings& s, const std::string& e, const TextEffect& effect)
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
