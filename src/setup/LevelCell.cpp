#include "setup/LevelCell.h"

namespace lotavo::ui {

LevelCell::LevelCell(const QString& name, int level, QWidget* parent) : QToolButton(parent), m_level(level)
{
    setObjectName(name);
    setFixedSize(25, 25);
    setIconSize(QSize(25, 25));
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
}

void LevelCell::setState(int state, const QPixmap& picture)
{
    m_state = state;
    setPicture(picture, state ? QStringLiteral("√") : QString());
}

void LevelCell::setPicture(const QPixmap& picture, const QString& fallbackText)
{
    // Without the picture file the cell still shows what it holds.
    if (picture.isNull()) {
        setIcon(QIcon());
        setText(fallbackText);
    } else {
        setText(QString());
        setIcon(QIcon(picture));
    }
}

}  // namespace lotavo::ui
