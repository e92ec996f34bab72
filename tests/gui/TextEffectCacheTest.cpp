// Pictures of effect texts kept on disk between runs: found again only for exactly the same
// drawing, never read from a damaged file, and the folder does not grow without end.
#include "present/TextEffectCache.h"
#include "present/TextEffectRenderer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lotavo;
using ui::TextEffect;
using ui::TextEffectCache;

namespace {

QFont titleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    return font;
}

TextEffect shadowed()
{
    TextEffect effect;
    effect.shadow = true;
    effect.shadowBlur = 40;
    return effect;
}

QByteArray keyFor(const QString& text, const TextEffect& effect = shadowed(), qreal ratio = 1)
{
    return TextEffectCache::keyOf(text, titleFont(), Qt::red, effect, QString(), ratio);
}

QImage drawn(const QString& text, qreal ratio = 1)
{
    return ui::TextEffectRenderer::render(text, titleFont(), Qt::red, shadowed(), QImage(), ratio);
}

QStringList picturesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("*.pic")}, QDir::Files);
}

}  // namespace

class TextEffectCacheTest : public QObject {
    Q_OBJECT
private slots:
    void aStoredPictureComesBackPixelForPixel()
    {
        QTemporaryDir dir;
        TextEffectCache cache(dir.path());
        for (qreal ratio : {1.0, 2.0}) {
            const QByteArray key = keyFor(QStringLiteral("年终抽奖大会"), shadowed(), ratio);
            QVERIFY(cache.find(key).isNull());
            const QImage picture = drawn(QStringLiteral("年终抽奖大会"), ratio);
            cache.store(key, picture);
            const QImage found = cache.find(key);
            QCOMPARE(found.size(), picture.size());
            QCOMPARE(found.devicePixelRatio(), ratio);
            QCOMPARE(found, picture);
        }
    }

    void anyChangeOfTheDrawingIsAnotherPicture()
    {
        const QByteArray key = keyFor(QStringLiteral("一等奖"));
        QCOMPARE(keyFor(QStringLiteral("一等奖")), key);
        QVERIFY(keyFor(QStringLiteral("二等奖")) != key);
        TextEffect blurred = shadowed();
        blurred.shadowBlur = 41;
        QVERIFY(keyFor(QStringLiteral("一等奖"), blurred) != key);
        QVERIFY(keyFor(QStringLiteral("一等奖"), shadowed(), 2) != key);
        QFont bold = titleFont();
        bold.setBold(true);
        QVERIFY(TextEffectCache::keyOf(QStringLiteral("一等奖"), bold, Qt::red, shadowed(), QString(), 1) != key);
        QVERIFY(TextEffectCache::keyOf(QStringLiteral("一等奖"), titleFont(), Qt::blue, shadowed(), QString(), 1) != key);

        // A textured text depends on the texture file as it is now.
        QTemporaryDir dir;
        const QString texture = dir.filePath(QStringLiteral("texture.jpg"));
        auto writeTexture = [&](const QByteArray& bytes) {
            QFile file(texture);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        };
        writeTexture("one picture");
        TextEffect textured = shadowed();
        textured.texture = true;
        const QByteArray before = TextEffectCache::keyOf(QStringLiteral("一等奖"), titleFont(), Qt::red, textured, texture, 1);
        writeTexture("another, longer picture");
        QVERIFY(TextEffectCache::keyOf(QStringLiteral("一等奖"), titleFont(), Qt::red, textured, texture, 1) != before);
    }

    void damagedFilesAreNotPictures()
    {
        QTemporaryDir dir;
        TextEffectCache cache(dir.path());
        const QByteArray key = keyFor(QStringLiteral("特等奖"));
        cache.store(key, drawn(QStringLiteral("特等奖")));
        QCOMPARE(picturesIn(dir).size(), 1);
        const QString file = dir.filePath(picturesIn(dir).front());
        QByteArray bytes;
        {
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            bytes = in.readAll();
        }
        auto rewrite = [&](const QByteArray& content) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(content);
        };
        rewrite(bytes.left(bytes.size() - 1));  // cut short
        QVERIFY(cache.find(key).isNull());
        rewrite(bytes + "x");  // too long
        QVERIFY(cache.find(key).isNull());
        rewrite(QByteArray(40, '\xff'));  // garbage, huge sizes
        QVERIFY(cache.find(key).isNull());
        rewrite(QByteArray());
        QVERIFY(cache.find(key).isNull());
        rewrite(bytes);
        QVERIFY(!cache.find(key).isNull());
    }

    void aFolderThatCannotBeMadeOnlyMissesPictures()
    {
        QTemporaryDir dir;
        const QString inTheWay = dir.filePath(QStringLiteral("file"));
        QFile(inTheWay).open(QIODevice::WriteOnly);
        TextEffectCache cache(inTheWay + QStringLiteral("/cache"));
        const QByteArray key = keyFor(QStringLiteral("三等奖"));
        cache.store(key, drawn(QStringLiteral("三等奖")));
        QVERIFY(cache.find(key).isNull());
    }

    void aLabelKeepsOnlyItsFirstPictureOnDisk()
    {
        // The counts after every press change the text of a label throughout the draw.
        const QDir folder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                          QStringLiteral("/text-effects"));
        auto pictures = [&] { return folder.entryList({QStringLiteral("*.pic")}, QDir::Files).size(); };
        const qsizetype before = pictures();
        ui::TextEffectRenderer renderer;
        const QString unique = QString::number(QDateTime::currentMSecsSinceEpoch());
        for (int press = 0; press < 5; ++press)
            renderer.image(QStringLiteral("已抽%1人 ").arg(press) + unique, titleFont(), Qt::red, shadowed());
        QCOMPARE(renderer.renders(), 5);
        QCOMPARE(pictures(), std::min<qsizetype>(before + 1, TextEffectCache::kMaxPictures));
    }

    void theOldestPicturesGoWhenTheFolderIsFull()
    {
        QTemporaryDir dir;
        TextEffectCache cache(dir.path());
        const QImage small(4, 4, QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < TextEffectCache::kMaxPictures + 5; ++i)
            cache.store(keyFor(QString::number(i)), small);
        QTest::qSleep(5);  // file times are compared to the millisecond
        cache.store(keyFor(QStringLiteral("newest")), small);
        QCOMPARE(picturesIn(dir).size(), TextEffectCache::kMaxPictures);
        QVERIFY(!cache.find(keyFor(QStringLiteral("newest"))).isNull());
    }
};

QTEST_MAIN(TextEffectCacheTest)
#include "TextEffectCacheTest.moc"
