#include "present/RollingLabel.h"

#include "present/CachedText.h"

#include <QPainter>
#include <QStyle>

namespace lotavo::ui {

RollingLabel::RollingLabel(QWidget* parent) : QLabel(parent) {}

void RollingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    drawCachedText(painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), font(), text(), colour);
}

}  // namespace lotavo::ui
