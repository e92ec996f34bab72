#include "present/DesignStatusLabel.h"

#include "present/SmoothLabel.h"

#include <QApplication>

namespace lotavo::ui {

SmoothLabel* createDesignStatusLabel(QWidget* parent, QPoint at, QPalette::ColorRole endColour, int shadowAlpha)
{
    auto* label = new SmoothLabel(parent);
    label->setObjectName(QStringLiteral("lblDesignStatus"));
    QFont banner(QStringLiteral("楷体_GB2312"));
    banner.setPixelSize(37);
    banner.setBold(true);
    label->setFont(banner);
    TextEffect gradient;
    gradient.gradual = true;
    gradient.gradualStart = QColor(255, 0, 0);
    gradient.gradualEnd = QApplication::palette().color(endColour);
    gradient.shadow = true;
    gradient.shadowColour = QColor(255, 255, 255);
    gradient.shadowAlpha = shadowAlpha;
    gradient.shadowOffsetX = 1;
    gradient.shadowOffsetY = 1;
    label->setEffect(gradient);
    label->setText(QStringLiteral("设计状态"));
    label->move(at);
    label->hide();
    return label;
}

}  // namespace lotavo::ui
