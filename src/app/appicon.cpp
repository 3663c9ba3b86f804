#include "app/appicon.h"

#include "app/appinfo.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

QIcon applicationIcon()
{
    QIcon builtIn;
    for (int size : kIconSizes) {
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(kApplicationId),
                        QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(kApplicationId), builtIn);
}

namespace {

// Waits for the first expose of a window, then sets the icon once that expose is handled,
// which paints the window.
class IconAfterFirstExpose final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(applicationIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setApplicationIconAfterFirstPaint(QWidget *window)
{
    window->winId(); // the native window, whose expose is awaited
    window->windowHandle()->installEventFilter(new IconAfterFirstExpose(window));
}
