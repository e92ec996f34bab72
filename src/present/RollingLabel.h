#pragma once

#include <QLabel>

namespace lotavo::ui {

// A rolling label of the draw screen: a plain label whose text changes fifty times a second,
// drawn from cached glyphs (see CachedText.h): on a 4K projector ten names drawn anew at
// every tick cost ten times the CPU.
class RollingLabel : public QLabel {
    Q_OBJECT
public:
    explicit RollingLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lotavo::ui
