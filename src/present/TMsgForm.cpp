#include "present/TMsgForm.h"

#include "present/QtText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <cstring>
#include <mutex>
#include <vector>

namespace lotavo::ui {

namespace {

constexpr int kWidth = 179;
constexpr int kHeight = 159;
constexpr int kDisplaySeconds = 8;
constexpr int32_t kFrameColour = 0x777777;

struct OpenForms {
    // Recursive: freeing a window under the lock runs its destructor, which takes it again.
    std::recursive_mutex lock;
    std::vector<TMsgForm*> forms;
    bool cleanupHooked = false;
};

OpenForms& openForms()
{
    static OpenForms list;
    return list;
}

QFont songti12()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    return font;
}

QPixmap drawIcon(int style)
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPen white(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap);
    if (style == 0) {
        p.setPen(QPen(QColor(0x9a, 0x10, 0x10), 1));
        p.setBrush(QColor(0xd8, 0x20, 0x20));
        p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        p.setPen(white);
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    } else if (style == 2) {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(30.5, 29);
        triangle.lineTo(1.5, 29);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x9a, 0x78, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xf8, 0xd0, 0x20));
        p.drawPath(triangle);
        p.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 11), QPointF(16, 19.5));
        p.drawPoint(QPointF(16, 24.5));
    } else {
        p.setPen(QPen(QColor(0x10, 0x40, 0x90), 1));
        p.setBrush(QColor(0x20, 0x68, 0xd0));
        p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        p.setPen(white);
        p.drawPoint(QPointF(16, 9.5));
        p.drawLine(QPointF(16, 14.5), QPointF(16, 23));
    }
    return icon;
}

QLabel* iconLabel(QWidget* parent, const char* name, int style)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(9, 9, 32, 32);
    label->setPixmap(drawIcon(style));
    label->hide();
    return label;
}

}  // namespace

TMsgForm::TMsgForm()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWidth, kHeight);
    QScreen* screen = QGuiApplication::primaryScreen();
    move(-300, (screen ? screen->geometry().height() : 0) + 300);

    imgError = iconLabel(this, "imgError", 0);
    imgWarning = iconLabel(this, "imgWarning", 2);
    imgInfo = iconLabel(this, "imgInfo", 1);
    lblIcon = new QLabel(this);
    lblIcon->setObjectName(QStringLiteral("lblIcon"));
    lblIcon->setFont(songti12());
    lblIcon->move(56, 21);
    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setFont(songti12());
    lblMsg->setTextFormat(Qt::PlainText);
    lblMsg->setWordWrap(true);
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMsg->setGeometry(9, 54, 160, 99);

    {
        OpenForms& list = openForms();
        std::lock_guard guard(list.lock);
        list.forms.push_back(this);
        if (!list.cleanupHooked && QCoreApplication::instance()) {
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &TMsgForm::freeAll);
            list.cleanupHooked = true;
        }
    }

    auto makeTimer = [this](const char* name, int interval, void (TMsgForm::*handler)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, handler);
        return timer;
    };
    tmFadeIn = makeTimer("tmFadeIn", 15, &TMsgForm::tmFadeInTimer);
    tmDelay = makeTimer("tmDelay", 1000, &TMsgForm::tmDelayTimer);
    tmFadeOut = makeTimer("tmFadeOut", 25, &TMsgForm::tmFadeOutTimer);
    tmFadeIn->start();
}

TMsgForm::~TMsgForm()
{
    OpenForms& list = openForms();
    std::lock_guard guard(list.lock);
    std::erase(list.forms, this);
}

void TMsgForm::freeAll()
{
    OpenForms& list = openForms();
    std::lock_guard guard(list.lock);
    std::vector<TMsgForm*> forms;
    forms.swap(list.forms);
    for (TMsgForm* form : forms)
        delete form;
}

int TMsgForm::openCount()
{
    OpenForms& list = openForms();
    std::lock_guard guard(list.lock);
    return static_cast<int>(list.forms.size());
}

void TMsgForm::showMessage(const QString& text, int style)
{
    m_message = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lblMsg->setText(shown);
    applyStyle(style);
    m_entryEdge = 3;
    fitText();
    placeAtEntryEdge();
    show();
    tmDelay->setInterval(kDisplaySeconds * 1000);
    paintBackground();
}

void TMsgForm::applyStyle(int style)
{
    m_style = style == 0 || style == 2 ? style : 1;
    imgError->setVisible(m_style == 0);
    imgInfo->setVisible(m_style == 1);
    imgWarning->setVisible(m_style == 2);
    static const char16_t* const words[] = {u"错误", u"提示", u"警告"};
    static const int32_t endColours[] = {0x8080F0, 0xF0E080, 0x80F0E0};
    lblIcon->setText(QString::fromUtf16(words[m_style]));
    lblIcon->adjustSize();
    m_startColour = toQColor(0xFFFFFF);
    m_endColour = toQColor(endColours[m_style]);
}

void TMsgForm::fitText()
{
    QFontMetrics metrics(lblMsg->font());
    int needed = metrics.boundingRect(QRect(0, 0, lblMsg->width(), 0), Qt::TextWordWrap, lblMsg->text()).height();
    int extra = needed - lblMsg->height();
    if (extra <= 0)
        return;
    lblMsg->resize(lblMsg->width(), lblMsg->height() + extra);
    setFixedSize(width(), height() + extra);
}

QRect TMsgForm::workArea() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// Edges are exclusive (right = left + width) as the positions below are counted that way.
void TMsgForm::placeAtEntryEdge()
{
    QRect area = workArea();
    int right = area.x() + area.width();
    int bottom = area.y() + area.height();
    switch (m_entryEdge) {
    case 3:
        move(right - width(), bottom - 1);
        break;
    case 2:
        move(right - width(), area.y() + 1 - height());
        break;
    case 1:
        move(right - 1, (bottom - height()) / 2);
        break;
    default:
        move(area.x() + 1 - width(), (bottom - height()) / 2);
        break;
    }
}

void TMsgForm::paintBackground()
{
    int w = width();
    int h = height();
    QImage image(w, h, QImage::Format_RGB32);
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(0));
    auto channel = [w](int start, int end, int x) { return start + (end - start) * x / w; };
    for (int x = 0; x < w; ++x)
        row[x] = qRgb(channel(m_startColour.red(), m_endColour.red(), x),
                      channel(m_startColour.green(), m_endColour.green(), x),
                      channel(m_startColour.blue(), m_endColour.blue(), x));
    for (int y = 1; y < h; ++y)
        std::memcpy(image.scanLine(y), row, static_cast<size_t>(w) * sizeof(QRgb));
    QPainter painter(&image);
    painter.setPen(toQColor(kFrameColour));
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.end();
    m_background = QPixmap::fromImage(image);
    update();
}

void TMsgForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(0, 0, m_background);
}

void TMsgForm::tmFadeInTimer()
{
    ++m_tick;
    m_step = slideStep(m_tick);
    QRect area = workArea();
    QPoint at = pos();
    int* coordinate = &at.ry();
    int rest = 0;
    int direction = -1;  // the resting place lies toward smaller coordinates
    switch (m_entryEdge) {
    case 3:
        rest = area.y() + area.height() - height();
        break;
    case 2:
        rest = area.y();
        direction = 1;
        break;
    case 1:
        coordinate = &at.rx();
        rest = area.x() + area.width() - width();
        break;
    default:
        coordinate = &at.rx();
        rest = area.x();
        direction = 1;
        break;
    }
    int distance = (rest - *coordinate) * direction;
    if (distance <= 0) {
        tmFadeIn->stop();
        tmDelay->start();
        return;
    }
    *coordinate = distance <= m_step ? rest : *coordinate + direction * m_step;
    move(at);
}

void TMsgForm::tmDelayTimer()
{
    startSlideOut();
}

void TMsgForm::FormClick()
{
    startSlideOut();
}

void TMsgForm::startSlideOut()
{
    tmFadeIn->stop();
    tmDelay->stop();
    tmFadeOut->start();
}

void TMsgForm::tmFadeOutTimer()
{
    if (m_tick > 0)
        --m_tick;
    m_step = slideStep(m_tick);
    QRect area = workArea();
    int x = this->x();
    int y = this->y();
    bool done = false;
    switch (m_entryEdge) {
    case 3:
        y += m_step + 12;
        done = y >= area.y() + area.height() - 5;
        break;
    case 2:
        y -= m_step;
        done = y <= area.y() + 1 - height();
        break;
    case 1:
        x += m_step;
        done = x >= area.x() + area.width() - 2;
        break;
    default:
        x -= m_step;
        done = x <= area.x() + 2 - width();
        break;
    }
    move(x, y);
    if (done) {
        tmFadeOut->stop();
        close();
    }
}

void TMsgForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        FormClick();
}

void TMsgForm::closeEvent(QCloseEvent* event)
{
    tmFadeIn->stop();
    tmDelay->stop();
    tmFadeOut->stop();
    QWidget::closeEvent(event);
}

}  // namespace lotavo::ui
