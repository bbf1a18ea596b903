#include "framework/sound.h"

#include "framework/resources.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/sound_file.h"

namespace fw {

const ClassInfo& Sound::Lookup() {
    static const ClassInfo info{"Sound", &ObjectClass(), {}, {}, {}};
    return info;
}

Sound::Sound(std::shared_ptr<const PcmSound> samples) : samples_(std::move(samples)) {}

void Sound::Play() {
    EnterUiOperation("Sound.Play");
    if (const auto& play = CurrentServices().playSound) {
        play(samples_);
    }
}

std::shared_ptr<Sound> FolderItem::OpenAsSound() const {
    std::optional<PcmSound> decoded = DecodeMp3File(Path().string());
    if (!decoded) {
        return nullptr;
    }
    return std::make_shared<Sound>(std::make_shared<const PcmSound>(std::move(*decoded)));
}

}  // namespace fw
