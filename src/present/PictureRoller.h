#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

namespace lotavo::ui {

// Decodes the pictures of the picture draw ahead, at the size the picture area shows them,
// on worker threads. The draw screen only takes what is ready: the roll never waits.
class PictureRoller : public QObject {
    Q_OBJECT
public:
    explicit PictureRoller(QObject* parent = nullptr);
    ~PictureRoller() override;

    // Pictures decoded at another size are forgotten.
    void setSize(QSize size);
    QSize size() const { return m_size; }

    // The picture once decoded, else null.
    const QImage* picture(const QString& path);
    bool failed(const QString& path) const { return m_failed.contains(path); }
    // Asks for the picture to be decoded, unless it is ready, failed or on its way.
    void prepare(const QString& path);

signals:
    void decoded(const QString& path, bool ok);

private:
    void finished(quint64 generation, const QString& path, const QImage& image);
    void evict();

    QThreadPool m_pool;
    QSize m_size;
    quint64 m_generation = 0;
    QHash<QString, QImage> m_ready;
    QStringList m_age;  // ready pictures, least recently shown first
    QSet<QString> m_pending;
    QSet<QString> m_failed;
    qint64 m_bytes = 0;
};

}  // namespace lotavo::ui
