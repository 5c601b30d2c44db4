// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/print_periods.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <ostream>
#include <string>

#include "forms/add_to_calendar.h"
#include "forms/periods_tables.h"
#include "forms/result_texts.h"

namespace velnora {

PageWords WindowWords() {
    return {PeriodText, VerdictWordText, ClockText,  DateOfWorkText, CoordinateText,
            MarkText,   MarksText,       PlanetText, MidnightText};
}

bool PrintPeriods(QWidget* parent, const Plan& plan, const Date& shown, const WallReading& wall,
                  PrintTarget target, PrintDialogs& dialogs, MessageBoxes& boxes) {
    const std::optional<PrintChoice> choice = dialogs.askWhat(parent);
    if (!choice) return false;
    QString path;
    if (target == PrintTarget::Pdf) {
        path = dialogs.askPdfFile(parent);
        if (path.isEmpty()) return false;
    }
    const PrintJob job = MakePrintJob(plan, shown, *choice, wall);
    const PageWords words = WindowWords();
    if (target == PrintTarget::Printer) {
        dialogs.preview(parent, PageLayoutFor(choice->range),
                        [&](QPagedPaintDevice& device) { PaintPages(device, job, words); });
        return true;
    }

    const QByteArray pdf = PdfOf(job, words);
    const auto write = [&pdf](std::ostream& out) {
        out.write(pdf.constData(), pdf.size());
        return static_cast<bool>(out);
    };
    const QString shownPath = QDir::toNativeSeparators(path);
    if (const auto failure = ReplaceFile(QFile::encodeName(path).toStdString(), write)) {
        boxes.show(parent,
                   QCoreApplication::translate("velnora::PrintPeriods",
                                               "The PDF file %1 could not be written: %2")
                       .arg(shownPath, WriteFailureText(*failure)),
                   Icon::Critical);
        return false;
    }
    boxes.show(parent,
               QCoreApplication::translate("velnora::PrintPeriods", "The pages were written to %1.")
                   .arg(shownPath),
               Icon::Information);
    return true;
}

}  // namespace velnora
