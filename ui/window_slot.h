// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a top-level window is owned. The code that opens the window keeps
// it in a slot; the window unloads (deletes itself) when it closes, and the slot
// then stands empty; a window still there when its slot goes away goes with it.
// A modal box that runs inside one call lives on that call's stack instead.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>

namespace velnora {

template <class Window>
class WindowSlot {
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot() { delete window_.data(); }

    // Makes the window, which unloads when it closes, and keeps it here.
    template <class... Args>
    Window* make(Args&&... args) {
        delete window_.data();
        auto* window = new Window(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window_ = window;
        return window;
    }

    Window* get() const { return window_.data(); }       // nullptr when not loaded
    operator Window*() const { return window_.data(); }  // NOLINT: reads as a pointer
    Window* operator->() const { return window_.data(); }

    // Forgets the window without deleting it, as it unloads.
    Window* release() {
        Window* window = window_.data();
        window_ = nullptr;
        return window;
    }

private:
    QPointer<Window> window_;
};

}  // namespace velnora
