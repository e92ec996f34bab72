#include "setup/ProgressWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lotavo::ui {

namespace {

int g_showDelay = 300;
int g_appearances = 0;
// Repainting more often than this only slows the work down.
constexpr qint64 kPumpEveryMs = 40;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& text, bool cancellable)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("请稍候"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    lblText = new QLabel(text, this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setVisible(!text.isEmpty());
    layout->addWidget(lblText);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMinimumWidth(300);
    layout->addWidget(ProgressBar1);
    if (cancellable) {
        btnCancel = new QPushButton(QStringLiteral("取消"), this);
        btnCancel->setObjectName(QStringLiteral("btnCancel"));
        layout->addWidget(btnCancel, 0, Qt::AlignRight);
        connect(btnCancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    }
    m_clock.start();
}

void ProgressWindow::setMaximum(int maximum)
{
    ProgressBar1->setRange(0, maximum);
}

void ProgressWindow::setPosition(int position)
{
    ProgressBar1->setValue(position);
}

void ProgressWindow::setText(const QString& text)
{
    lblText->setText(text);
    lblText->setVisible(!text.isEmpty());
}

void ProgressWindow::pump(bool withInput)
{
    qint64 now = m_clock.elapsed();
    if (!isVisible() && now >= g_showDelay) {
        show();
        ++g_appearances;
    }
    if (now - m_lastPump < kPumpEveryMs && !withInput)
        return;
    m_lastPump = now;
    QCoreApplication::processEvents(withInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

ToolProgress ProgressWindow::progress()
{
    return [this](size_t done, size_t total) {
        // The bar runs from 0 to n - 1, in steps Qt's int can hold for any list size.
        int maximum = total > 0 ? static_cast<int>(std::min<size_t>(total - 1, 1000000)) : 0;
        int position = total > 1 ? static_cast<int>(static_cast<double>(done) * maximum / static_cast<double>(total)) : 0;
        setMaximum(std::max(maximum, 1));
        setPosition(position);
        pump();
    };
}

void ProgressWindow::setShowDelay(int milliseconds)
{
    g_showDelay = milliseconds;
}

int ProgressWindow::appearances()
{
    return g_appearances;
}

}  // namespace lotavo::ui
