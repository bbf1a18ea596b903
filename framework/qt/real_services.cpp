// The services that reach the world: a real message box and the user's browser. The audio output is
// added by the sound sources.

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/services.h"

namespace fw {

void PlayThroughAudioDevice(const std::shared_ptr<const PcmSound>& sound);

Services RealServices() {
    Services services;
    services.showMessageBox = [](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                        QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    };
    services.openUrl = [](const std::string& url) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    };
    services.playSound = [](const std::shared_ptr<const PcmSound>& sound) {
        PlayThroughAudioDevice(sound);
    };
    return services;
}

}  // namespace fw
