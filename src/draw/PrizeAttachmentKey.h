#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lotavo::prize {

// The bytes of a prize name the winner pop-up shows with the columns the setup wizard sets
// for the prize draw: bytes 7 to 36 of an entry, after its six-digit code.
constexpr size_t kShownNameBytes = 30;

enum class Attachment { Picture, Sound };

// The key of section CreateAw that holds a prize's picture ("PIC") or sound ("WAV") file:
// the prize as the pop-up shows it, at most kShownNameBytes of it. The prize creator stores
// under it and the prize draw and the pop-up look up under it, so a longer name still finds
// its files. GBK bytes.
std::string attachmentKey(std::string_view prize, Attachment kind);

}  // namespace lotavo::prize
