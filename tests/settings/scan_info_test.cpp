#include "settings/scan_info.h"

#include <gtest/gtest.h>

#include "model/channel_table.h"
#include "settings/dialog_number.h"

namespace qm530 {
namespace {

namespace a = settings::scan_addr;
using Dir = settings::SpinDirection;

// An image whose channel n has a receive frequency (top byte 0x14).
RadioImage WithChannels(std::initializer_list<int> channels) {
    RadioImage image = RadioImage::Default();
    for (int n : channels) image[static_cast<std::size_t>(n * 16 + 3)] = 0x14;
    return image;
}

// Priority Fixed with channel 5 programmed: the look-back edits are enabled.
RadioImage FixedOnChannel5() {
    RadioImage image = WithChannels({5});
    image[a::kPriorityMode] = settings::kPriorityFixed;
    image[a::kPriorityChannel] = 5;
    return image;
}

std::vector<std::string> Items(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

TEST(ScanInfoSteps, SpinsWalkTheWholeGridAndWrap) {
    for (int code = 1; code <= 91; ++code) {
        // Through the text shown, as the dialog does it.
        const Result<double> read = settings::ReadDialogDouble(
            settings::FormatDialogDouble(settings::LookBackTimeOfCode(code)));
        ASSERT_TRUE(read);
        const double x = *read;
        const double up = settings::SpinLookBack(x, Dir::Up);
        const double down = settings::SpinLookBack(x, Dir::Down);
        EXPECT_EQ(settings::LookBackCodeOfTime(up), code == 91 ? 1 : code + 1) << code;
        EXPECT_EQ(settings::LookBackCodeOfTime(down), code == 1 ? 91 : code - 1) << code;
        EXPECT_EQ(
            settings::FormatDialogDouble(up),
            settings::FormatDialogDouble(settings::LookBackTimeOfCode(code == 91 ? 1 : code + 1)));
    }
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(5.0, Dir::Up)), "0.5");
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(0.5, Dir::Down)), "5");
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(0.9, Dir::Up)), "0.95");
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(0.95, Dir::Down)), "0.9");
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(0.1, Dir::Up)), "0.5");
    EXPECT_EQ(settings::FormatDialogDouble(settings::SpinLookBack(9.0, Dir::Down)), "5");

    EXPECT_EQ(settings::SpinScanTime(300, Dir::Up), 0);
    EXPECT_EQ(settings::SpinScanTime(0, Dir::Down), 300);
    EXPECT_EQ(settings::SpinScanTime(48, Dir::Up), 49);
    EXPECT_EQ(settings::SpinScanTime(2147483647, Dir::Up), 0);
    EXPECT_EQ(settings::SpinScanTime(-2147483647 - 1, Dir::Down), 300);
}

TEST(ScanInfoSteps, FocusLeaveLimitsAndCodes) {
    EXPECT_EQ(settings::FormatDialogDouble(settings::ClampLookBack(7)), "5");
    EXPECT_EQ(settings::FormatDialogDouble(settings::ClampLookBack(0.33)), "0.5");
    EXPECT_EQ(settings::FormatDialogDouble(settings::ClampLookBack(0.97)), "0.95");
    EXPECT_EQ(settings::FormatDialogDouble(settings::ClampLookBack(0.9)), "0.9");  // not 0.85
    EXPECT_EQ(settings::ClampScanTime(400), 300);
    EXPECT_EQ(settings::ClampScanTime(-3), 0);
    EXPECT_EQ(settings::LookBackCodeOfTime(0.9), 9);
    EXPECT_EQ(settings::LookBackCodeOfTime(1.5), 21);
    EXPECT_EQ(settings::LookBackCodeOfTime(5.0), 91);
    EXPECT_EQ(settings::LookBackCodeOfTime(0.5), 1);
}

TEST(ScanInfoSteps, ProgrammedChannelsOnlyOneToSixteen) {
    RadioImage image = RadioImage::Blank();
    image.bytes.fill(0x12);  // every row looks programmed
    EXPECT_TRUE(ChannelProgrammedInImage(image, 1));
    EXPECT_TRUE(ChannelProgrammedInImage(image, 16));
    for (int n : {0, 17, 63, 64, 1000, -1, -2147483647 - 1, 2147483647}) {
        EXPECT_FALSE(ChannelProgrammedInImage(image, n)) << n;
    }
    image[3 * 16 + 3] = 0x00;
    EXPECT_FALSE(ChannelProgrammedInImage(image, 3));
    image[3 * 16 + 3] = 0xFF;
    EXPECT_FALSE(ChannelProgrammedInImage(image, 3));
}

TEST(ScanInfoDialog, NewDocumentOpensAndOkKeepsTheImage) {
    RadioImage image = RadioImage::Default();
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    const settings::ScanInfoForm& f = dlg.form();
    EXPECT_EQ(f.priority, settings::kPriorityNone);
    EXPECT_FALSE(f.priorityChannelEnabled);
    EXPECT_FALSE(f.lookBackEnabled);
    EXPECT_EQ(f.priorityChannel, "");
    EXPECT_EQ(f.lookBackA, "0.9");
    EXPECT_EQ(f.lookBackB, "1.5");
    EXPECT_EQ(f.revertItems, Items({"Selected", "Selected+Talk back"}));
    EXPECT_EQ(f.revert, -1);
    EXPECT_EQ(f.dropoutDelay, "48");
    EXPECT_EQ(f.txDwell, "48");
    const settings::ScanOutcome out = dlg.Ok(image);
    EXPECT_FALSE(out.refused);
    EXPECT_FALSE(out.invalidNumber);
    EXPECT_EQ(image, RadioImage::Default());
}

TEST(ScanInfoDialog, PriorityModeDrivesFieldsAndRevertList) {
    RadioImage image = WithChannels({5});
    image[a::kPriorityMode] = settings::kPriorityFixed;
    image[a::kPriorityChannel] = 5;
    image[a::kRevertChannel] = 2;
    settings::ScanInfoLogic dlg(UiLanguage::Chinese);
    dlg.Load(image);
    EXPECT_EQ(dlg.form().priorityChannel, " 5");
    EXPECT_EQ(dlg.form().revertItems[static_cast<std::size_t>(dlg.form().revert)], "优先");
    EXPECT_TRUE(dlg.form().priorityChannelEnabled);

    dlg.SelectPriority(settings::kPrioritySelected);
    EXPECT_EQ(dlg.form().priorityChannel, "");
    EXPECT_FALSE(dlg.form().priorityChannelEnabled);
    EXPECT_FALSE(dlg.form().lookBackEnabled);
    EXPECT_EQ(dlg.form().revertItems, Items({"优先", "优先+当前通话"}));
    EXPECT_EQ(dlg.form().revert, 0);

    dlg.SelectPriority(settings::kPriorityFixed);
    EXPECT_TRUE(dlg.form().priorityChannelEnabled);
    EXPECT_TRUE(dlg.form().lookBackEnabled);
    EXPECT_EQ(dlg.form().priorityChannel, "");  // not restored
    EXPECT_EQ(dlg.form().revertItems.size(), 4u);
    EXPECT_EQ(dlg.form().revert, 0);

    // In mode Selected the second choice is stored as 3 and reopens as itself.
    dlg.SelectPriority(settings::kPrioritySelected);
    dlg.form().revert = 1;
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kPriorityMode], settings::kPrioritySelected);
    EXPECT_EQ(image[a::kRevertChannel], 3);
    EXPECT_EQ(image[a::kPriorityChannel], 5);  // only mode Fixed writes it
    settings::ScanInfoLogic again;
    again.Load(image);
    EXPECT_EQ(again.form().revertItems[static_cast<std::size_t>(again.form().revert)],
              "Priority+Talk back");
}

TEST(ScanInfoDialog, OkChecksThePriorityChannel) {
    RadioImage image = WithChannels({1, 2, 16});
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    dlg.SelectPriority(settings::kPriorityFixed);
    const RadioImage before = image;
    for (const char* text : {"3", "", "0", "17", "ab", "64", "-1"}) {
        dlg.form().priorityChannel = text;
        const settings::ScanOutcome out = dlg.Ok(image);
        EXPECT_TRUE(out.refused) << text;
        EXPECT_EQ(out.RefusalMessage(UiLanguage::English), "Please select channel inputed");
        EXPECT_EQ(out.RefusalMessage(UiLanguage::Chinese), "请选择已输入的信道");
        EXPECT_EQ(image, before) << text;
        EXPECT_EQ(dlg.form().priorityChannel, text);  // nothing selected, nothing deleted
    }
    // The selected part of the text is deleted on a refusal.
    dlg.form().priorityChannel = "13";
    EXPECT_TRUE(dlg.Ok(image, {1, 1}).refused);
    EXPECT_EQ(dlg.form().priorityChannel, "1");
    EXPECT_EQ(dlg.members().priorityChannel, "1");

    dlg.form().priorityChannel = "16";
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kPriorityMode], settings::kPriorityFixed);
    EXPECT_EQ(image[a::kPriorityChannel], 16);
    dlg.form().priorityChannel = " 2";
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kPriorityChannel], 2);

    // Other modes never look at it.
    dlg.SelectPriority(settings::kPriorityNone);
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kPriorityChannel], 2);
}

TEST(ScanInfoDialog, SpinsAndFocusLeaveGoThroughTheEdits) {
    RadioImage image = FixedOnChannel5();
    image[a::kLookBackA] = 91;  // 5.0
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    EXPECT_EQ(dlg.form().lookBackA, "5");
    dlg.Spin(settings::ScanField::LookBackA, Dir::Up);
    EXPECT_EQ(dlg.form().lookBackA, "0.5");
    dlg.Spin(settings::ScanField::LookBackA, Dir::Down);
    EXPECT_EQ(dlg.form().lookBackA, "5");

    dlg.form().lookBackB = "0.97";
    dlg.LeaveField(settings::ScanField::LookBackB);
    EXPECT_EQ(dlg.form().lookBackB, "0.95");
    dlg.form().lookBackA = "7";
    dlg.LeaveField(settings::ScanField::LookBackA);
    EXPECT_EQ(dlg.form().lookBackA, "5");
    dlg.form().lookBackA = "0.33";
    dlg.LeaveField(settings::ScanField::LookBackA);
    EXPECT_EQ(dlg.form().lookBackA, "0.5");

    dlg.form().dropoutDelay = "300";
    dlg.Spin(settings::ScanField::DropoutDelay, Dir::Up);
    EXPECT_EQ(dlg.form().dropoutDelay, "0");
    dlg.Spin(settings::ScanField::DropoutDelay, Dir::Down);
    EXPECT_EQ(dlg.form().dropoutDelay, "300");
    dlg.form().txDwell = "400";
    dlg.LeaveField(settings::ScanField::TxDwell);
    EXPECT_EQ(dlg.form().txDwell, "300");

    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kLookBackA], 1);
    EXPECT_EQ(image[a::kLookBackB], 10);
    EXPECT_EQ(image[0x165], 0x2C);
    EXPECT_EQ(image[0x166], 0x01);
    EXPECT_EQ(image[0x167], 0x2C);
    EXPECT_EQ(image[0x168], 0x01);
}

TEST(ScanInfoDialog, OkAppliesTheLimitsOfLeavingAField) {
    RadioImage image = FixedOnChannel5();
    image[a::kLookBackB] = 0;  // 0.45, below the range
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    EXPECT_TRUE(dlg.form().lookBackEnabled);
    EXPECT_EQ(dlg.form().lookBackB, "0.45");
    dlg.form().lookBackA = "7";  // Enter pressed while still in the field
    dlg.form().dropoutDelay = "400";
    dlg.form().txDwell = "65536";
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kLookBackA], 91);
    EXPECT_EQ(image[a::kLookBackB], 1);
    EXPECT_EQ(image[0x165], 0x2C);
    EXPECT_EQ(image[0x166], 0x01);
    EXPECT_EQ(image[0x167], 0x2C);
    EXPECT_EQ(image[0x168], 0x01);
    EXPECT_EQ(dlg.form().lookBackA, "5");
}

TEST(ScanInfoDialog, DisabledLookBackFieldsStoreTheCodesTheyLoaded) {
    // Codes outside 0.5-5.0 that the user cannot touch with Priority None
    // or Selected; leaving Fixed again disables them once more.
    for (const int mode :
         {settings::kPriorityNone, settings::kPrioritySelected, settings::kPriorityFixed}) {
        RadioImage image = WithChannels({5});
        image[a::kPriorityMode] = settings::kPriorityNone;
        image[a::kLookBackA] = 0x00;
        image[a::kLookBackB] = 0xC8;
        settings::ScanInfoLogic dlg;
        dlg.Load(image);
        dlg.SelectPriority(mode);
        if (mode == settings::kPriorityFixed) dlg.SelectPriority(settings::kPrioritySelected);
        EXPECT_FALSE(dlg.Ok(image).refused);
        EXPECT_EQ(image[a::kLookBackA], 0x00) << mode;
        EXPECT_EQ(image[a::kLookBackB], 0xC8) << mode;
    }
    // Enabled, the same codes are brought into range.
    RadioImage image = FixedOnChannel5();
    image[a::kLookBackA] = 0x00;
    image[a::kLookBackB] = 0xC8;
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kLookBackA], 1);
    EXPECT_EQ(image[a::kLookBackB], 91);
}

TEST(ScanInfoDialog, UnknownPriorityModeIsKeptUnlessChosen) {
    RadioImage image = RadioImage::Default();
    image[a::kPriorityMode] = 7;
    image[a::kPriorityChannel] = 0x33;
    image[a::kRevertChannel] = 2;
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    EXPECT_EQ(dlg.form().priority, -1);
    EXPECT_EQ(dlg.form().priorityChannel, "");
    EXPECT_FALSE(dlg.form().priorityChannelEnabled);
    EXPECT_EQ(dlg.form().revertItems.size(), 4u);
    EXPECT_EQ(dlg.form().revert, 2);
    const RadioImage before = image;
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image, before);

    dlg.SelectPriority(settings::kPriorityNone);
    EXPECT_FALSE(dlg.Ok(image).refused);
    EXPECT_EQ(image[a::kPriorityMode], 0);
    EXPECT_EQ(image[a::kRevertChannel], 0);
    EXPECT_EQ(image[a::kPriorityChannel], 0x33);
}

TEST(ScanInfoDialog, NoRevertSelectionStoresUnprogrammedInEveryMode) {
    for (int mode :
         {settings::kPriorityNone, settings::kPriorityFixed, settings::kPrioritySelected}) {
        RadioImage image = WithChannels({1});
        image[a::kPriorityMode] = static_cast<std::uint8_t>(mode);
        image[a::kPriorityChannel] = 1;
        image[a::kRevertChannel] = 0xFF;
        settings::ScanInfoLogic dlg;
        dlg.Load(image);
        EXPECT_EQ(dlg.form().revert, -1) << mode;
        const RadioImage before = image;
        EXPECT_FALSE(dlg.Ok(image).refused);
        EXPECT_EQ(image, before) << mode;
    }
}

TEST(ScanInfoDialog, ReadingStopsAtTheFirstFieldThatIsNoNumber) {
    RadioImage image = FixedOnChannel5();
    settings::ScanInfoLogic dlg;
    dlg.Load(image);
    // Read order: A, B, Tx Dwell, Dropout Delay, Priority Channel.
    dlg.form().lookBackA = "1.0";
    dlg.form().lookBackB = "x";
    dlg.form().txDwell = "10";
    settings::ScanOutcome out = dlg.Spin(settings::ScanField::TxDwell, Dir::Up);
    ASSERT_TRUE(out.invalidNumber);
    EXPECT_EQ(*out.invalidNumber, settings::ScanField::LookBackB);
    EXPECT_EQ(out.InvalidNumberPrompt(UiLanguage::English), "Please enter a number.");
    EXPECT_EQ(dlg.form().lookBackA, "1");    // read
    EXPECT_EQ(dlg.form().lookBackB, "1.5");  // kept its member
    EXPECT_EQ(dlg.form().txDwell, "49");     // 48 kept, then spun

    dlg.form().dropoutDelay = "";
    dlg.form().lookBackB = "2";
    out = dlg.LeaveField(settings::ScanField::LookBackB);
    ASSERT_TRUE(out.invalidNumber);
    EXPECT_EQ(*out.invalidNumber, settings::ScanField::DropoutDelay);
    EXPECT_EQ(out.InvalidNumberPrompt(UiLanguage::English), "Please enter an integer.");
    EXPECT_EQ(dlg.form().dropoutDelay, "48");
    EXPECT_EQ(dlg.form().lookBackB, "2");

    // OK goes on with the members as they are.
    dlg.form().lookBackA = "abc";
    out = dlg.Ok(image);
    ASSERT_TRUE(out.invalidNumber);
    EXPECT_EQ(*out.invalidNumber, settings::ScanField::LookBackA);
    EXPECT_FALSE(out.refused);
    EXPECT_EQ(image[a::kLookBackA], 11);  // 1.0
    EXPECT_EQ(image[a::kLookBackB], 31);  // 2.0
    EXPECT_EQ(image[a::kTxDwell], 49);
}

}  // namespace
}  // namespace qm530
