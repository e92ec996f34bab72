#pragma once

#include <QString>

namespace lotavo::ui {

// The name a key field shows for a Windows virtual-key code; empty for a code without one
// (the code is stored all the same).
QString virtualKeyName(int code);

}  // namespace lotavo::ui
