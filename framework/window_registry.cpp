#include <QPointer>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/qt/window_impl.h"
#include "framework/window.h"

namespace fw {

namespace {

std::vector<std::unique_ptr<Window>>& LiveWindows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

// What is left of a destroyed window until the event loop that destroyed it is back in control.
// Qt never deletes a deferred object inside a nested loop (a modal message box), so a handler still
// running on the window keeps its object.
class WindowRemains : public QObject {
  public:
    explicit WindowRemains(std::unique_ptr<Window> window) : window_(std::move(window)) {}

  private:
    std::unique_ptr<Window> window_;
};

std::vector<QPointer<WindowRemains>>& Graveyard() {
    static std::vector<QPointer<WindowRemains>> remains;
    return remains;
}

}  // namespace

void DestroyWindow(Window& window) {
    auto& live = LiveWindows();
    auto it =
        std::find_if(live.begin(), live.end(), [&](const auto& w) { return w.get() == &window; });
    if (it == live.end()) {
        return;
    }
    window.impl().destroyed = true;
    window.impl().frame->hide();
    auto* remains = new WindowRemains(std::move(*it));
    live.erase(it);
    auto& graveyard = Graveyard();
    std::erase_if(graveyard, [](const QPointer<WindowRemains>& r) { return r.isNull(); });
    graveyard.emplace_back(remains);
    remains->deleteLater();
}

// ---- The framework's windows ------------------------------------------------------------------

Window* GetImplicitWindow(std::string_view fullName) {
    EnterUiOperation("GetImplicitWindow");
    for (const auto& w : LiveWindows()) {
        if (w->Class().fullName == fullName) {
            return w.get();
        }
    }
    return nullptr;
}

Window& ConstructWindow(std::unique_ptr<Window> window) {
    Window& w = *window;
    LiveWindows().push_back(std::move(window));
    try {
        w.Constructor();
    } catch (...) {
        DestroyWindow(w);
        throw;
    }
    return w;
}

std::size_t WindowCount() {
    return LiveWindows().size();
}
Window& WindowAt(std::size_t index) {
    return *LiveWindows().at(index);
}

bool AnyWindowVisible() {
    EnterUiOperation("AnyWindowVisible");
    const auto& live = LiveWindows();
    return std::any_of(live.begin(), live.end(),
                       [](const auto& w) { return w->impl().frame->isVisible(); });
}

void DestroyAllWindows() {
    // Newest first, so that no window outlives one it was built after.
    auto& live = LiveWindows();
    while (!live.empty()) {
        live.back()->impl().destroyed = true;
        live.back()->impl().frame->hide();
        live.pop_back();
    }
    for (QPointer<WindowRemains>& remains : Graveyard()) {
        delete remains.data();
    }
    Graveyard().clear();
}

}  // namespace fw
