// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/farewell_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "shell/app_icon.h"
#include "shell/help.h"
#include "shell/services.h"
#include "ui/caption_frame.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/message_boxes.h"
#include "ui/program.h"
#include "ui/text_fit.h"

namespace velnora {
namespace {

constexpr int kAppealCount = 4;

QString Tr(const char* text) { return QCoreApplication::translate("velnora::FrmFarewell", text); }

QLineEdit* MakeLineEdit(QWidget* parent, const char* name, const char* placeholder) {
    auto* box = new QLineEdit(Tr(placeholder), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(box->text());
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(CaptionText(caption));
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
}

}  // namespace

int AppealIndex(double r) {
    const int k = static_cast<int>(std::floor(r * kAppealCount));
    return std::clamp(k, 0, kAppealCount - 1);
}

QString FarewellAppeal(int k) {
    switch (k) {
        case 0:
            return QCoreApplication::translate(
                "velnora::FrmFarewell",
                "Programs like Velnora can only be made and kept up with your support, and the "
                "best support you can give is to visit the Quenvale Forum regularly and take part "
                "in its discussions and activities.");
        case 1:
            return QCoreApplication::translate(
                "velnora::FrmFarewell",
                "Please visit the Quenvale Forum regularly and join in its discussions and "
                "activities. Without your regular visits we cannot support and maintain programs "
                "like this one.");
        case 2:
            return QCoreApplication::translate(
                "velnora::FrmFarewell",
                "The Quenvale Forum is a free online discussion forum. Every regular visit you pay "
                "it helps us develop and maintain Velnora.");
        default:
            return QCoreApplication::translate(
                "velnora::FrmFarewell",
                "The Quenvale Forum needs your help! Visit it regularly and take part in its "
                "discussions and activities, and you help us maintain and develop more programs.");
    }
}

FrmFarewell::FrmFarewell(MessageBoxes& boxes, Random& random, Help& help)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowStaysOnTopHint),
      boxes_(boxes),
      help_(help) {
    setObjectName(QStringLiteral("frmFarewell"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(MsSansSerif(8.25));
    Paint(this, Qt::white, Qt::black);
    const Twips twips = Twips::For(this);
    twips.fixSize(this, 11115, 4725);

    cmdClose_ = MakeButton(this, "cmdClose", tr("E&xit"));
    twips.place(cmdClose_, 6000, 2760, 1245, 375);

    Check1_ = MakeButton(this, "Check1", tr("Visit The Quenvale Forum Now!"));
    Check1_->setCheckable(true);
    Check1_->setFont(Verdana(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    twips.place(Check1_, 30, 2040, 7185, 555);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    twips.place(picture1, 360, 120, 540, 540);
    picture1->setPixmap(ProgramIcon().pixmap(picture1->size()));

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(Verdana(9.75, true));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(Label2_, 120, 840, 6975, 1095);

    auto* label1 = new QLabel(QString::fromLatin1(kProgramCaption), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(MsSansSerif(18));
    twips.place(label1, 1080, 240, 5175, 435);

    CaptionFrame* frame2 =
        AddCaptionedFrame(this, QStringLiteral("Frame2"), tr("Refer A Friend"), font(), kNavy,
                          Qt::white, {120, 3240, 7065, 1455}, twips);
    txtName_ = MakeLineEdit(frame2, "txtName", kNamePlaceholder);
    twips.place(txtName_, 85, 360, 3375, 285);
    cmdSubmit_ = MakeButton(frame2, "cmdSubmit", tr("Refer A Friend &Now"));
    twips.place(cmdSubmit_, 1920, 1080, 3375, 285);
    txtEmail_ = MakeLineEdit(frame2, "txtEmail", kEmailPlaceholder);
    twips.place(txtEmail_, 3600, 360, 3375, 285);
    txtFriendEmail_ = MakeLineEdit(frame2, "txtFriendEmail", kFriendEmailPlaceholder);
    twips.place(txtFriendEmail_, 3600, 720, 3375, 285);
    txtFriendName_ = MakeLineEdit(frame2, "txtFriendName", kFriendNamePlaceholder);
    twips.place(txtFriendName_, 85, 720, 3375, 285);
    // Lies below the frame's visible part: it can take the focus from the keyboard only.
    txtMessage_ = new QPlainTextEdit(frame2);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setAccessibleName(Tr(kMessagePlaceholder));
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setTabChangesFocus(true);
    setTextOf(txtMessage_, Tr(kMessagePlaceholder) + QStringLiteral("\r\n"));
    twips.place(txtMessage_, 4800, 3600, 1815, 495);

    CaptionFrame* frame6 =
        AddCaptionedFrame(this, QStringLiteral("Frame6"), tr("Download Quenvale Softwares"), font(),
                          kNavy, Qt::white, {7320, 120, 3735, 4575}, twips);
    auto* label3 = new QLabel(
        tr("Did you enjoy Velnora? Then try our other programs on astrology, psychic readings, "
           "tarot, numerology and the occult. Like this one, they are simple, informative and "
           "fun to use.\n\nDownload them today and share the experience with your friends and "
           "family."),
        frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(Verdana(9));
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label3, Qt::white);
    twips.place(label3, 120, 360, 3495, 3855);
    lblGoToHome_ = AddLink(frame6, "lblGoToHome", tr("Click Here To Visit Quenvale Softwares"),
                           frame6->font(), kYellow, {75, 4250, 3585, 210}, twips);

    QWidget::setTabOrder(cmdClose_, Check1_);
    QWidget::setTabOrder(Check1_, txtName_);
    QWidget::setTabOrder(txtName_, cmdSubmit_);
    QWidget::setTabOrder(cmdSubmit_, txtEmail_);
    QWidget::setTabOrder(txtEmail_, txtFriendEmail_);
    QWidget::setTabOrder(txtFriendEmail_, txtFriendName_);
    QWidget::setTabOrder(txtFriendName_, txtMessage_);
    QWidget::setTabOrder(txtMessage_, lblGoToHome_);

    boxes5_ = {{{txtName_, kNamePlaceholder},
                {txtEmail_, kEmailPlaceholder},
                {txtMessage_, kMessagePlaceholder},
                {txtFriendName_, kFriendNamePlaceholder},
                {txtFriendEmail_, kFriendEmailPlaceholder}}};
    for (const TextBox& entry : boxes5_) entry.box->installEventFilter(this);

    connect(cmdClose_, &QPushButton::clicked, this, &FrmFarewell::cmdClose_Click);
    connect(Check1_, &QPushButton::toggled, this, &FrmFarewell::Check1_Click);
    connect(lblGoToHome_, &LinkLabel::clicked, this, &FrmFarewell::lblGoToHome_Click);
    connect(cmdSubmit_, &QPushButton::clicked, this, &FrmFarewell::cmdSubmit_Click);

    random.seedFromClock();
    Label2_->setText(FarewellAppeal(AppealIndex(random.draw())));
    Label2_->setAccessibleName(Label2_->text());

    FitTexts(this);
    CentreOnScreen(this);
    cmdClose_->setFocus();
}

void FrmFarewell::cmdClose_Click() { Q_EMIT endProgramRequested(); }

void FrmFarewell::Check1_Click(bool ticked) {
    if (!ticked) return;
    Check1_->setChecked(false);
    help_.OpenForumHome();
}

void FrmFarewell::lblGoToHome_Click() { help_.OpenSoftwareCatalogue(); }

void FrmFarewell::cmdSubmit_Click() {
    fields_ = {fieldOf(boxes5_[0]), fieldOf(boxes5_[1]), fieldOf(boxes5_[2]), fieldOf(boxes5_[3]),
               fieldOf(boxes5_[4])};
    if (const std::optional<MessageId> refusal =
            AddressRefusal(fields_.email, fields_.friendEmail)) {
        ShowMessage(boxes_, this, *refusal);
        return;
    }
    SubmitReferral(fields_, boxes_, help_, this);
}

void FrmFarewell::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT endProgramRequested();
}

bool FrmFarewell::eventFilter(QObject* watched, QEvent* event) {
    const TextBox* entry = findBox(watched);
    if (!entry) return QWidget::eventFilter(watched, event);
    const QString placeholder = Tr(entry->placeholder);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (Trim(textOf(entry->box)) == placeholder) setTextOf(entry->box, QString());
            break;
        case QEvent::FocusOut:
            if (Trim(textOf(entry->box)).isEmpty()) setTextOf(entry->box, placeholder);
            break;
        case QEvent::KeyPress:
            if ((entry->box == txtEmail_ || entry->box == txtFriendEmail_) &&
                static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
                ShowMessage(boxes_, this, MessageId::EmailCannotContainSpace);
                entry->box->setFocus();
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

const FrmFarewell::TextBox* FrmFarewell::findBox(const QObject* watched) const {
    for (const TextBox& entry : boxes5_) {
        if (entry.box == watched) return &entry;
    }
    return nullptr;
}

// A field still showing its translated first text reads as the English one, which
// the referral's checks know.
QString FrmFarewell::fieldOf(const TextBox& entry) const {
    const QString text = Trim(textOf(entry.box));
    return text == Tr(entry.placeholder) ? QString::fromLatin1(entry.placeholder) : text;
}

// Line breaks read as carriage return + line feed, as the referral sends them.
QString FrmFarewell::textOf(const QWidget* box) const {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    QString text = static_cast<const QPlainTextEdit*>(box)->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void FrmFarewell::setTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->setText(text);
    QString plain = text;
    static_cast<QPlainTextEdit*>(box)->setPlainText(
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace velnora
