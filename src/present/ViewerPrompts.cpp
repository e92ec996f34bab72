#include "present/ViewerPrompts.h"

#include <QFileDialog>
#include <QFontDialog>

namespace lotavo::ui {

QString ViewerPrompts::openFileName(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, QStringLiteral("文本文件 (*.txt)"));
}

QString ViewerPrompts::saveFileName(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent);
}

bool ViewerPrompts::chooseFont(QWidget* parent, QFont& font)
{
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

}  // namespace lotavo::ui
