#include "app/RehearsalPictures.h"

#include <fstream>

#ifdef LOTAVO_PICTURE_DECODER
#include "present/Pictures.h"
#endif

namespace lotavo {

bool canShowPicture(const std::string& path, std::string& reason)
{
#ifdef LOTAVO_PICTURE_DECODER
    ui::DecodedPicture picture = ui::decodePicture(QString::fromStdString(path));
    if (!picture.ok())
        reason = picture.error.toStdString();
    return picture.ok();
#else
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = "无法打开 " + path;
        return false;
    }
    if (file.peek() == std::ifstream::traits_type::eof()) {
        reason = "空文件 " + path;
        return false;
    }
    return true;
#endif
}

}  // namespace lotavo
