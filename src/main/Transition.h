#pragma once

#include <QRect>
#include <QRegion>
#include <QString>

namespace lotavo::ui {

// One moment of a transition: the picture is painted into `target`, only inside `clip`,
// with `opacity`, over whatever was there before.
struct TransitionFrame {
    QRegion clip;
    QRect target;
    qreal opacity = 1.0;
};

// The catalogue of transition styles 1..StyleCount of the splash picture: wipes, slides,
// irises, blinds, checkerboards, dissolves, clock sweeps, barn doors, spirals, zooms, fade.
class Transition {
public:
    static constexpr int StyleCount = 150;

    // Styles outside 1..StyleCount are taken as the nearest valid one.
    explicit Transition(int style);

    int style() const { return m_style; }
    // A short English description ("blinds horizontal 8"), for tests and screenshots.
    QString name() const;

    // The frame at `progress` 0 (nothing of the picture shows) to 1 (all of it shows) for a
    // picture of `size` placed at the origin.
    TransitionFrame frame(QSize size, qreal progress) const;

private:
    int m_style;
};

}  // namespace lotavo::ui
