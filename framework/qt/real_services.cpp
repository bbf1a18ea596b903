// The services that reach the world: a real message box, the user's browser and the audio device.

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/qt/audio_device.h"
#include "framework/qt/convert.h"
#include "framework/qt/identity.h"
#include "framework/services.h"

namespace fw {

Services RealServices() {
    Services services;
    services.showMessageBox = [](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, ApplicationName(), ToQString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    };
    services.openUrl = [](const std::string& url) {
        QDesktopServices::openUrl(QUrl(ToQString(url)));
    };
    services.playSound = [](const std::shared_ptr<const PcmSound>& sound) {
        PlayThroughAudioDevice(sound);
    };
    return services;
}

}  // namespace fw
