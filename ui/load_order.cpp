// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/load_order.h"

#include <algorithm>

namespace velnora {

void LoadOrder::record(QWidget* window) {
    std::erase_if(windows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end()) {
        windows_.emplace_back(window);
    }
}

std::vector<QPointer<QWidget>> LoadOrder::windows() const {
    std::vector<QPointer<QWidget>> alive;
    for (const QPointer<QWidget>& window : windows_) {
        if (window) alive.push_back(window);
    }
    return alive;
}

}  // namespace velnora
