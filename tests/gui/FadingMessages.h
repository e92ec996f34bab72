#pragma once

#include "present/TMsgForm.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>

namespace lotavo::test {

// The texts of the fading messages open now, oldest first.
inline QStringList fadingMessages()
{
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<ui::TMsgForm*>(widget); form && form->isVisible())
            if (auto* label = form->findChild<QLabel*>(QStringLiteral("lblMsg")))
                texts.append(label->text());
    return texts;
}

}  // namespace lotavo::test
