#include "framework/qt/identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <future>

namespace fw {

namespace {

// The icon's pictures are compiled in (see CMakeLists.txt), so that a window carries the icon
// wherever the program runs from and reading it opens no file.
QList<QImage> DecodeIconPictures() {
    QList<QImage> pictures;
    QDirIterator files(QStringLiteral(":/fw/application-icon"), QDir::Files);
    while (files.hasNext()) {
        pictures.append(QImage(files.next()));
    }
    return pictures;
}

// Gives every window the program's icon as the first window is about to show, so that it is there
// when the window appears. Decoding the pictures takes a few milliseconds, so they are decoded on a
// thread of their own meanwhile, while start-up keeps the main thread busy building that window
// (or, where no thread can be had, on the main thread when they are needed).
class IconForEveryWindow : public QObject {
  public:
    explicit IconForEveryWindow(QObject* application)
        : QObject(application),
          pictures_(std::async(std::launch::async | std::launch::deferred, DecodeIconPictures)) {
        application->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window is shown after the toolkit has made it and before it is on the screen.
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            parent()->removeEventFilter(this);
            QIcon icon;
            for (const QImage& picture : pictures_.get()) {
                // Kept as decoded, in the form the window system takes, so that handing the icon
                // over converts nothing.
                icon.addPixmap(QPixmap::fromImage(picture, Qt::NoFormatConversion));
            }
            QApplication::setWindowIcon(icon);
            deleteLater();
        }
        return false;
    }

  private:
    std::future<QList<QImage>> pictures_;
};

}  // namespace

QString ApplicationName() {
    return QStringLiteral(FW_APPLICATION_NAME);
}

void DeclareApplicationIdentity() {
    // Not the application's display name: on Linux the toolkit would append it to every window's
    // title in the title bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(FW_DESKTOP_FILE_NAME));
    static QPointer<IconForEveryWindow> pending;
    if (QGuiApplication::windowIcon().isNull() && pending.isNull()) {
        pending = new IconForEveryWindow(QCoreApplication::instance());
    }
}

}  // namespace fw
