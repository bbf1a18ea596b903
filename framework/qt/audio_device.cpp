#include "framework/services.h"

namespace fw {

void PlayThroughAudioDevice(const std::shared_ptr<const PcmSound>& /*sound*/) {}

}  // namespace fw
