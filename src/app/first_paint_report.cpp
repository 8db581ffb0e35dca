#include "app/first_paint_report.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace quillmark {

namespace {

long long RealTimeMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// VmRSS of /proc/self/status, in kilobytes; -1 where there is no such file.
long long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Watches every paint of the application for the first one that lands in the window or one of its children.
class FirstPaintFilter : public QObject {
public:
    explicit FirstPaintFilter(QWidget* window) : QObject(window), _window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !_seen && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == _window) {
            _seen = true;
            // Reported once the paint has run to its end and the backing store has been flushed.
            QTimer::singleShot(0, this, [] {
                const long long paintedUs = RealTimeMicroseconds();
                std::printf("first-paint-realtime-us %lld\nrss-kb %lld\n", paintedUs, ResidentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* _window;
    bool _seen = false;
};

} // namespace

void ReportFirstPaint(QWidget* window)
{
    qApp->installEventFilter(new FirstPaintFilter(window));
}

} // namespace quillmark
