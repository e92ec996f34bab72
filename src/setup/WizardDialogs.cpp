#include "setup/WizardDialogs.h"

#include "present/FontChooser.h"
#include "present/TfrmTextEffect.h"

#include <QFileDialog>

namespace lotavo::ui {

namespace {

QString choosePictureFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("增加奖品图片"), QString(),
        QStringLiteral("图片文件 (*.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.gif *.GIF *.png *.PNG);;"
                       "JPEG图片 (*.jpg *.JPG *.jpeg *.JPEG);;BMP图片 (*.bmp *.BMP);;"
                       "GIF动画格式(*.GIF *.gif);;所有文件 (*)"));
}

}  // namespace

WizardDialogs WizardDialogs::standard()
{
    WizardDialogs dialogs;
    dialogs.chooseFont = [](QWidget* parent, QFont& font, QColor& colour) {
        return chooseFontAndColour(parent, font, colour, QStringLiteral("字体 字号"));
    };
    dialogs.choosePicture = choosePictureFile;
    dialogs.chooseEffect = TfrmTextEffect::edit;
    return dialogs;
}

}  // namespace lotavo::ui
