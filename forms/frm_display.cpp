// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/frm_display.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <algorithm>

#include "forms/banners.h"
#include "forms/menus.h"
#include "forms/result_texts.h"
#include "ui/caption_frame.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/text_fit.h"

namespace velnora {

namespace {

struct Row {
    const char* caption;  // name of the caption label
    const char* captionText;
    const char* value;  // name of the value label, one of kResultLabels
    int top;
};

// "Your Details": captions at 120, values at 1440.
constexpr Row kDetails[] = {
    {"Label10", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Date of Work :"), "lblDOB", 600},
    {"Label14", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Time of Work :"), "lblTOB", 900},
    {"Label12", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Longitude :"), "lblLongitude", 1200},
    {"Label11", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Latitude   :"), "lblLatitude", 1500},
    {"Label13", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "City :"), "lblCity", 1800},
    {"Label15", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "State :"), "lblState", 2100},
    {"Label16", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Country :"), "lblCountry", 2400},
};

// "Sun Rise Details": captions at 120, values at 2280.
constexpr Row kSunTimes[] = {
    {"Label6", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Rise Time On"),
     "lblPreviousDaySunRiseTime", 480},
    {"Label5", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Set Time On"),
     "lblPreviousDaySunSetTime", 840},
    {"Label1", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Rise Time On"),
     "lblInputDaySunRiseTime", 1200},
    {"Label2", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Set Time On"), "lblInputDaySunSetTime",
     1560},
    {"Label8", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Rise Time On"),
     "lblNextDaySunRiseTime", 1920},
    {"Label7", QT_TRANSLATE_NOOP("velnora::FrmDisplay", "Sun Set Time On"), "lblNextDaySunSetTime",
     2280},
};

constexpr char kExplanation[] = QT_TRANSLATE_NOOP(
    "velnora::FrmDisplay",
    "Chogadiya helps you find a favorable period during which you can start an important task. "
    "Perform important tasks in the favorable period and avoid them during the unfavorable "
    "period for good results.");

// The announcement of a value that has no text.
constexpr char kEmptyValue[] = QT_TRANSLATE_NOOP("velnora::FrmDisplay", "empty");

}  // namespace

QLabel* FrmDisplay::AddValue(QWidget* parent, const char* name, const QString& description,
                             const QFont& font, const QColor& colour, const QRect& at,
                             const Twips& twips) {
    QLabel* label = AddLabel(parent, QString::fromLatin1(name), QString(), font, colour, at, twips);
    label->setAccessibleName(tr(kEmptyValue));
    label->setAccessibleDescription(description);
    const auto shown = std::find(kResultLabels.begin(), kResultLabels.end(), name);
    Q_ASSERT(shown != kResultLabels.end());
    values_.push_back({static_cast<std::size_t>(shown - kResultLabels.begin()), label});
    return label;
}

FrmDisplay::FrmDisplay(QWidget* parent) : MenuWindow(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const Twips twips = Twips::For(this);
    const QFont bold = Verdana(8.25, true);
    const QFont regular = Verdana(8.25);
    const QFont large = Verdana(9.75, true);
    setFont(bold);
    auto onLink = [this](Link link) { Q_EMIT linkRequested(link); };

    QAction* back =
        buildMenuBar({QStringLiteral("mnuFileBack"), tr("&Back"), tr("&Check for Software Update"),
                      QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2")},
                     [this] { return std::optional<FormValues>(form_); });

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips.px(9840), twips.px(7755));
    Paint(client, kFormBlue, Qt::black);
    setCentralWidget(client);

    // In stacking order: later controls lie above earlier ones.
    QPushButton* cmdExit = cmdExit_ =
        PlaceButton(new QPushButton(tr("&Exit"), client), "cmdExit", {0, 6600, 3180, 465}, twips);
    QPushButton* cmdOK =
        //: returns from the result to the input window ("go back"), not the reverse side
        PlaceButton(new QPushButton(tr("&Back"), client), "cmdOK", {3315, 6600, 6540, 465}, twips);
    cmdExit->setDefault(true);
    AddForumBanner(client, twips, onLink);
    AddPromotions(client, 7080, UpperPromotion::Cobrand, twips, onLink);

    CaptionFrame* result = AddCaptionedFrame(client, QStringLiteral("Frame1"), tr("Velnora Result"),
                                             Verdana(11.25, true), kFormBlue, kPaleYellow,
                                             {0, 600, 9855, 5895}, twips);

    CaptionFrame* details =
        AddCaptionedFrame(result, QStringLiteral("fraDetails"), tr("Your Details"), bold,
                          kFrameGreen, kMaroon, {6240, 360, 3490, 2775}, twips);
    AddValue(details, "lblName", tr("Your Details"), large, kMaroon, {120, 240, 3285, 240}, twips);
    for (const Row& row : kDetails) {
        const QString caption = tr(row.captionText);
        AddLabel(details, QString::fromLatin1(row.caption), caption, regular, kMaroon,
                 {120, row.top, 1320, 195}, twips);
        AddValue(details, row.value, caption, bold, kMaroon, {1440, row.top, 2055, 195}, twips);
    }

    CaptionFrame* sun =
        AddCaptionedFrame(result, QStringLiteral("Frame3"), tr("Sun Rise Details"), large,
                          kFrameGreen, kMaroon, {120, 360, 6015, 2775}, twips);
    for (const Row& row : kSunTimes) {
        const QString caption = tr(row.captionText);
        const QString name = QString::fromLatin1(row.caption);
        if (name == QLatin1String("Label1")) {
            // The date of work's sunrise caption is a link without the hand pointer.
            LinkLabel* label =
                AddLink(sun, row.caption, caption, bold, kMaroon, {120, row.top, 2100, 195}, twips);
            label->unsetCursor();
            connect(label, &LinkLabel::clicked, this,
                    [this] { Q_EMIT linkRequested(Link::FullBrandPage); });
        } else {
            AddLabel(sun, name, caption, bold, kMaroon, {120, row.top, 2100, 195}, twips);
        }
        AddValue(sun, row.value, caption, bold, kMaroon, {2280, row.top, 3615, 195}, twips);
    }

    AddLabel(result, QStringLiteral("Label9"), tr(kExplanation), large, kPaleYellow,
             {120, 3240, 9615, 735}, twips, true);
    AddLabel(result, QStringLiteral("Label4"), tr("Time Period"), large, kYellow,
             {120, 4800, 1275, 240}, twips);
    AddLabel(result, QStringLiteral("Label3"), tr("Choghadiya for given day:"), large, kYellow,
             {120, 4200, 2850, 240}, twips);
    QLabel* verdict = AddValue(result, "lblTimePeriod", tr("Time Period"), large, kYellow,
                               {3120, 4800, 6570, 720}, twips);
    verdict->setWordWrap(true);
    verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AddValue(result, "lblChaghodiya", tr("Choghadiya for given day:"), large, kYellow,
             {3120, 4200, 1545, 240}, twips);
    Q_ASSERT(values_.size() == kResultLabels.size());

    connect(cmdOK, &QPushButton::clicked, this, &FrmDisplay::backRequested);
    connect(back, &QAction::triggered, this, &FrmDisplay::backRequested);
    connect(cmdExit, &QPushButton::clicked, this, &FrmDisplay::close);

    // Back and Exit first; the links after them, top to bottom.
    QWidget* previous = cmdOK;
    for (const char* name : {"cmdExit", "Label61", "Label1", "lblFullBrand", "lblCobrand"}) {
        QWidget* next = client->findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(previous, next);
        previous = next;
    }
    cmdOK->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FitTexts(this);
}

void FrmDisplay::setResult(const EvaluationResult& result, const FormValues& form) {
    form_ = form;
    const auto texts = ResultTexts(result);
    for (const Value& value : values_) {
        const QString& text = texts[value.index];
        value.label->setText(text);
        value.label->setAccessibleName(text.isEmpty() ? tr(kEmptyValue) : text);
    }
    FitTexts(this);
}

// Exit is the window's default and cancel button: Escape runs it, and so does an
// Enter that the focused control leaves unused (a focused button or link runs
// itself). A main window has no default button of its own to do this.
void FrmDisplay::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->matches(QKeySequence::Cancel) || (enter && event->modifiers() == Qt::NoModifier)) {
        cmdExit_->click();
        return;
    }
    MenuWindow::keyPressEvent(event);
}

}  // namespace velnora
