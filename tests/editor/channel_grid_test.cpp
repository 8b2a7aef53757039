// The channel view's grid: first update, cell editors, validation and
// navigation, driven with the mouse and the keys as a user drives them.

#include "editor/channel_grid.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid_model.h"
#include "model/channel_table.h"
#include "view_test_env.h"

namespace qm530::test {
namespace {

const QString kOutOfRange = QStringLiteral("Out of range,please input again.");
const QString kStepError =
    QStringLiteral("Error data Value, please input according the step value(6.25K/5k).");

QString Header(editor::CChannelGrid* grid, Qt::Orientation orientation, int section,
               int role = Qt::DisplayRole) {
    return grid->model()->headerData(section, orientation, role).toString();
}

TEST(FirstUpdate, LaysOutTheGridAndBuildsTheEditors) {
    ViewEnv env;
    env.Open(ImageOfModel(0, 0));
    editor::CChannelGrid* grid = env.Grid();

    EXPECT_EQ(grid->objectName(), QStringLiteral("Grid1000"));
    EXPECT_EQ(grid->Rows(), 17);
    EXPECT_EQ(grid->Cols(), 9);
    const char* headers[] = {"CH",    "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
                             "Power", "Scan Add",     "Busy Lock",    "W/N"};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(grid->TextMatrix(0, c), headers[c]) << c;
    for (int c = 1; c < 9; ++c) EXPECT_EQ(Header(grid, Qt::Horizontal, c - 1), headers[c]);
    EXPECT_EQ(Header(grid, Qt::Vertical, 0), QStringLiteral(" 1"));
    EXPECT_EQ(Header(grid, Qt::Vertical, 8), QStringLiteral(" 9"));
    EXPECT_EQ(Header(grid, Qt::Vertical, 15), QStringLiteral("16"));

    // Widths 0.5 : 1.3 : 1.3 : 1.1 : 1.1 : 0.9 x 4 of the stored column-0 width.
    const int w0 = editor::CChannelGrid::kStoredColumn0Width;
    const int expected[] = {int(w0 * 0.5), int(w0 * 1.3), int(w0 * 1.3),
                            int(w0 * 1.1), int(w0 * 1.1), int(w0 * 0.9),
                            int(w0 * 0.9), int(w0 * 0.9), int(w0 * 0.9)};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(grid->ColWidth(c), expected[c]) << c;
    EXPECT_EQ(grid->verticalHeader()->width(), expected[0]);
    EXPECT_EQ(grid->columnWidth(0), expected[1]);

    // Centred text, blue fixed cells, the view's serif font.
    for (int c = 0; c < 9; ++c) EXPECT_EQ(grid->Model()->ColumnAlignment(c), Qt::AlignCenter);
    EXPECT_EQ(grid->model()
                  ->data(grid->model()->index(3, 4), Qt::TextAlignmentRole)
                  .value<Qt::Alignment>(),
              Qt::AlignCenter);
    const QColor fixed =
        grid->model()->headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color();
    EXPECT_EQ(fixed, QColor(0x00, 0x32, 0xF0));
    EXPECT_EQ(
        grid->model()->headerData(2, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(),
        fixed);
    EXPECT_EQ(grid->font().pointSize(), 9);
    EXPECT_EQ(grid->font().styleHint(), QFont::Serif);

    // The eight editors: hidden, ids, kinds and items.
    editor::CellEditors* editors = env.Editors();
    ASSERT_NE(editors, nullptr);
    const char* names[] = {"Edit2127",  "Edit2128",  "Combo2132", "Combo2133",
                           "Combo1129", "Combo1134", "Combo1139", "Combo1128"};
    for (int c = 1; c <= 8; ++c) {
        QWidget* editor = editors->EditorForColumn(c);
        EXPECT_EQ(editor->objectName(), names[c - 1]);
        EXPECT_TRUE(editor->isHidden());
        EXPECT_EQ(editor->parentWidget(), grid->viewport());
        EXPECT_EQ(editor->font().pointSize(), 9);
    }
    EXPECT_EQ(editors->EditorForColumn(0), editors->EditorForColumn(8));
    EXPECT_EQ(editors->EditorForColumn(9), editors->EditorForColumn(8));
    EXPECT_FALSE(editors->EditBoxForColumn(1)->hasFrame());
    for (int c : {3, 4}) {
        QComboBox* tones = editors->ListForColumn(c);
        ASSERT_EQ(tones->count(), 265);
        EXPECT_EQ(tones->itemText(0), QStringLiteral("None"));
        EXPECT_EQ(tones->itemText(1), QStringLiteral("67.0"));
        EXPECT_EQ(tones->itemText(264), QStringLiteral("D754I"));
    }
    auto items = [&](int c) {
        QStringList texts;
        for (int i = 0; i < editors->ListForColumn(c)->count(); ++i)
            texts << editors->ListForColumn(c)->itemText(i);
        return texts;
    };
    EXPECT_EQ(items(5), QStringList({"High", "Low"}));
    EXPECT_EQ(items(6), QStringList({"Yes", "No"}));
    EXPECT_EQ(items(7), QStringList({"Off", "Carrier", "QT/DQT"}));
    EXPECT_EQ(items(8), QStringList({"Wide", "Narrow"}));
    EXPECT_EQ(env.view->PortName, "COM1");
}

TEST(FirstUpdate, ChineseTextsAndASecondUpdateRefreshesOnly) {
    ViewEnv env(UiLanguage::Chinese);
    editor::CProgramView& view = env.Open(ImageOfModel(0, 0));
    editor::CChannelGrid* grid = env.Grid();
    EXPECT_EQ(grid->TextMatrix(0, 0), "信道");
    EXPECT_EQ(Header(grid, Qt::Horizontal, 2), QStringLiteral("QT/DQT解码"));
    EXPECT_EQ(Header(grid, Qt::Horizontal, 7), QStringLiteral("宽/窄"));
    editor::CellEditors* editors = env.Editors();
    EXPECT_EQ(editors->ListForColumn(3)->itemText(0), QStringLiteral("无"));
    EXPECT_EQ(editors->ListForColumn(7)->itemText(1), QStringLiteral("载波"));
    EXPECT_EQ(editors->ListForColumn(6)->itemText(0), QStringLiteral("有"));

    env.doc.Image[0x10] = 0x00;
    env.doc.Image[0x11] = 0x25;
    env.doc.Image[0x12] = 0x51;
    env.doc.Image[0x13] = 0x14;
    view.OnInitialUpdate();
    EXPECT_EQ(env.Editors(), editors);
    EXPECT_EQ(editors->ListForColumn(3)->count(), 265);
    EXPECT_EQ(env.Cell(1, 1), "145.12500");
    EXPECT_EQ(grid->model()->data(grid->model()->index(0, 0)).toString(),
              QStringLiteral("145.12500"));
}

TEST(FirstUpdate, TheDocumentWindowGetsTitleIco) {
    ViewEnv env;
    ASSERT_TRUE(QFile::link(QStringLiteral(QM530_BIN_DIR "/title.ico"),
                            env.dir.filePath(QStringLiteral("title.ico"))));
    env.Open(ImageOfModel(0, 0));
    EXPECT_FALSE(env.frame->windowIcon().isNull());

    ViewEnv bare;  // no title.ico: no icon, and nothing to report
    bare.Open(ImageOfModel(0, 0));
    EXPECT_TRUE(bare.frame->windowIcon().isNull());
    EXPECT_TRUE(bare.services.boxes.empty());
}

// The grid on band 130 - 160MHz (model 0, band 0 of the test's Program.ini).
class CellEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        env.Open(ImageOfModel(0, 0));
        ASSERT_EQ(env.view->BandLow, 13000000);
        ASSERT_EQ(env.view->BandHigh, 16000000);
    }
    editor::CChannelGrid* grid() { return env.Grid(); }
    editor::CellEditors* editors() { return env.Editors(); }
    // Types an Rx or Tx frequency into a cell and leaves it with the mouse.
    void Enter(int row, int column, const QString& text) {
        ClickCell(grid(), row, column);
        Type(text);
        ClickCell(grid(), row == 16 ? 15 : row + 1, 5);
    }
    void ExpectMessage(const QString& text) {
        ASSERT_EQ(env.services.boxes.size(), 1u);
        EXPECT_EQ(env.services.boxes[0].text, text);
        EXPECT_EQ(env.services.boxes[0].caption, QStringLiteral("Caution"));
        EXPECT_EQ(env.services.boxes[0].buttons, ui::MsgButtons::Ok);
        EXPECT_EQ(env.services.boxes[0].icon, ui::MsgIcon::Exclamation);
        env.services.boxes.clear();
    }
    void ExpectRowEmpty(int row) {
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(env.Cell(row, c), "") << "row " << row << " column " << c;
    }

    ViewEnv env;
};

TEST_F(CellEditing, TheEditorCoversTheCellWithItsTextSelected) {
    ClickCell(grid(), 2, 1);
    QLineEdit* rx = editors()->EditBoxForColumn(1);
    EXPECT_TRUE(rx->isVisible());
    EXPECT_TRUE(rx->hasFocus());
    EXPECT_EQ(rx->geometry(), grid()->CellRect());
    EXPECT_EQ(grid()->Row(), 2);
    EXPECT_EQ(grid()->Col(), 1);
    Type(QStringLiteral("145.125"));
    ClickCell(grid(), 2, 1);  // the Rx editor covers it: a click on the editor
    ClickCell(grid(), 2, 4);
    EXPECT_TRUE(rx->isHidden());
    QComboBox* encode = editors()->ListForColumn(4);
    EXPECT_TRUE(encode->isVisible());
    EXPECT_EQ(encode->geometry().topLeft(), grid()->CellRect().topLeft());
    EXPECT_EQ(encode->currentText(), QStringLiteral("None"));

    ClickCell(grid(), 2, 1);
    EXPECT_EQ(rx->text(), QStringLiteral("145.12500"));
    EXPECT_EQ(rx->selectedText(), QStringLiteral("145.12500"));
    // Only one editor is open at a time.
    int open = 0;
    for (QWidget* editor : editors()->All()) open += editor->isHidden() ? 0 : 1;
    EXPECT_EQ(open, 1);
}

TEST_F(CellEditing, AnRxFrequencyInAnEmptyRowMakesAChannelWithDefaults) {
    Enter(1, 1, QStringLiteral("145.125"));
    EXPECT_EQ(env.Cell(1, 1), "145.12500");
    EXPECT_EQ(env.Cell(1, 2), "");
    const char* defaults[] = {"None", "None", "High", "No", "Off", "Wide"};
    for (int c = 3; c <= 8; ++c) EXPECT_EQ(env.Cell(1, c), defaults[c - 3]);
    EXPECT_TRUE(env.services.boxes.empty());
    EXPECT_EQ(grid()->model()->data(grid()->model()->index(0, 6)).toString(),
              QStringLiteral("Off"));

    // Digits below 10 Hz are dropped; the decimal scaling keeps 136.0125 whole.
    Enter(2, 1, QStringLiteral("145.1250004"));
    EXPECT_EQ(env.Cell(2, 1), "145.12500");
    Enter(3, 1, QStringLiteral("136.0125"));
    EXPECT_EQ(env.Cell(3, 1), "136.01250");
    Enter(4, 1, QStringLiteral("145.00625"));
    EXPECT_EQ(env.Cell(4, 1), "145.00625");
    EXPECT_TRUE(env.services.boxes.empty());
}

TEST_F(CellEditing, FrequenciesOffTheRasterOrOutOfTheBandEmptyTheRow) {
    Enter(1, 1, QStringLiteral("145.1234"));
    ExpectMessage(kStepError);
    ExpectRowEmpty(1);
    Enter(1, 1, QStringLiteral("145.0025"));
    ExpectMessage(kStepError);

    Enter(2, 1, QStringLiteral("170"));
    ExpectMessage(kOutOfRange);
    ExpectRowEmpty(2);
    // Inclusive band edges.
    Enter(2, 1, QStringLiteral("130"));
    Enter(3, 1, QStringLiteral("160"));
    EXPECT_EQ(env.Cell(2, 1), "130.00000");
    EXPECT_EQ(env.Cell(3, 1), "160.00000");
    EXPECT_TRUE(env.services.boxes.empty());
    Enter(3, 1, QStringLiteral("160.005"));
    ExpectMessage(kOutOfRange);
    ExpectRowEmpty(3);
    // Not a number at all: out of the band.
    Enter(4, 1, QStringLiteral("abc"));
    ExpectMessage(kOutOfRange);
    Enter(4, 1, QStringLiteral("-145"));
    ExpectMessage(kOutOfRange);
    EXPECT_TRUE(editors()->EditBoxForColumn(1)->isHidden() || grid()->Row() != 4);
}

TEST_F(CellEditing, ClearingTheRxFrequencyDeletesTheChannel) {
    Enter(5, 1, QStringLiteral("150"));
    Enter(5, 2, QStringLiteral("151"));
    ASSERT_EQ(env.Cell(5, 2), "151.00000");
    ClickCell(grid(), 5, 1);
    Type(QString());
    ClickCell(grid(), 7, 7);  // left with the mouse
    ExpectRowEmpty(5);

    Enter(6, 1, QStringLiteral("150"));
    ClickCell(grid(), 6, 1);
    Type(QString());
    PressEnter();  // left with Enter
    ExpectRowEmpty(6);
    EXPECT_EQ(grid()->Row(), 6);
    EXPECT_EQ(grid()->Col(), 2);
    EXPECT_TRUE(env.services.boxes.empty());
}

TEST_F(CellEditing, ATxFrequencyNeedsAnRxFrequency) {
    // On an empty row a Tx frequency is checked but not kept.
    Enter(7, 2, QStringLiteral("150"));
    EXPECT_EQ(env.Cell(7, 2), "");
    EXPECT_TRUE(env.services.boxes.empty());
    Enter(7, 2, QStringLiteral("150.001"));
    ExpectMessage(kStepError);
    EXPECT_EQ(env.Cell(7, 2), "");
}

TEST_F(CellEditing, ABadTxFrequencyEmptiesOnlyTheTxCell) {
    Enter(8, 1, QStringLiteral("145.5"));
    Enter(8, 2, QStringLiteral("146.5"));
    Enter(8, 2, QStringLiteral("400"));  // left with the mouse
    ExpectMessage(kOutOfRange);
    EXPECT_EQ(env.Cell(8, 1), "145.50000");
    EXPECT_EQ(env.Cell(8, 2), "");
    EXPECT_EQ(env.Cell(8, 5), "High");

    ClickCell(grid(), 8, 2);
    Type(QStringLiteral("146.0001"));
    PressEnter();  // left with Enter: no move after the message
    ExpectMessage(kStepError);
    EXPECT_EQ(env.Cell(8, 1), "145.50000");
    EXPECT_EQ(env.Cell(8, 2), "");
    EXPECT_EQ(grid()->Row(), 8);
    EXPECT_EQ(grid()->Col(), 2);
    EXPECT_TRUE(editors()->EditBoxForColumn(2)->isHidden());
    // The next Enter (nothing open) moves on.
    PressEnter();
    EXPECT_EQ(grid()->Col(), 3);
}

TEST_F(CellEditing, ListsSetValuesOnlyOnProgrammedRows) {
    ClickCell(grid(), 9, 5);
    Choose(editors()->ListForColumn(5), QStringLiteral("Low"));
    ClickCell(grid(), 9, 6);
    EXPECT_EQ(env.Cell(9, 5), "");

    Enter(9, 1, QStringLiteral("145"));
    ClickCell(grid(), 9, 5);
    Choose(editors()->ListForColumn(5), QStringLiteral("Low"));
    ClickCell(grid(), 9, 3);
    Choose(editors()->ListForColumn(3), QStringLiteral("D023N"));
    ClickCell(grid(), 9, 7);
    EXPECT_EQ(editors()->ListForColumn(7)->currentText(), QStringLiteral("Off"));
    Choose(editors()->ListForColumn(7), QStringLiteral("QT/DQT"));
    PressEnter();
    EXPECT_EQ(env.Cell(9, 5), "Low");
    EXPECT_EQ(env.Cell(9, 3), "D023N");
    EXPECT_EQ(env.Cell(9, 7), "QT/DQT");
    EXPECT_EQ(grid()->Col(), 8);
    EXPECT_EQ(editors()->ListForColumn(8)->currentText(), QStringLiteral("Wide"));
}

TEST_F(CellEditing, AToneNotInTheListOpensAsNone) {
    // Channel 10 with a non-standard CTCSS tone of 70.0 Hz (700 = 0x02BC).
    RadioImage image = ImageOfModel(0, 0);
    image[0xA0] = 0x00;
    image[0xA1] = 0x00;
    image[0xA2] = 0x50;
    image[0xA3] = 0x14;
    image[0xA8] = 0xBC;
    image[0xA9] = 0x02;
    env.Open(image);
    ASSERT_EQ(env.Cell(10, 3), "70.0");
    ClickCell(env.Grid(), 10, 3);
    EXPECT_EQ(env.Editors()->ListForColumn(3)->currentText(), QStringLiteral("None"));
    ClickCell(env.Grid(), 10, 4);
    EXPECT_EQ(env.Cell(10, 3), "None");
}

TEST_F(CellEditing, EnterMovesAlongTheRowsAndWrapsAround) {
    ClickCell(grid(), 3, 2);
    PressEnter();
    EXPECT_EQ(grid()->Row(), 3);
    EXPECT_EQ(grid()->Col(), 3);
    EXPECT_TRUE(editors()->ListForColumn(3)->isVisible());

    ClickCell(grid(), 5, 8);
    PressEnter();
    EXPECT_EQ(grid()->Row(), 6);
    EXPECT_EQ(grid()->Col(), 1);
    EXPECT_TRUE(editors()->EditBoxForColumn(1)->hasFocus());

    ClickCell(grid(), 16, 8);
    PressEnter();
    EXPECT_EQ(grid()->Row(), 1);
    EXPECT_EQ(grid()->Col(), 1);
    EXPECT_TRUE(editors()->EditBoxForColumn(1)->isVisible());

    // Typing and Enter along a row.
    Type(QStringLiteral("155.5"));
    PressEnter();
    Type(QStringLiteral("156.5"));
    PressEnter();
    EXPECT_EQ(env.Cell(1, 1), "155.50000");
    EXPECT_EQ(env.Cell(1, 2), "156.50000");
    EXPECT_EQ(grid()->Col(), 3);
}

TEST_F(CellEditing, ScrollingDiscardsWhatTheEditBoxHolds) {
    env.frame->resize(520, 240);  // small enough to scroll
    QCoreApplication::processEvents();
    ClickCell(grid(), 2, 1);
    Type(QStringLiteral("150"));
    QScrollBar* bar = grid()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->value() + 1);
    EXPECT_TRUE(editors()->EditBoxForColumn(1)->isHidden());
    bar->setValue(0);
    ClickCell(grid(), 3, 1);
    EXPECT_EQ(env.Cell(2, 1), "");
    EXPECT_TRUE(env.services.boxes.empty());
}

TEST_F(CellEditing, OnlyWhatFitsInTheBoxCanBeTyped) {
    ClickCell(grid(), 4, 1);
    QLineEdit* rx = editors()->EditBoxForColumn(1);
    Type(QStringLiteral("145.1250004"));
    EXPECT_EQ(rx->text(), QStringLiteral("145.1250004"));
    Type(QString(40, QLatin1Char('1')));
    EXPECT_LT(rx->text().size(), 51);
    EXPECT_TRUE(static_cast<editor::CCellEdit*>(rx)->Fits(rx->text()));
    EXPECT_TRUE(rx->text().startsWith(QStringLiteral("145.1250004")));
}

TEST_F(CellEditing, GridToImageCommitsTheOpenEditorFirst) {
    ClickCell(grid(), 2, 1);
    Type(QStringLiteral("147.5"));
    env.view->GridToImage();
    EXPECT_EQ(env.Cell(2, 1), "147.50000");
    EXPECT_EQ(FrequencyText(env.doc.Image, 0x20), "147.50000");
    EXPECT_TRUE(editors()->EditBoxForColumn(1)->isHidden());
}

TEST(CellEditingChinese, NewChannelsTakeChineseDefaultsAndNonAsciiTextIsRejected) {
    ViewEnv env(UiLanguage::Chinese, ViewIni(), false);
    env.Open(ImageOfModel(0, 0));
    ClickCell(env.Grid(), 1, 1);
    Type(QStringLiteral("145.125"));
    PressEnter();
    const char* defaults[] = {"无", "无", "高", "无", "关", "宽"};
    for (int c = 3; c <= 8; ++c) EXPECT_EQ(env.Cell(1, c), defaults[c - 3]);
    ClickCell(env.Grid(), 2, 1);
    Type(QStringLiteral("一四五"));
    PressEnter();
    ASSERT_EQ(env.services.boxes.size(), 1u);
    EXPECT_EQ(env.services.boxes[0].text, kOutOfRange);  // no language pack in this test
}

// The band limits come from Program.ini through the image's model and band,
// whatever the Product Information dialog did before.
TEST(BandLimits, FollowTheImagesModelAndBandOrTheRegistryForANewDocument) {
    {
        ViewEnv env;
        env.registry->WriteDword("Type", 0);
        env.Open(ImageOfModel(1, 1));  // QM-530, 400 - 480MHz
        EXPECT_EQ(env.view->BandLow, 40000000);
        EXPECT_EQ(env.view->BandHigh, 48000000);
        EXPECT_EQ(env.registry->ReadDword("Type", 9), 1u);
        EXPECT_EQ(env.registry->ReadDword("Field", 9), 1u);
        EXPECT_EQ(env.ctx.WindowTitle, "QM530 CPS  [ Type:QM-530  Fre:400 - 480MHz ]");
        ClickCell(env.Grid(), 1, 1);
        Type(QStringLiteral("145"));
        PressEnter();
        ASSERT_EQ(env.services.boxes.size(), 1u);
        EXPECT_EQ(env.services.boxes[0].text, kOutOfRange);
        ClickCell(env.Grid(), 1, 1);
        Type(QStringLiteral("470.00625"));
        PressEnter();
        EXPECT_EQ(env.Cell(1, 1), "470.00625");
    }
    {
        ViewEnv env(UiLanguage::Chinese);
        env.Open(ImageOfModel(1, 7));  // past the band list: the last band, the byte stays
        EXPECT_EQ(env.view->BandLow, 40000000);
        EXPECT_EQ(env.doc.Image[addr::kBandIndex], 7);
        EXPECT_EQ(env.registry->ReadDword("Field", 0), 7u);
        EXPECT_EQ(env.ctx.WindowTitle, "QM530 写频软件  [ 类型:QM-530  频率:400 - 480MHz ]");
    }
    {
        ViewEnv env;
        env.registry->WriteDword("Type", 1);
        env.registry->WriteDword("Field", 0);
        env.Open(RadioImage::Default(), true);  // a new document takes the registry's choice
        EXPECT_EQ(env.doc.Image[addr::kProductType], 1);
        EXPECT_EQ(env.doc.Image[addr::kBandIndex], 0);
        EXPECT_EQ(env.view->BandLow, 13600000);
        EXPECT_EQ(env.view->BandHigh, 17400000);
        EXPECT_EQ(env.ctx.WindowTitle, "QM530 CPS  [ Type:QM-530  Fre:136 - 174MHz ]");
    }
}

}  // namespace
}  // namespace qm530::test
