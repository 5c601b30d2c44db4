// SPDX-License-Identifier: GPL-3.0-or-later
// The program's top-level windows in the order they were loaded. The code that
// makes a window records it here; a window that is deleted drops out by itself.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace velnora {

class LoadOrder {
public:
    // Records `window` once, at its first record.
    void record(QWidget* window);
    // The windows that still exist, first loaded first.
    std::vector<QPointer<QWidget>> windows() const;

private:
    std::vector<QPointer<QWidget>> windows_;
};

}  // namespace velnora
