#include "framework/qt/identity.h"

#include <QDirIterator>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QWindow>

namespace fw {

namespace {

// The icon's pictures are compiled in (see CMakeLists.txt), so that a window carries the icon
// wherever the program runs from and reading it opens no file.
QIcon ApplicationIcon() {
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/fw/application-icon"), QDir::Files);
    while (pictures.hasNext()) {
        icon.addFile(pictures.next());
    }
    return icon;
}

// Gives the program's icon to every window once the first window has shown its first frame.
// Decoding the pictures and handing all of them to the window system takes a few milliseconds,
// which would otherwise pass before the first window appears; a window manager takes up an icon
// that comes later as readily as one that was there from the start.
class IconAfterFirstFrame : public QObject {
  public:
    explicit IconAfterFirstFrame(QObject* application) : QObject(application) {
        application->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            parent()->removeEventFilter(this);
            // Queued, it runs once the window has painted this frame and sent it to the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QGuiApplication::setWindowIcon(ApplicationIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

QString ApplicationName() {
    return QStringLiteral(FW_APPLICATION_NAME);
}

void DeclareApplicationIdentity() {
    // Not the application's display name: on Linux the toolkit would append it to every window's
    // title in the title bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(FW_DESKTOP_FILE_NAME));
    static QPointer<IconAfterFirstFrame> pending;
    if (QGuiApplication::windowIcon().isNull() && pending.isNull()) {
        pending = new IconAfterFirstFrame(QGuiApplication::instance());
    }
}

}  // namespace fw
