#include "present/PictureRoller.h"

#include "present/Pictures.h"

#include <QThread>

#include <algorithm>

namespace lotavo::ui {

namespace {

// Room for a few hundred pictures of a small area, a few dozen of a full-screen one.
constexpr qint64 kCacheBytes = 192LL * 1024 * 1024;
// Beyond this many decodes waiting, a new wish waits for the next tick: the queue never
// runs away from a roll that asks faster than the decoders can go.
constexpr int kMostPending = 24;

}  // namespace

PictureRoller::PictureRoller(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, 3));
    // The draw screen paints and takes keys first.
    m_pool.setThreadPriority(QThread::LowPriority);
}

PictureRoller::~PictureRoller()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PictureRoller::setSize(QSize size)
{
    if (size == m_size)
        return;
    m_size = size;
    ++m_generation;
    m_pool.clear();
    m_ready.clear();
    m_age.clear();
    m_pending.clear();
    m_bytes = 0;
}

const QImage* PictureRoller::picture(const QString& path)
{
    auto it = m_ready.constFind(path);
    if (it == m_ready.constEnd())
        return nullptr;
    m_age.removeOne(path);
    m_age.append(path);
    return &it.value();
}

void PictureRoller::prepare(const QString& path)
{
    if (path.isEmpty() || m_ready.contains(path) || m_failed.contains(path) || m_pending.contains(path) ||
        m_pending.size() >= kMostPending || !m_size.isValid())
        return;
    m_pending.insert(path);
    quint64 generation = m_generation;
    QSize size = m_size;
    m_pool.start([this, generation, size, path] {
        DecodedPicture decoded = decodePictureAt(path, size);
        QImage image = decoded.ok() ? decoded.frames.front() : QImage();
        QMetaObject::invokeMethod(
            this, [this, generation, path, image] { finished(generation, path, image); }, Qt::QueuedConnection);
    });
}

void PictureRoller::finished(quint64 generation, const QString& path, const QImage& image)
{
    if (generation != m_generation)
        return;
    m_pending.remove(path);
    if (image.isNull()) {
        m_failed.insert(path);
        emit decoded(path, false);
        return;
    }
    m_ready.insert(path, image);
    m_age.append(path);
    m_bytes += image.sizeInBytes();
    evict();
    emit decoded(path, true);
}

void PictureRoller::evict()
{
    while (m_bytes > kCacheBytes && m_age.size() > 1) {
        QString oldest = m_age.takeFirst();
        m_bytes -= m_ready.take(oldest).sizeInBytes();
    }
}

}  // namespace lotavo::ui
