#include "present/Pictures.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

namespace lotavo::ui {

namespace {

QImage scaledFrame(const QImage& frame, QSize size)
{
    // A palette picture (the pop-up backgrounds) scales ten times faster, and smoother, in
    // true colour.
    QImage::Format format = frame.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return frame.convertToFormat(format).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    m_animation = new QTimer(this);
    m_animation->setSingleShot(true);
    connect(m_animation, &QTimer::timeout, this, &PictureView::nextFrame);
}

bool PictureView::load(const QString& path, QString* error)
{
    DecodedPicture picture;
    QImage scaled;
    bool preloaded = false;
    if (m_preloaded.valid()) {
        Preloaded result = m_preloaded.get();
        if (path == m_preloadPath) {
            picture = std::move(result.picture);
            scaled = std::move(result.scaled);
            preloaded = true;
        }
    }
    if (!preloaded)
        picture = decodePicture(path);
    if (!picture.ok()) {
        clear();
        if (error)
            *error = picture.error;
        return false;
    }
    setPicture(std::move(picture));
    m_fileName = path;
    if (!scaled.isNull()) {
        m_prepared = QPixmap::fromImage(scaled);
        m_preparedKey = m_picture.frames.front().cacheKey();
    }
    return true;
}

void PictureView::preload(const QString& path, QSize target)
{
    m_preloadPath = path;
    m_preloaded = std::async(std::launch::async, [path, target] {
        Preloaded preloaded {decodePicture(path), QImage()};
        if (preloaded.picture.ok() && !target.isEmpty())
            preloaded.scaled = scaledFrame(preloaded.picture.frames.front(), target);
        return preloaded;
    });
}

void PictureView::setPicture(DecodedPicture picture)
{
    m_cacheValid = false;
    m_animation->stop();
    m_picture = std::move(picture);
    m_frame = 0;
    m_fileName.clear();
    if (m_picture.frames.size() > 1 && m_picture.delaysMs.size() >= m_picture.frames.size())
        m_animation->start(m_picture.delaysMs.front());
    update();
}

void PictureView::clear()
{
    setPicture({});
}

QSize PictureView::pictureSize() const
{
    return m_picture.frames.empty() ? QSize() : m_picture.frames.front().size();
}

void PictureView::setStretch(bool stretch)
{
    m_cacheValid = false;
    m_stretch = stretch;
    update();
}

void PictureView::setCentered(bool centered)
{
    m_centered = centered;
    update();
}

void PictureView::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    update();
}

void PictureView::nextFrame()
{
    m_cacheValid = false;
    if (m_picture.frames.size() < 2)
        return;
    m_frame = (m_frame + 1) % m_picture.frames.size();
    m_animation->start(m_picture.delaysMs[m_frame]);
    update();
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    m_cacheValid = false;
    QWidget::resizeEvent(event);
}

const QPixmap& PictureView::shownPixmap()
{
    if (!m_cacheValid) {
        const QImage& frame = m_picture.frames[m_frame];
        if (m_stretch && m_frame == 0 && m_prepared.size() == size() && m_preparedKey == frame.cacheKey())
            m_cached = m_prepared;
        else
            m_cached = QPixmap::fromImage(m_stretch ? scaledFrame(frame, size()) : frame);
        m_prepared = QPixmap();
        m_cacheValid = true;
    }
    return m_cached;
}

void PictureView::prepare(QSize target)
{
    if (!m_stretch || m_picture.frames.empty() || target.isEmpty())
        return;
    QImage frame = m_picture.frames.front();
    QPointer<PictureView> self(this);
    QThreadPool::globalInstance()->start([self, frame, target] {
        QImage scaled = scaledFrame(frame, target);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, frame, scaled] {
            // Kept only while the view still shows that picture.
            if (self && !self->m_picture.frames.empty() && self->m_picture.frames.front().cacheKey() == frame.cacheKey()) {
                self->m_prepared = QPixmap::fromImage(scaled);
                self->m_preparedKey = frame.cacheKey();
            }
        }, Qt::QueuedConnection);
    });
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QRect area = event->rect();
    if (m_background.isValid())
        painter.fillRect(area, m_background);
    if (m_picture.frames.empty())
        return;
    const QPixmap& pixmap = shownPixmap();
    QPoint at;
    if (!m_stretch && m_centered)
        at = QPoint((width() - pixmap.width()) / 2, (height() - pixmap.height()) / 2);
    QRect target = area.intersected(QRect(at, pixmap.size()));
    painter.drawPixmap(target, pixmap, target.translated(-at));
}

}  // namespace lotavo::ui
