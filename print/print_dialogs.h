// SPDX-License-Identifier: GPL-3.0-or-later
// The questions "Print..." and "Save as PDF..." ask, and the print preview,
// behind a seam like Add to Calendar's questions, so that tests answer them
// without a modal dialog.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>

#include "print/pages.h"

class QPagedPaintDevice;
class QWidget;

namespace velnora {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // This day or this month, with or without the horas; empty when the user cancels.
    virtual std::optional<PrintChoice> askWhat(QWidget* parent) = 0;
    // The path of the PDF file to write; empty when the user cancels.
    virtual QString askPdfFile(QWidget* parent) = 0;
    // Shows the pages `paint` paints, laid out in `layout`, in a print preview
    // from which the user prints them.
    virtual void preview(QWidget* parent, const QPageLayout& layout,
                         const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

// The real thing: a small dialog of two choices and a check box, a QFileDialog
// that saves with the .pdf suffix, and QPrintPreviewDialog over a QPrinter.
class QtPrintDialogs final : public PrintDialogs {
public:
    std::optional<PrintChoice> askWhat(QWidget* parent) override;
    QString askPdfFile(QWidget* parent) override;
    void preview(QWidget* parent, const QPageLayout& layout,
                 const std::function<void(QPagedPaintDevice&)>& paint) override;
};

}  // namespace velnora
