#include "present/PlacedLabel.h"

#include <QLabel>

namespace lotavo::ui {

QLabel* placedLabel(QWidget* parent, const QString& text, int left, int top)
{
    auto* caption = new QLabel(text, parent);
    caption->move(left, top);
    caption->adjustSize();
    return caption;
}

}  // namespace lotavo::ui
