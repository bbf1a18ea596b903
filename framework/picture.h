#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/object.h"

namespace fw {

// An image, with a sharper variant for high-density screens when the bundle has one.
class Picture : public Object {
  public:
    struct Impl;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    // The bundle's picture of that bare name: "<name>.png" in the Resources folder, with
    // "<name>@2x.png" beside it used on high-density screens. Nothing when there is none or it
    // cannot be read.
    static std::shared_ptr<Picture> OpenFromApp(std::string_view name);
    // The picture in that file (and its optional high-density variant), or nothing.
    static std::shared_ptr<Picture> Open(const std::string& path, const std::string& path2x = {});

    explicit Picture(std::unique_ptr<Impl> impl);
    ~Picture() override;

    // The size in device-independent pixels.
    int Width() const;
    int Height() const;

    const Impl& impl() const { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace fw
