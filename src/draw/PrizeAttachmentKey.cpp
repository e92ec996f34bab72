#include "draw/PrizeAttachmentKey.h"

namespace lotavo::prize {

std::string attachmentKey(std::string_view prize, Attachment kind)
{
    std::string key(prize.substr(0, kShownNameBytes));
    key += kind == Attachment::Picture ? "PIC" : "WAV";
    return key;
}

}  // namespace lotavo::prize
