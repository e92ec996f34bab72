// Feeds arbitrary bytes to the picture decoder as a JPEG or a GIF file: decoding must never
// crash, and a picture it accepts must have frames of a sane size with a delay each.
#include "FuzzSupport.h"
#include "present/Pictures.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>


// The first byte picks the decoder; the rest follows its signature, which the decoders
// check first, so the fuzzer need not find it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    bool jpeg = data[0] & 1;
    std::string bytes = jpeg ? std::string("\xFF\xD8\xFF", 3) : std::string("GIF89a");
    bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string path = lotavo::fuzz::scratchFolder() + (jpeg ? "/p.jpg" : "/p.gif");
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);

    lotavo::ui::DecodedPicture picture = lotavo::ui::decodePicture(QString::fromStdString(path));
    if (picture.ok() == !picture.error.isEmpty())
        std::abort();
    if (picture.delaysMs.size() != picture.frames.size())
        std::abort();
    for (const QImage& frame : picture.frames)
        if (frame.isNull() || frame.width() > 16384 || frame.height() > 16384 || frame.size() != picture.frames[0].size())
            std::abort();
    return 0;
}
