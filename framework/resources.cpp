#include "framework/resources.h"

#include <QCoreApplication>

#include <system_error>

#include "framework/qt/convert.h"
#include "framework/runtime.h"

namespace fw {

namespace {

std::filesystem::path& ResourcesOverride() {
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

void SetApplicationBundleResourcesForTesting(std::filesystem::path folder) {
    ResourcesOverride() = std::move(folder);
}

const ClassInfo& FolderItem::Lookup() {
    static const ClassInfo info{"FolderItem", &ObjectClass(), {}, {}, {}};
    return info;
}

std::shared_ptr<FolderItem> FolderItem::Child(std::string_view name, bool followAlias) const {
    std::error_code error;
    std::filesystem::path child = path_ / std::filesystem::path(std::string(name));
    if (followAlias) {
        std::filesystem::path resolved = std::filesystem::canonical(child, error);
        if (error) {
            return nullptr;
        }
        child = resolved;
    } else if (!std::filesystem::exists(std::filesystem::symlink_status(child, error))) {
        return nullptr;
    }
    return std::make_shared<FolderItem>(child);
}

std::filesystem::path ApplicationBundleContents() {
    const QString executable = QCoreApplication::applicationFilePath();
    if (executable.isEmpty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::canonical(FromQString(executable), error);
    return error ? std::filesystem::path() : exe.parent_path().parent_path();
}

std::shared_ptr<FolderItem> GetApplicationBundleResources() {
    std::error_code error;
    if (!ResourcesOverride().empty()) {
        if (!std::filesystem::is_directory(ResourcesOverride(), error)) {
            return nullptr;
        }
        return std::make_shared<FolderItem>(ResourcesOverride());
    }
    const std::filesystem::path contents = ApplicationBundleContents();
    if (contents.empty()) {
        return nullptr;
    }
    const std::filesystem::path folder = contents / "Resources";
    if (!std::filesystem::is_directory(folder, error)) {
        return nullptr;
    }
    return std::make_shared<FolderItem>(folder);
}

}  // namespace fw
