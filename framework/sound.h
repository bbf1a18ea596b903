#pragma once

#include <memory>

#include "framework/object.h"

namespace fw {

struct PcmSound;

// A sound held in memory, decoded in full when it was opened.
class Sound : public Object {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    explicit Sound(std::shared_ptr<const PcmSound> samples);

    // Starts playing from the beginning, also when it is still playing, and returns at once.
    // Without an audio device nothing is heard and nothing is reported.
    void Play();

  private:
    std::shared_ptr<const PcmSound> samples_;
};

}  // namespace fw
