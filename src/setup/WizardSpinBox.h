#pragma once

#include <QSpinBox>

namespace lotavo::ui {

// The spins of the level rows. They leave the wheel to the scrolling area they sit in: a
// thousand rows are scrolled with the wheel, and a count must not change on the way.
class WizardSpinBox : public QSpinBox {
public:
    explicit WizardSpinBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace lotavo::ui
