#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "framework/object.h"

namespace fw {

class Sound;

// A file or folder on disk.
class FolderItem : public Object {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }
    // The item of that name inside this folder, or nothing when no such file or folder exists.
    // followAlias resolves symbolic links.
    std::shared_ptr<FolderItem> Child(std::string_view name, bool followAlias = true) const;
    // The file decoded as a sound, or nothing when it is missing or not a sound that can be read.
    std::shared_ptr<Sound> OpenAsSound() const;

  private:
    std::filesystem::path path_;
};

// The folder that holds the bundle's bin (or, on macOS, MacOS), Resources and lib folders: the
// parent of the folder that holds the executable, with symbolic links followed. Empty when unknown.
std::filesystem::path ApplicationBundleContents();

// The application bundle's "Resources" folder: beside the folder that holds the executable, with
// symbolic links followed. Nothing when there is no such folder.
std::shared_ptr<FolderItem> GetApplicationBundleResources();

// Test support: makes GetApplicationBundleResources look at another folder; empty restores it.
void SetApplicationBundleResourcesForTesting(std::filesystem::path folder);

}  // namespace fw
