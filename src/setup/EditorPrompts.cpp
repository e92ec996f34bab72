#include "setup/EditorPrompts.h"

#include "present/CommonDialogs.h"

#include <QFileDialog>

namespace lotavo::ui {

QString EditorPrompts::openFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString EditorPrompts::saveFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

bool EditorPrompts::folder(QWidget* parent, const QString& prompt, QString& path)
{
    return pickFolder(parent, prompt, QString(), path);
}

bool EditorPrompts::text(QWidget* parent, const QString& caption, const QString& prompt, QString& value)
{
    return inputBox(parent, caption, prompt, value);
}

}  // namespace lotavo::ui
