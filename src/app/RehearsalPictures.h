#pragma once

#include <string>

namespace lotavo {

// Whether the draw screen could show a picture of the picture draw; `reason` says why not.
// Built with the windows, it decodes the file as the screen does; without them it can only
// see that the file opens and is not empty.
bool canShowPicture(const std::string& path, std::string& reason);

}  // namespace lotavo
