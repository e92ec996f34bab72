#include "present/TfrmFDWindow.h"

#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/ReadableColour.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace lotavo::ui {

namespace {

constexpr const char* kSection = "FDWindow";
constexpr int kFrame = 5;      // the border that resizes the window
constexpr int kGrabBar = 10;   // the bar at the top that moves it
constexpr int kMinimumWidth = 60;
constexpr int kMinimumHeight = 40;
enum Edge { Left = 1, Right = 2, Top = 4, Bottom = 8 };

QAction* item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

TfrmFDWindow::TfrmFDWindow(IniStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_settings(settings)
{
    setObjectName(QStringLiteral("frmFDWindow"));
    setWindowTitle(QStringLiteral("中奖名单"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // No caret, no keyboard: the draw keys stay with the draw screen.
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    Memo1->viewport()->installEventFilter(this);
    // Slim dark scroll bars, so the list is what catches the eye.
    const QString bars = QStringLiteral(
        "QScrollBar { background: #2a2a2a; margin: 0; }"
        "QScrollBar:vertical { width: 9px; } QScrollBar:horizontal { height: 9px; }"
        "QScrollBar::handle { background: #7a7a7a; border-radius: 4px; }"
        "QScrollBar::handle:vertical { min-height: 20px; } QScrollBar::handle:horizontal { min-width: 20px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
    Memo1->verticalScrollBar()->setStyleSheet(bars);
    Memo1->horizontalScrollBar()->setStyleSheet(bars);

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(30, 255);
    TrackBar1->setTickPosition(QSlider::NoTicks);
    TrackBar1->setFixedHeight(11);
    TrackBar1->setFocusPolicy(Qt::NoFocus);
    TrackBar1->setStyleSheet(QStringLiteral("QSlider::groove:horizontal { height: 3px; background: #808080; }"
                                            "QSlider::handle:horizontal { width: 10px; margin: -4px 0;"
                                            " background: #d0d0d0; border: 1px solid #404040; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrame, kGrabBar, kFrame, kFrame);
    layout->setSpacing(1);
    layout->addWidget(Memo1, 1);
    layout->addWidget(TrackBar1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(item(PopupMenu1, "N2", "设置字体"), &QAction::triggered, this, &TfrmFDWindow::N2Click);
    connect(item(PopupMenu1, "N3", "背景颜色"), &QAction::triggered, this, &TfrmFDWindow::N3Click);
    connect(item(PopupMenu1, "N1", "关闭窗口"), &QAction::triggered, this, &TfrmFDWindow::N1Click);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->exec(Memo1->mapToGlobal(at)); });

    FormCreate();
}

TfrmFDWindow::~TfrmFDWindow() = default;

void TfrmFDWindow::FormCreate()
{
    IniStore& s = m_settings;
    placeOnScreen(QRect(s.readInteger(kSection, "FormLeft", 20), s.readInteger(kSection, "FormTop", 20),
                        s.readInteger(kSection, "FormWidth", 100), s.readInteger(kSection, "FormHeight", 200)));

    QColor back = toQColor(s.readInteger(kSection, "MemoColor", 11));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, readableOn(toQColor(s.readInteger(kSection, "FontColor", 1)), back));
    Memo1->setPalette(palette);
    int size = s.readInteger(kSection, "FontSize", 16);
    Memo1->setFont(storedFont(fromGbk(s.readString(kSection, "FontName", gbk::literal("宋体"))),
                              std::clamp(size > 0 ? size : 16, 4, 400)));

    m_opacity = s.readInteger(kSection, "FDWindowLayere", 200);
    m_followGeometry = true;
    TrackBar1->setValue(m_opacity);
    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmFDWindow::TrackBar1Change);

    // Qt's window opacity is the platform's per-window alpha: honoured where the desktop
    // composites windows, ignored (the window stays opaque) where it does not.
    const QString platform = QGuiApplication::platformName();
    m_canTransparent = platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
                       platform == QLatin1String("cocoa");
    if (m_canTransparent)
        applyOpacity(m_opacity);
}

// A stored place off every screen (a projector no longer attached, values edited by hand)
// is moved onto the nearest screen, and a size larger than that screen is reduced to it.
void TfrmFDWindow::placeOnScreen(QRect stored)
{
    stored.setWidth(std::max(kMinimumWidth, stored.width()));
    stored.setHeight(std::max(kMinimumHeight, stored.height()));
    QScreen* target = QGuiApplication::screenAt(stored.center());
    if (!target) {
        int best = -1;
        for (QScreen* screen : QGuiApplication::screens()) {
            QPoint d = screen->availableGeometry().center() - stored.center();
            int distance = std::abs(d.x()) + std::abs(d.y());
            if (best < 0 || distance < best) {
                best = distance;
                target = screen;
            }
        }
    }
    if (!target) {
        setGeometry(stored);
        return;
    }
    const QRect area = target->availableGeometry();
    QRect placed(stored.topLeft(), stored.size().boundedTo(area.size()));
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
    setGeometry(placed);
}

void TfrmFDWindow::setLines(const QStringList& lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
    Memo1->viewport()->update();
}

void TfrmFDWindow::clear()
{
    Memo1->clear();
}

QStringList TfrmFDWindow::lines() const
{
    QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// A stored opacity beyond 255 is opaque (its low byte could be 0, an invisible window), one
// below 20 is 20, so that the window can always be found again.
void TfrmFDWindow::applyOpacity(int value)
{
    setWindowOpacity(std::clamp(value, 20, 255) / 255.0);
}

void TfrmFDWindow::TrackBar1Change(int position)
{
    m_opacity = position;
    if (m_canTransparent)
        applyOpacity(position);
    m_settings.writeInteger(kSection, "FDWindowLayere", position);
}

void TfrmFDWindow::FormResize()
{
    if (!m_followGeometry || m_dragging)
        return;
    const QRect bounds = geometry();
    m_settings.writeInteger(kSection, "FormHeight", bounds.height());
    m_settings.writeInteger(kSection, "FormWidth", bounds.width());
    m_settings.writeInteger(kSection, "FormLeft", bounds.left());
    m_settings.writeInteger(kSection, "FormTop", bounds.top());
}

void TfrmFDWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TfrmFDWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    FormResize();
}

void TfrmFDWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
}

void TfrmFDWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(60, 60, 60));
    painter.fillRect(QRect(kFrame, 2, width() - 2 * kFrame, kGrabBar - 4), QColor(120, 120, 120));
    painter.setPen(QColor(20, 20, 20));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

int TfrmFDWindow::edgesAt(const QPoint& p) const
{
    int edges = 0;
    if (p.x() < kFrame)
        edges |= Left;
    if (p.x() >= width() - kFrame)
        edges |= Right;
    if (p.y() < 3)
        edges |= Top;
    if (p.y() >= height() - kFrame)
        edges |= Bottom;
    return edges;
}

void TfrmFDWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    int edges = edgesAt(event->position().toPoint());
    // The desktop's own move and resize where it offers them; by hand where it does not.
    if (QWindow* window = windowHandle()) {
        Qt::Edges qtEdges;
        if (edges & Left) qtEdges |= Qt::LeftEdge;
        if (edges & Right) qtEdges |= Qt::RightEdge;
        if (edges & Top) qtEdges |= Qt::TopEdge;
        if (edges & Bottom) qtEdges |= Qt::BottomEdge;
        if (edges ? window->startSystemResize(qtEdges) : window->startSystemMove())
            return;
    }
    m_dragging = true;
    m_dragEdges = edges;
    m_pressedAt = event->globalPosition().toPoint();
    m_startGeometry = geometry();
}

void TfrmFDWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        int edges = edgesAt(event->position().toPoint());
        bool diagonal = ((edges & Left) && (edges & Top)) || ((edges & Right) && (edges & Bottom));
        bool antiDiagonal = ((edges & Right) && (edges & Top)) || ((edges & Left) && (edges & Bottom));
        setCursor(diagonal       ? Qt::SizeFDiagCursor
                  : antiDiagonal ? Qt::SizeBDiagCursor
                  : edges & (Left | Right) ? Qt::SizeHorCursor
                  : edges & (Top | Bottom) ? Qt::SizeVerCursor
                                           : Qt::SizeAllCursor);
        return;
    }
    QPoint delta = event->globalPosition().toPoint() - m_pressedAt;
    QRect r = m_startGeometry;
    if (m_dragEdges == 0) {
        r.translate(delta);
    } else {
        if (m_dragEdges & Left) r.setLeft(std::min(r.left() + delta.x(), r.right() - kMinimumWidth));
        if (m_dragEdges & Right) r.setRight(std::max(r.right() + delta.x(), r.left() + kMinimumWidth));
        if (m_dragEdges & Top) r.setTop(std::min(r.top() + delta.y(), r.bottom() - kMinimumHeight));
        if (m_dragEdges & Bottom) r.setBottom(std::max(r.bottom() + delta.y(), r.top() + kMinimumHeight));
    }
    setGeometry(r);
}

void TfrmFDWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        FormResize();
    }
    giveFocusBack();
}

bool TfrmFDWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease)
        giveFocusBack();
    return QWidget::eventFilter(watched, event);
}

void TfrmFDWindow::giveFocusBack()
{
    if (onGiveFocusBack)
        onGiveFocusBack();
    raise();
}

void TfrmFDWindow::N2Click()
{
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, Memo1->font(), this);
    if (!ok)
        return;
    QColor colour = QColorDialog::getColor(Memo1->palette().color(QPalette::Text), this, QStringLiteral("颜色"));
    QPalette palette = Memo1->palette();
    if (colour.isValid())
        palette.setColor(QPalette::Text, colour);
    Memo1->setPalette(palette);
    Memo1->setFont(font);
    m_settings.writeInteger(kSection, "FontSize", font.pointSize());
    m_settings.writeInteger(kSection, "FontColor", fromQColor(palette.color(QPalette::Text)));
    m_settings.writeString(kSection, "FontName", toGbk(font.family()));
    giveFocusBack();
}

void TfrmFDWindow::N3Click()
{
    QColor colour = QColorDialog::getColor(Memo1->palette().color(QPalette::Base), this, QStringLiteral("背景颜色"));
    if (colour.isValid()) {
        QPalette palette = Memo1->palette();
        palette.setColor(QPalette::Base, colour);
        Memo1->setPalette(palette);
        m_settings.writeInteger(kSection, "MemoColor", fromQColor(colour));
    }
    giveFocusBack();
}

void TfrmFDWindow::N1Click()
{
    m_settings.writeBool(kSection, "Open", false);
    if (onClosedByMenu)
        onClosedByMenu();
    close();
}

}  // namespace lotavo::ui
