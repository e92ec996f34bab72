#pragma once

#include <functional>
#include <string>

namespace lotavo::ui {

// Whether an input method framework (ibus, fcitx, fcitx5, scim, uim, hime, gcin) serves this
// program: named by QT_IM_MODULE(S), XMODIFIERS ("@im=ibus") or GTK_IM_MODULE, and its daemon
// running. Composition can swallow the draw keys, so the operator is warned at start.
bool inputMethodActive();

// The same with the environment and the /proc folder given. Use only for testing.
bool inputMethodActive(const std::function<std::string(const char*)>& environment, const std::string& procFolder);

}  // namespace lotavo::ui
