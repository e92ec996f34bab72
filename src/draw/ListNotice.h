#pragma once

#include "draw/DrawHost.h"
#include "draw/ListEncoding.h"

#include <string>

namespace lotavo {

// Tells the operator, once per load, which characters of a list file GBK cannot hold: they
// roll as '?', and the operator should know that before the audience sees it.
void tellUnmappable(DrawHost& host, const std::string& path, const ListDecoding& decoding);

}  // namespace lotavo
