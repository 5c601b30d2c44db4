// SPDX-License-Identifier: GPL-3.0-or-later
// frmFarewell and its referral: the appeal drawn at load, focus and
// placeholders, the key filter, Check1, and the referral checks in their order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "doubles.h"
#include "shell/farewell_form.h"
#include "shell/tell_a_friend.h"
#include "ui/addresses.h"

namespace velnora {
namespace {

using testing::child;
using testing::RecordingBoxes;
using testing::RecordingOpener;
using testing::ScriptedRandom;

class FarewellTest : public ::testing::Test {
protected:
    void Load(double draw = 0.5) {
        random_ = std::make_unique<ScriptedRandom>(std::deque<double>{draw});
        form_ = std::make_unique<FrmFarewell>(boxes_, *random_, help_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
    }
    void SetUp() override { Load(); }

    QLineEdit* Line(const char* name) { return child<QLineEdit>(form_.get(), name); }
    QPlainTextEdit* Message() { return child<QPlainTextEdit>(form_.get(), "txtMessage"); }
    void Submit() {
        QTest::mouseClick(child<QPushButton>(form_.get(), "cmdSubmit"), Qt::LeftButton);
    }

    RecordingBoxes boxes_;
    RecordingOpener opener_;
    Help help_{opener_};
    std::unique_ptr<ScriptedRandom> random_;
    std::unique_ptr<FrmFarewell> form_;
};

TEST_F(FarewellTest, AppealIsDrawnAtLoadFromAFreshSeed) {
    struct Row {
        double r;
        int k;
    };
    for (const Row row : {Row{0.0, 0}, Row{0.2499, 0}, Row{0.25, 1}, Row{0.5, 2}, Row{0.9999, 3}}) {
        EXPECT_EQ(AppealIndex(row.r), row.k) << row.r;
        Load(row.r);
        EXPECT_EQ(random_->seeds, 1);
        EXPECT_EQ(child<QLabel>(form_.get(), "Label2")->text(), FarewellAppeal(row.k)) << row.r;
    }
    QStringList appeals;
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(FarewellAppeal(k).contains(QStringLiteral("Quenvale Forum"))) << k;
        appeals << FarewellAppeal(k);
    }
    appeals.removeDuplicates();
    EXPECT_EQ(appeals.size(), 4);
}

TEST_F(FarewellTest, StaysOnTopWithoutTakingTheFocusAndStartsOnExit) {
    EXPECT_TRUE(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form_->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Velnora v1.15"));
    auto* exit = child<QPushButton>(form_.get(), "cmdClose");
    EXPECT_EQ(exit->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(form_->focusWidget(), exit);

    QSignalSpy end(form_.get(), &FrmFarewell::endProgramRequested);
    QTest::keyClick(form_->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(end.count(), 1);
}

TEST_F(FarewellTest, Check1OpensTheForumAndNeverStaysTicked) {
    auto* check1 = child<QPushButton>(form_.get(), "Check1");
    for (int click = 1; click <= 2; ++click) {
        QTest::mouseClick(check1, Qt::LeftButton);
        EXPECT_FALSE(check1->isChecked());
        EXPECT_EQ(opener_.opened.size(), click);
    }
    EXPECT_EQ(opener_.opened.front(), QString::fromLatin1(address::kForumHome));
}

TEST_F(FarewellTest, PlaceholdersLeaveOnFocusAndReturnWhenEmpty) {
    struct Row {
        const char* box;
        const char* placeholder;
    };
    const Row rows[] = {{"txtName", "Your Name"},
                        {"txtEmail", "Your Email Address"},
                        {"txtFriendName", "Friend's Name"},
                        {"txtFriendEmail", "Friend's Email Address"}};
    auto* exit = child<QPushButton>(form_.get(), "cmdClose");
    for (const Row& row : rows) {
        QLineEdit* box = Line(row.box);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder));
        box->setFocus();
        EXPECT_EQ(box->text(), QString()) << row.box;
        QTest::keyClicks(box, QStringLiteral("Ab"));
        exit->setFocus();
        EXPECT_EQ(box->text(), QStringLiteral("Ab")) << row.box;
        box->setText(QStringLiteral("   "));
        box->setFocus();
        exit->setFocus();
        EXPECT_EQ(box->text(), QString::fromLatin1(row.placeholder)) << row.box;
    }
    // The message box starts with a line break after its placeholder, so focus
    // leaves it alone.
    Message()->setFocus();
    EXPECT_EQ(Message()->toPlainText(), QStringLiteral("Your Message\n"));
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(FarewellTest, AddressBoxesRefuseASpace) {
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        boxes_.shown.clear();
        QLineEdit* box = Line(name);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("a b"));
        EXPECT_EQ(box->text(), QStringLiteral("ab")) << name;
        EXPECT_EQ(
            boxes_.shown,
            (std::vector<testing::Shown>{
                {QStringLiteral("Email Address Cannot Contain Space"), Icon::Critical, false}}))
            << name;
        EXPECT_EQ(form_->focusWidget(), box) << name;
    }
    QLineEdit* name = Line("txtName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Ram Kumar"));
    EXPECT_EQ(name->text(), QStringLiteral("Ram Kumar"));
}

// Each row fills the boxes (nullptr leaves the placeholder) and presses
// "Refer A Friend Now"; the first failing check is the only message.
TEST_F(FarewellTest, SubmitChecksInOrder) {
    struct Row {
        const char* name;
        const char* txtName;
        const char* txtEmail;
        const char* txtFriendName;
        const char* txtFriendEmail;
        const char* message;
    };
    const Row rows[] = {
        {"untouched-form", nullptr, nullptr, nullptr, nullptr, "Please Enter Proper Email Address"},
        {"equal-addresses-before-anything-else", "", "a@b.in", "", "a@b.in",
         "Please Enter Distinct Email Addresses"},
        {"equal-after-trimming", "Ram", " a@b.in", "Sita", "a@b.in  ",
         "Please Enter Distinct Email Addresses"},
        {"only-friend-filled", nullptr, nullptr, nullptr, "sita@b.in",
         "Please Enter Proper Email Address"},
        {"friend-without-at-sign", "Ram", "ram@b.in", "Sita", "sita.b.in",
         "Please Enter Proper Email Address"},
        {"mine-without-full-stop", "Ram", "ram@bin", "Sita", "sita@b.in",
         "Please Enter Proper Email Address"},
        {"letter-case-makes-them-distinct", nullptr, "Ram@b.in", nullptr, "ram@b.in",
         "Please Enter Your Name"},
        {"name-of-blanks", "   ", "ram@b.in", nullptr, "sita@b.in", "Please Enter Your Name"},
        {"friend-name-left", "Ram", "ram@b.in", nullptr, "sita@b.in",
         "Please Enter Your Friend's Name"},
        {"friend-name-is-its-placeholder", "Ram", "ram@b.in", " Friend's Name ", "sita@b.in",
         "Please Enter Your Friend's Name"},
    };
    for (const Row& row : rows) {
        Load();
        boxes_.shown.clear();
        const auto fill = [&](const char* box, const char* text) {
            if (text) Line(box)->setText(QString::fromUtf8(text));
        };
        fill("txtName", row.txtName);
        fill("txtEmail", row.txtEmail);
        fill("txtFriendName", row.txtFriendName);
        fill("txtFriendEmail", row.txtFriendEmail);
        Submit();
        EXPECT_EQ(
            boxes_.shown,
            (std::vector<testing::Shown>{{QString::fromUtf8(row.message), Icon::Critical, false}}))
            << row.name;
        EXPECT_TRUE(opener_.opened.isEmpty()) << row.name;
    }
}

TEST_F(FarewellTest, CompleteFormOpensOneEncodedAddressAndKeepsItsTexts) {
    Line("txtName")->setText(QStringLiteral("  Ram Kumar "));
    Line("txtEmail")->setText(QStringLiteral("ram@example.in"));
    Line("txtFriendName")->setText(QStringLiteral("Sita & Co"));
    Line("txtFriendEmail")->setText(QStringLiteral("sita@example.org"));
    Submit();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(opener_.opened,
              QStringList{QStringLiteral(
                  "https://velnora.example/refer-a-friend?taf1=Ram%20Kumar&taf2=ram%40example.in"
                  "&taf3=Your%20Message%0D%0A&taf4=Sita%20%26%20Co&taf5=sita%40example.org"
                  "&taf6=https%3A%2F%2Fvelnora.example%2F")});
    EXPECT_EQ(form_->referralFields().message, QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(Line("txtName")->text(), QStringLiteral("  Ram Kumar "));
    EXPECT_TRUE(form_->isVisible());
}

TEST_F(FarewellTest, TypedMessageLinesTravelAsCarriageReturnLineFeed) {
    Message()->setPlainText(QStringLiteral("Try it\nnow"));
    Line("txtName")->setText(QStringLiteral("Ram"));
    Line("txtEmail")->setText(QStringLiteral("ram@example.in"));
    Line("txtFriendName")->setText(QStringLiteral("Sita"));
    Line("txtFriendEmail")->setText(QStringLiteral("sita@example.org"));
    Submit();
    ASSERT_EQ(opener_.opened.size(), 1);
    EXPECT_TRUE(opener_.opened.front().contains(QStringLiteral("&taf3=Try%20it%0D%0Anow&taf4=")));
}

TEST(SubmitReferral, EachFieldIsCheckedInOrder) {
    const ReferralFields complete{QStringLiteral("Ram"), QStringLiteral("ram@b.in"),
                                  QStringLiteral("Hello"), QStringLiteral("Sita"),
                                  QStringLiteral("sita@b.in")};
    struct Row {
        const char* name;
        QString ReferralFields::*field;
        const char* value;
        MessageId message;
    };
    const Row rows[] = {
        {"name-empty", &ReferralFields::name, "", MessageId::EnterYourName},
        {"email-placeholder", &ReferralFields::email, "Your Email Address",
         MessageId::EnterYourEmail},
        {"message-placeholder", &ReferralFields::message, "Your Message",
         MessageId::EnterYourMessage},
        {"message-blanks", &ReferralFields::message, "   ", MessageId::EnterYourMessage},
        {"friend-name-empty", &ReferralFields::friendName, "", MessageId::EnterFriendsName},
        {"friend-email-placeholder", &ReferralFields::friendEmail, "Friend's Email Address",
         MessageId::EnterFriendsEmail},
    };
    EXPECT_EQ(ReferralRefusal(complete), std::nullopt);
    for (const Row& row : rows) {
        ReferralFields fields = complete;
        fields.*row.field = QString::fromUtf8(row.value);
        EXPECT_EQ(ReferralRefusal(fields), row.message) << row.name;
    }
    // With every field missing, the name is reported first.
    EXPECT_EQ(ReferralRefusal({}), MessageId::EnterYourName);

    RecordingBoxes boxes;
    RecordingOpener opener;
    Help help(opener);
    ReferralFields noFriend = complete;
    noFriend.friendEmail.clear();
    SubmitReferral(noFriend, boxes, help, nullptr);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Please Enter Your Friend's Email")});
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(ReferralAddress, ValuesCannotBreakOrAddParameters) {
    const ReferralFields fields{QStringLiteral("A&taf6=x"), QStringLiteral("a#b@c.d"),
                                QStringLiteral("100% = sure"), QStringLiteral("B+C"),
                                QStringLiteral("d@e.f")};
    EXPECT_EQ(ReferralAddress(fields),
              QStringLiteral("https://velnora.example/refer-a-friend?taf1=A%26taf6%3Dx"
                             "&taf2=a%23b%40c.d&taf3=100%25%20%3D%20sure&taf4=B%2BC"
                             "&taf5=d%40e.f&taf6=https%3A%2F%2Fvelnora.example%2F"));
}

}  // namespace
}  // namespace velnora
