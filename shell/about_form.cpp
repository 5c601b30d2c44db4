// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "shell/app_icon.h"
#include "shell/help.h"
#include "ui/addresses.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/text_fit.h"

namespace velnora {
namespace {

constexpr char kFullBrandOffer[] = QT_TRANSLATE_NOOP(
    "velnora::FrmAbout",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");

QLabel* AddParagraph(QWidget* parent, const char* name, const QString& text, const QFont& font,
                     const QColor& colour, const QRect& at, const Twips& twips) {
    QLabel* label =
        AddLabel(parent, QString::fromLatin1(name), text, font, colour, at, twips, true);
    label->setAccessibleName(label->text());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

FrmAbout::FrmAbout(Help& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      help_(help) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setModal(true);
    const QFont regular = Verdana(8.25);
    setFont(regular);
    Paint(this, kFormBlue, Qt::black);
    const Twips twips = Twips::For(this);
    twips.fixSize(this, 6015, 4095);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    twips.place(picIcon, 120, 120, 540, 540);
    picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

    QLabel* label2 = AddLabel(this, QStringLiteral("Label2"), QString::fromLatin1(kProgramCaption),
                              Verdana(9.75, true), kYellow, {780, 285, 3480, 240}, twips);
    label2->setAccessibleName(label2->text());
    AddParagraph(this, "Label1",
                 QCoreApplication::translate("velnora::Program", kProgramDescription), regular,
                 Qt::black, {120, 960, 5715, 975}, twips);
    lblHomePage_ =
        AddLink(this, "lblHomePage",
                tr("Click here to visit %1").arg(QString::fromLatin1(address::kForumHome)), regular,
                Qt::black, {1320, 2160, 4650, 195}, twips);
    AddParagraph(this, "Label3", tr(kFullBrandOffer), regular, kYellow, {120, 2520, 5685, 675},
                 twips);
    lblCoBrand_ = AddLink(this, "lblCoBrand", tr("Click here for more details"), regular, Qt::black,
                          {3360, 3240, 2610, 195}, twips);

    auto* line2 = new QWidget(this);
    line2->setObjectName(QStringLiteral("Line2"));
    Paint(line2, kLightYellow, Qt::black);
    twips.place(line2, 0, 3480, 6150, 15);

    cmdOK_ = new QPushButton(tr("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAccessibleName(CaptionText(cmdOK_->text()));
    twips.place(cmdOK_, 4680, 3615, 1260, 345);
    cmdOK_->setDefault(true);  // Enter; Escape is the dialog's own reject

    // OK first, as the dialog opens on it; the links after it.
    setTabOrder(cmdOK_, lblHomePage_);
    setTabOrder(lblHomePage_, lblCoBrand_);
    cmdOK_->setFocus();

    connect(lblHomePage_, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(lblCoBrand_, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    FitTexts(this);
    CentreOnScreen(this);
}

void FrmAbout::lblHomePage_Click() { help_.OpenForumHome(); }
void FrmAbout::lblCoBrand_Click() { help_.OpenFullBrandPage(); }
void FrmAbout::cmdOK_Click() { accept(); }

}  // namespace velnora
