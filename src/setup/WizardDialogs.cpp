#include "setup/WizardDialogs.h"

#include "present/TfrmTextEffect.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace lotavo::ui {

namespace {

bool chooseFontAndColour(QWidget* parent, QFont& font, QColor& colour)
{
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, parent, QStringLiteral("字体 字号"));
    if (!ok)
        return false;
    font = chosen;
    // Qt's font dialog has no colour; cancelling the colour keeps the old one with the new font.
    QColor picked = QColorDialog::getColor(colour, parent, QStringLiteral("颜色"));
    if (picked.isValid())
        colour = picked;
    return true;
}

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
    dialogs.chooseFont = chooseFontAndColour;
    dialogs.choosePicture = choosePictureFile;
    dialogs.chooseEffect = TfrmTextEffect::edit;
    return dialogs;
}

}  // namespace lotavo::ui
