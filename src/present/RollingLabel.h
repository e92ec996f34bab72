#pragma once

#include <QLabel>

namespace lotavo::ui {

// A rolling label of the draw screen: a plain label whose text changes fifty times a second.
// Its glyphs are drawn once per font and colour and then copied, because the toolkit does not
// keep glyphs above 64 pixels, and on a 4K projector the ten rolling names are larger than
// that: drawn anew, they cost ten times the CPU of a tick.
class RollingLabel : public QLabel {
    Q_OBJECT
public:
    explicit RollingLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lotavo::ui
