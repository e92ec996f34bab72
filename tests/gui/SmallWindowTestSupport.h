#pragma once

// Shared by the tests of the small borderless windows: a folder with the program's pictures
// or without them, settings in a fresh folder, and mouse gestures the way the operator makes
// them (QTest's own moves carry no modifiers).
#include "main/settings/IniStore.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <string>

namespace lotavo::test {

struct SmallWindowStage {
    QTemporaryDir dir;
    std::unique_ptr<IniStore> settings;

    SmallWindowStage() { settings = std::make_unique<IniStore>(dir.filePath(QStringLiteral("lotavo.bin")).toStdString()); }

    // The bundled data folder (its Bmp pictures), or an empty folder: no pictures at all.
    std::string pictures(bool present) const
    {
        return present ? qEnvironmentVariable("LOTAVO_DATA").toStdString() : dir.path().toStdString();
    }
};

inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& local, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers modifiers)
{
    QPoint global = target->mapToGlobal(local);
    QMouseEvent event(type, QPointF(local), QPointF(global), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

// Left button down at `from`, moves in two steps by `delta` with `modifiers`, button up.
// The window moves under the cursor, so each step is given in the target's new coordinates.
inline void dragBy(QWidget* target, const QPoint& from, const QPoint& delta, Qt::KeyboardModifiers modifiers)
{
    QPoint global = target->mapToGlobal(from);
    auto at = [target](const QPoint& g) { return target->mapFromGlobal(g); };
    sendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
    for (QPoint step : {delta / 2, delta}) {
        QPoint g = global + step;
        QMouseEvent move(QEvent::MouseMove, QPointF(at(g)), QPointF(g), Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &move);
    }
    QPoint end = global + delta;
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at(end)), QPointF(end), Qt::LeftButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &up);
}

}  // namespace lotavo::test
