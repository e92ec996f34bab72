#pragma once

#include <QString>

namespace lotavo::ui {

// Whether the picture file the operator just chose can be shown. The draw quietly shows
// nothing for a file it cannot decode, long after the choice; this says so now, while the
// operator can still pick another one, and returns false.
bool chosenPictureDecodes(const QString& path);

}  // namespace lotavo::ui
