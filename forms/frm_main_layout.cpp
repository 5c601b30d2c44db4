// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's controls and their places: the forum strip, the input frame with its
// rows, the promotional strip, the keystroke filters and the tab order. The
// handlers are in frm_main.cpp.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "forms/banners.h"
#include "forms/frm_main.h"
#include "forms/key_filter.h"
#include "forms/menus.h"
#include "ui/accessibility.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/text_fit.h"
#include "ui/wrapping_button.h"

namespace velnora {

namespace {

// The window in twips: the forum strip, the input frame, the promotional strip.
constexpr int kInputTop = 600;
constexpr int kInputHeight = 5820;
constexpr int kPromotionTop = kInputTop + kInputHeight + 60;
constexpr int kClientWidth = 9855;
constexpr int kClientHeight = kPromotionTop + 735 - 60;  // the strip runs off the bottom edge

// Inside the input frame: captions on the left, fields in the middle, the
// description on the right.
constexpr int kCaptionLeft = 120, kCaptionWidth = 3600;
constexpr int kFieldLeft = 3840, kFieldWidth = 3360;
constexpr int kRowHeight = 330, kCaptionHeight = 255, kCaptionDrop = 45;

struct Builder {
    const Twips& twips;
    QFont base = Verdana(8.25);
    QFont bold = Verdana(8.25, true);

    QLabel* caption(QWidget* parent, const QString& text, const QRect& at, const QColor& colour,
                    QWidget* buddy = nullptr, Qt::Alignment align = Qt::AlignLeft) const {
        QLabel* label = AddLabel(parent, QString(), text, base, colour, at, twips);
        label->setAlignment(align | Qt::AlignVCenter);
        if (buddy) label->setBuddy(buddy);
        return label;
    }

    QLineEdit* textBox(QWidget* parent, const char* name, const QString& accessible,
                       const QRect& at, const QFont& font, int maxLength = 0) const {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(accessible);
        UseFont(box, font);
        if (maxLength > 0) box->setMaxLength(maxLength);
        twips.place(box, at.x(), at.y(), at.width(), at.height());
        return box;
    }

    QComboBox* list(QWidget* parent, const char* name, const QString& accessible,
                    const QRect& at) const {
        auto* box = new QComboBox(parent);
        box->setObjectName(QString::fromLatin1(name));
        NameList(box, accessible);
        UseFont(box, base);
        twips.place(box, at.x(), at.y(), at.width(), at.height());
        return box;
    }

    QRadioButton* option(QWidget* parent, const char* name, const QString& text,
                         const QRect& at) const {
        auto* button = new QRadioButton(text, parent);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(text);
        UseFont(button, base);
        twips.place(button, at.x(), at.y(), at.width(), at.height());
        return button;
    }
};

QButtonGroup* Group(QWidget* parent, const char* name, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(name));
    group->addButton(first, 0);
    group->addButton(second, 1);
    first->setChecked(true);
    return group;
}

}  // namespace

FrmMain::FrmMain(MessageBoxes& boxes, CoordinateLookupFactory lookup, QWidget* parent)
    : MenuWindow(parent), boxes_(boxes), lookup_(std::move(lookup)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setFont(Verdana(8.25));
    const DefaultFontWhileBuilding windowFont(font());
    const Twips twips = Twips::For(this);
    auto onLink = [this](Link link) { Q_EMIT linkRequested(link); };

    QAction* proceed =
        buildMenuBar({QStringLiteral("mnuNext"), tr("&Proceed"), tr("Check for Software &Update"),
                      QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")},
                     [this] { return PlanForm(); });
    connect(proceed, &QAction::triggered, this, &FrmMain::cmdRashi_Click);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips.px(kClientWidth), twips.px(kClientHeight));
    Paint(client, kFormBlue, Qt::black);
    setCentralWidget(client);

    AddForumBanner(client, twips, onLink);
    Frame2_ = client->findChild<QWidget*>(QStringLiteral("Frame2"));
    QFrame* input = AddFrame(client, QStringLiteral("Frame1"), kFormBlue,
                             {0, kInputTop, 9855, kInputHeight}, twips);
    //: the group of every field of the main window, named for a screen reader
    input->setAccessibleName(tr("Your Details and the Time of Work"));
    buildInputFrame(input);
    AddPromotions(client, kPromotionTop, UpperPromotion::FullBrand, twips, onLink);
    // The banners' links come after the form's own stops.
    QWidget* previous = client->findChild<QWidget*>(QStringLiteral("cmdRashi"));
    for (const char* name : {"Label61", "lblFullBrand", "lblCobrand"}) {
        QWidget* link = client->findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(previous, link);
        previous = link;
    }

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
    FitTexts(this);
    txtName_->setFocus();
}

void FrmMain::buildInputFrame(QWidget* frame) {
    const Builder b{Twips::For(this)};
    auto row = [](int top) { return top + kCaptionDrop; };

    // Row 1: the name.
    constexpr int kNameTop = 180;
    txtName_ = b.textBox(frame, "txtName", tr("Enter Your Name"),
                         {kFieldLeft, kNameTop, kFieldWidth, kRowHeight}, b.base);
    b.caption(frame, tr("Enter Your Name"),
              {kCaptionLeft, row(kNameTop), kCaptionWidth, kCaptionHeight}, kPaleYellow, txtName_);

    // Rows 2 and 3: date and time of the work.
    constexpr int kDateTop = 630, kTimeTop = 1080;
    cboMonth_ =
        b.list(frame, "cboMonth", tr("Month of Work"), {kFieldLeft, kDateTop, 1560, kRowHeight});
    cboDate_ = b.list(frame, "cboDate", tr("Day of Work"), {5460, kDateTop, 780, kRowHeight});
    cboYear_ = b.list(frame, "cboYear", tr("Year of Work"), {6300, kDateTop, 900, kRowHeight});
    b.caption(frame, tr("Enter Date for Doing Important Work"),
              {kCaptionLeft, row(kDateTop), kCaptionWidth, kCaptionHeight}, kPaleYellow, cboMonth_);
    cboHour_ =
        b.list(frame, "cboHour", tr("Hour of Work"), {kFieldLeft, kTimeTop, 780, kRowHeight});
    cboMinute_ =
        b.list(frame, "cboMinute", tr("Minute of Work"), {4680, kTimeTop, 780, kRowHeight});
    cboSecond_ =
        b.list(frame, "cboSecond", tr("Second of Work"), {5520, kTimeTop, 780, kRowHeight});
    b.caption(frame, tr("Enter Time for Doing Important Work"),
              {kCaptionLeft, row(kTimeTop), kCaptionWidth, kCaptionHeight}, kPaleYellow, cboHour_);
    b.caption(frame, tr("HH:MM:SS"), {6360, row(kTimeTop), 840, kCaptionHeight}, kPaleYellow);

    // Row 4: the time zone, typed or taken from the catalogue.
    fraZone_ =
        AddFrame(frame, QStringLiteral("fraZone"), kFrameGreen, {120, 1530, 7080, 840}, b.twips);
    fraZone_->setAccessibleName(tr("Enter Your Time Zone"));
    txtZoneHour_ = b.textBox(fraZone_, "txtZoneHour", tr("Time Zone Hour"),
                             {3720, 90, 780, kRowHeight}, b.bold);
    txtZoneMinute_ = b.textBox(fraZone_, "txtZoneMinute", tr("Time Zone Minute"),
                               {4560, 90, 780, kRowHeight}, b.bold);
    b.caption(fraZone_, tr("Enter Your Time Zone"), {120, 120, 3360, kCaptionHeight}, kMaroon,
              txtZoneHour_);
    //: caption below the box of the zone's hours
    b.caption(fraZone_, tr("Hour"), {3720, 450, 780, kCaptionHeight}, kMaroon, nullptr,
              Qt::AlignHCenter);
    //: caption below the box of the zone's minutes (short for minutes)
    b.caption(fraZone_, tr("Min"), {4560, 450, 780, kCaptionHeight}, kMaroon, nullptr,
              Qt::AlignHCenter);
    QFont link = b.bold;
    link.setUnderline(true);
    lblTZHelp_ = AddLink(fraZone_, "lblTZHelp", tr("TZ Help"), link, kMaroon,
                         {5580, 120, 1200, kCaptionHeight}, b.twips);
    connect(lblTZHelp_, &LinkLabel::clicked, this, &FrmMain::lblTZHelp_Click);

    // Row 5: latitude and longitude with their hemispheres.
    struct Coordinate {
        const char* frame;
        int left;
        const char* caption;
        const char *degrees, *minutes;
        QString degreesName, minutesName;
        int degreesLength;
        const char *group, *option0, *option1;
        QString caption0, caption1;
    };
    const Coordinate coordinates[] = {
        {"Frame3", 120, QT_TR_NOOP("Enter Latitude"), "txtLatD", "txtLatM", tr("Latitude Degrees"),
         tr("Latitude Minutes"), 2, "optLat", "optLat_0", "optLat_1", tr("North"), tr("South")},
        {"Frame4", 3720, QT_TR_NOOP("Enter Longitude"), "txtLonD", "txtLonM",
         tr("Longitude Degrees"), tr("Longitude Minutes"), 3, "optLong", "optLong_0", "optLong_1",
         tr("East"), tr("West")},
    };
    for (const Coordinate& c : coordinates) {
        QFrame* box = AddFrame(frame, QString::fromLatin1(c.frame), kFrameGreen,
                               {c.left, 2460, 3480, 1140}, b.twips);
        box->setAccessibleName(tr(c.caption));
        QLineEdit* degrees = b.textBox(box, c.degrees, c.degreesName, {120, 420, 660, kRowHeight},
                                       b.base, c.degreesLength);
        QLineEdit* minutes =
            b.textBox(box, c.minutes, c.minutesName, {840, 420, 660, kRowHeight}, b.base, 2);
        b.caption(box, tr(c.caption), {120, 90, 3240, kCaptionHeight}, kMaroon, degrees);
        //: caption below the box of the degrees of latitude or longitude
        b.caption(box, tr("Deg"), {120, 780, 660, kCaptionHeight}, kMaroon, nullptr,
                  Qt::AlignHCenter);
        //: caption below the box of the minutes of latitude or longitude
        b.caption(box, tr("Min"), {840, 780, 660, kCaptionHeight}, kMaroon, nullptr,
                  Qt::AlignHCenter);
        QRadioButton* first = b.option(box, c.option0, c.caption0, {1800, 390, 1560, 300});
        QRadioButton* second = b.option(box, c.option1, c.caption1, {1800, 720, 1560, 300});
        for (QRadioButton* option : {first, second}) {
            QPalette palette = option->palette();
            palette.setColor(QPalette::WindowText, kMaroon);
            option->setPalette(palette);
        }
        Group(this, c.group, first, second);
        const bool latitude = c.left == 120;
        (latitude ? txtLatD_ : txtLonD_) = degrees;
        (latitude ? txtLatM_ : txtLonM_) = minutes;
        (latitude ? optLat_ : optLong_)[0] = first;
        (latitude ? optLat_ : optLong_)[1] = second;
    }

    // Rows 6 and 7: the place, and the lookup of its coordinates.
    struct Place {
        QLineEdit** box;
        const char* name;
        QString caption;
        int left, top;
    };
    const Place places[] = {
        {&txtMCity_, "txtMCity", tr("Enter Your City Name"), 120, 3690},
        {&txtMState_, "txtMState", tr("Enter Your State Name"), 3720, 3690},
        {&txtMCountry_, "txtMCountry", tr("Enter Your Country Name"), 120, 4410},
    };
    for (const Place& p : places) {
        *p.box =
            b.textBox(frame, p.name, p.caption, {p.left, p.top + 270, 3480, kRowHeight}, b.base);
        b.caption(frame, p.caption, {p.left, p.top, 3480, kCaptionHeight}, kPaleYellow, *p.box);
    }
    auto* cmdBrowser =
        PlaceButton(new WrappingButton(tr("Click Here To Find Latitude && Longitude"), frame),
                    "cmdBrowser", {3720, 4410, 3480, 600}, b.twips);
    connect(cmdBrowser, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);

    // Row 8: the evaluation.
    auto* cmdRashi = PlaceButton(new QPushButton(tr("&Proceed"), frame), "cmdRashi",
                                 {120, 5190, 7080, 450}, b.twips);
    connect(cmdRashi, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);

    QLabel* description =
        AddLabel(frame, QStringLiteral("Label4"),
                 QCoreApplication::translate("velnora::Program", kProgramDescription), b.base,
                 kPaleYellow, {7380, 180, 2355, 5460}, b.twips, true);
    description->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    // Keystroke filters.
    new KeyFilter(txtName_, KeyRule::Name, boxes_);
    new KeyFilter(txtZoneHour_, KeyRule::ZoneHour, boxes_);
    for (QLineEdit* box : {txtZoneMinute_, txtLatD_, txtLatM_, txtLonD_, txtLonM_}) {
        new KeyFilter(box, KeyRule::Digit, boxes_);
    }

    const QList<QWidget*> order = {
        txtName_,   cboMonth_,    cboDate_,       cboYear_,   cboHour_,    cboMinute_,
        cboSecond_, txtZoneHour_, txtZoneMinute_, lblTZHelp_, txtLatD_,    txtLatM_,
        optLat_[0], optLat_[1],   txtLonD_,       txtLonM_,   optLong_[0], optLong_[1],
        txtMCity_,  txtMState_,   txtMCountry_,   cmdBrowser, cmdRashi};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace velnora
