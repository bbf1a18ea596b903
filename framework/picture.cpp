#include "framework/picture.h"

#include <QGuiApplication>
#include <QImageReader>

#include "framework/qt/convert.h"
#include "framework/qt/picture_impl.h"
#include "framework/resources.h"
#include "framework/runtime.h"

namespace fw {

namespace {

QPixmap Load(const std::string& path) {
    QImageReader reader(ToQString(path));
    QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace

const ClassInfo& Picture::Lookup() {
    static const ClassInfo info{"Picture", &ObjectClass(), {}, {}, {}};
    return info;
}

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::Open(const std::string& path, const std::string& path2x) {
    EnterUiOperation("Picture.Open");
    auto impl = std::make_unique<Impl>();
    const bool highDensity = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
    if (highDensity && !path2x.empty()) {
        impl->pixmap = Load(path2x);
        impl->pixmap.setDevicePixelRatio(2.0);
    }
    if (impl->pixmap.isNull()) {
        impl->pixmap = Load(path);
    }
    if (impl->pixmap.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::move(impl));
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view name) {
    EnterUiOperation("Picture.OpenFromApp");
    std::shared_ptr<FolderItem> resources = GetApplicationBundleResources();
    if (!resources) {
        return nullptr;
    }
    const std::filesystem::path base = resources->Path() / std::string(name);
    return Open(base.string() + ".png", base.string() + "@2x.png");
}

int Picture::Width() const {
    return static_cast<int>(impl_->pixmap.width() / impl_->pixmap.devicePixelRatio());
}

int Picture::Height() const {
    return static_cast<int>(impl_->pixmap.height() / impl_->pixmap.devicePixelRatio());
}

}  // namespace fw
