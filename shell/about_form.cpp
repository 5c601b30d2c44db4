// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "shell/addresses.h"
#include "shell/app_icon.h"
#include "shell/form_layout.h"
#include "shell/help.h"

namespace velnora {
namespace {

const QColor kBackground(68, 136, 249);
const QColor kYellow(255, 255, 0);
const QColor kPaleYellow(255, 255, 192);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

FrmAbout::FrmAbout(Help& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      help_(help) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Velnora v1.15"));
    setModal(true);
    setFont(PointFont("Verdana", 8.25));
    SetColour(*this, QPalette::Window, kBackground);
    setAutoFillBackground(true);
    SetClientTwips(*this, 6015, 4095);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    PlaceTwips(*picIcon, 120, 120, 540, 540);
    picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

    QLabel* label2 = MakeLabel(this, "Label2", QStringLiteral("Velnora v1.15"));
    label2->setFont(PointFont("Verdana", 9.75, true));
    SetColour(*label2, QPalette::WindowText, kYellow);
    PlaceTwips(*label2, 780, 285, 3480, 240);

    QLabel* label1 = MakeLabel(
        this, "Label1",
        QStringLiteral("Velnora helps you find a favorable period during which you can start an "
                       "important task. Perform important tasks in the favorable period and avoid "
                       "them during the unfavorable period for good results."));
    PlaceTwips(*label1, 120, 960, 5715, 975);

    lblHomePage_ = MakeLinkLabel(
        this, "lblHomePage",
        QStringLiteral("Click here to visit ") + QString::fromLatin1(address::kForumHome));
    PlaceTwips(*lblHomePage_, 1320, 2160, 4650, 195);

    QLabel* label3 = MakeLabel(
        this, "Label3",
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website."));
    SetColour(*label3, QPalette::WindowText, kYellow);
    PlaceTwips(*label3, 120, 2520, 5685, 675);

    lblCoBrand_ = MakeLinkLabel(this, "lblCoBrand", QStringLiteral("Click here for more details"));
    PlaceTwips(*lblCoBrand_, 3360, 3240, 2610, 195);

    auto* line2 = new QWidget(this);
    line2->setObjectName(QStringLiteral("Line2"));
    SetColour(*line2, QPalette::Window, kPaleYellow);
    line2->setAutoFillBackground(true);
    PlaceTwips(*line2, 0, 3480, 6150, 15);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAccessibleName(QStringLiteral("OK"));
    cmdOK_->setDefault(true);  // Enter; Escape is the dialog's own reject
    PlaceTwips(*cmdOK_, 4680, 3615, 1260, 345);

    connect(lblHomePage_, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(lblCoBrand_, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void FrmAbout::lblHomePage_Click() { help_.OpenForumHome(); }
void FrmAbout::lblCoBrand_Click() { help_.OpenFullBrandPage(); }
void FrmAbout::cmdOK_Click() { accept(); }

}  // namespace velnora
