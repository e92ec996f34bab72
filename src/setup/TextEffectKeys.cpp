#include "setup/TextEffectKeys.h"

#include "setup/WizardSettings.h"

namespace lotavo::ui {

void writeTextEffect(WizardSettings& s, const std::string& e, const TextEffect& effect)
{
    writeTextEffectKeys(s, e, effect);
}

}  // namespace lotavo::ui
