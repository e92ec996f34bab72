#include "setup/WizardScrollBox.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace lotavo::ui {

WizardScrollBox::WizardScrollBox(QWidget* parent) : QScrollArea(parent), m_content(new QWidget)
{
    // The content follows the view's width; its minimum height is the scroll range.
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(m_content);
}

void WizardScrollBox::setRange(int height)
{
    m_content->setMinimumHeight(height);
}

int WizardScrollBox::range() const
{
    return m_content->minimumHeight();
}

void WizardScrollBox::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}

int WizardScrollBox::position() const
{
    return verticalScrollBar()->value();
}

void WizardScrollBox::wheelEvent(QWheelEvent* event)
{
    m_wheelRest += event->angleDelta().y();
    int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    // Turning the wheel down (negative delta) moves the view down.
    verticalScrollBar()->setValue(verticalScrollBar()->value() - 3 * notches);
    event->accept();
}

}  // namespace lotavo::ui
