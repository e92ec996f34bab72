#include "setup/ChosenPicture.h"

#include "present/CommonDialogs.h"
#include "present/Pictures.h"

namespace lotavo::ui {

bool chosenPictureDecodes(const QString& path)
{
    DecodedPicture picture = decodePicture(path);
    if (picture.ok())
        return true;
    showErrorMessage(QStringLiteral("无法使用此图片:\r\r") + path + QStringLiteral("\r\r") + picture.error);
    return false;
}

}  // namespace lotavo::ui
