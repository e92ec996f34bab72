#include "setup/WizardSpinBox.h"

#include <QWheelEvent>

namespace lotavo::ui {

WizardSpinBox::WizardSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setRange(1, 1000000);
    setFocusPolicy(Qt::StrongFocus);
}

void WizardSpinBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

}  // namespace lotavo::ui
