#pragma once

#include <QPixmap>
#include <QToolButton>

namespace lotavo::ui {

// One 25×25 cell of the per-level extras grid: a toggle that shows its state as a picture
// (state 1 set, 0 not set), or a plain picture button that opens a level's list.
class LevelCell : public QToolButton {
public:
    LevelCell(const QString& name, int level, QWidget* parent);

    int level() const { return m_level; }
    int state() const { return m_state; }
    void setState(int state, const QPixmap& picture);
    void setPicture(const QPixmap& picture, const QString& fallbackText);

private:
    int m_level;
    int m_state = 0;
};

}  // namespace lotavo::ui
