// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/program.h"

namespace velnora {

namespace {

class PrintQuestions {
    Q_DECLARE_TR_FUNCTIONS(velnora::PrintDialogs)
};

}  // namespace

std::optional<PrintChoice> QtPrintDialogs::askWhat(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgPrintWhat"));
    dialog.setWindowTitle(QString::fromLatin1(kProgramCaption));
    auto* day = new QRadioButton(PrintQuestions::tr("This &day"), &dialog);
    day->setObjectName(QStringLiteral("optDay"));
    day->setChecked(true);
    auto* month = new QRadioButton(PrintQuestions::tr("This &month"), &dialog);
    month->setObjectName(QStringLiteral("optMonth"));
    auto* horas = new QCheckBox(PrintQuestions::tr("Include the 24 &horas"), &dialog);
    horas->setObjectName(QStringLiteral("chkHoras"));
    // The horas are printed on the day's page only.
    QObject::connect(day, &QRadioButton::toggled, horas, &QCheckBox::setEnabled);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(day);
    layout->addWidget(month);
    layout->addWidget(horas);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PrintChoice choice;
    choice.range = month->isChecked() ? PrintRange::Month : PrintRange::Day;
    choice.horas = choice.range == PrintRange::Day && horas->isChecked();
    return choice;
}

QString QtPrintDialogs::askPdfFile(QWidget* parent) {
    QFileDialog dialog(parent, PrintQuestions::tr("Save as PDF"),
                       QDir::homePath() + QStringLiteral("/choghadiya.pdf"),
                       PrintQuestions::tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void QtPrintDialogs::preview(QWidget* parent, const QPageLayout& layout,
                             const std::function<void(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

}  // namespace velnora
