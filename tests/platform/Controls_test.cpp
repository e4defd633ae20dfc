// The controls: radio groups per container, clicks against values set by
// code, progress values outside the range, label text, shapes, look-up.
#include "Application.h"
#include "Controls.h"
#include "FolderItem.h"
#include "Window.h"

#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { window = new Window(400, 300); }
    void TearDown() override
    {
        window->Close();
        Application::DoEvents();
    }
    // A click on the indicator, where a check box or radio button takes it.
    static void Click(Control* control)
    {
        QTest::mouseClick(control->Widget(), Qt::LeftButton, {}, QPoint(6, control->Height() / 2));
    }
    Window* window = nullptr;
};

// Two rectangles on a page, each with two radio buttons, a radio button
// directly on the page, and one on the window itself: four groups.
class RadioGroupTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        auto* panel = new PagePanel(window, QStringLiteral("Pages"), 0, 0, 400, 250, 2);
        Container* page = panel->Page(0);
        auto* left = new Rectangle(page, QStringLiteral("left"), 10, 10, 180, 100);
        auto* right = new Rectangle(page, QStringLiteral("right"), 200, 10, 180, 100);
        leftA = Radio(left, "leftA", 20, 20);
        leftB = Radio(left, "leftB", 20, 50);
        rightA = Radio(right, "rightA", 210, 20);
        rightB = Radio(right, "rightB", 210, 50);
        onPage = Radio(page, "onPage", 20, 150);
        onWindow = Radio(window, "onWindow", 20, 260);
        window->Show();
    }
    RadioButton* Radio(Container* c, const char* name, int left, int top)
    {
        auto* radio = new RadioButton(c, QString::fromLatin1(name), left, top, 150, 20, QString::fromLatin1(name));
        radio->Action = [this, radio] { actions.push_back(radio->Name().toStdString()); };
        return radio;
    }
    std::vector<bool> Values() const
    {
        return {leftA->Value(), leftB->Value(), rightA->Value(), rightB->Value(), onPage->Value(), onWindow->Value()};
    }
    RadioButton *leftA, *leftB, *rightA, *rightB, *onPage, *onWindow;
    std::vector<std::string> actions;
};

TEST_F(RadioGroupTest, ClickingOneClearsOnlyTheOthersOfItsContainer)
{
    Click(leftA);
    Click(rightB);
    Click(onPage);
    Click(onWindow);
    EXPECT_EQ(Values(), (std::vector<bool>{true, false, false, true, true, true}));

    Click(leftB);
    EXPECT_EQ(Values(), (std::vector<bool>{false, true, false, true, true, true}));
    EXPECT_EQ(actions, (std::vector<std::string>{"leftA", "rightB", "onPage", "onWindow", "leftB"}));
}

TEST_F(RadioGroupTest, ClickingTheChosenOneRaisesActionAgain)
{
    Click(leftA);
    Click(leftA);
    EXPECT_TRUE(leftA->Value());
    EXPECT_EQ(actions, (std::vector<std::string>{"leftA", "leftA"}));
}

TEST_F(RadioGroupTest, ValuesSetByCodeGroupTheSameWayWithoutAction)
{
    leftA->SetValue(true);
    rightA->SetValue(true);
    leftB->SetValue(true);
    EXPECT_EQ(Values(), (std::vector<bool>{false, true, true, false, false, false}));

    // Clearing the chosen button really clears it, leaving none chosen.
    leftB->SetValue(false);
    EXPECT_FALSE(leftB->Value());
    EXPECT_FALSE(leftA->Value());
    // And the group still works afterwards.
    Click(leftA);
    leftB->SetValue(true);
    EXPECT_FALSE(leftA->Value());
    EXPECT_EQ(actions, (std::vector<std::string>{"leftA"}));
}

// A lone button on a page and a lone button in a rectangle on that page are
// two groups: choosing either leaves the other chosen.
TEST_F(ControlsTest, LoneRadioButtonsOnAPageAndInItsRectangleAreSeparateGroups)
{
    auto* panel = new PagePanel(window, QStringLiteral("Pages"), 0, 0, 400, 250, 1);
    Container* page = panel->Page(0);
    auto* rect = new Rectangle(page, QStringLiteral("rect"), 10, 10, 300, 100);
    auto* inRect = new RadioButton(rect, QStringLiteral("inRect"), 20, 20, 150, 20, QStringLiteral("inRect"));
    auto* onPage = new RadioButton(page, QStringLiteral("onPage"), 20, 150, 150, 20, QStringLiteral("onPage"));
    window->Show();

    inRect->SetValue(true);
    onPage->SetValue(true);
    EXPECT_TRUE(inRect->Value());
    EXPECT_TRUE(onPage->Value());

    onPage->SetValue(false);
    Click(onPage);
    EXPECT_TRUE(inRect->Value());
    EXPECT_TRUE(onPage->Value());
}

TEST_F(ControlsTest, CheckBoxActionFollowsClicksNotValuesSetByCode)
{
    auto* box = new CheckBox(window, QStringLiteral("box"), 10, 10, 150, 20, QStringLiteral("Install Themes"));
    std::vector<bool> seen;
    box->Action = [&] { seen.push_back(box->Value()); };
    window->Show();

    box->SetValue(true);
    box->SetValue(false);
    EXPECT_TRUE(seen.empty());

    Click(box);
    Click(box);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(box->Caption(), QStringLiteral("Install Themes"));
}

TEST_F(ControlsTest, PushButtonRunsActionOnClickAndPushOnlyWhenEnabled)
{
    auto* button = new PushButton(window, QStringLiteral("go"), 10, 10, 100, 20, QStringLiteral("Continue"));
    int pushed = 0;
    button->Action = [&] { ++pushed; };
    window->Show();

    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    button->Push();
    EXPECT_EQ(pushed, 2);

    button->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    button->Push();
    EXPECT_EQ(pushed, 2);

    button->SetCaption(QStringLiteral("Finish"));
    EXPECT_EQ(button->Caption(), QStringLiteral("Finish"));
}

struct ProgressCase {
    const char* name;
    int maximum;
    int value;
    int shownMaximum;
    int shownValue;
};

class ProgressBarTest : public ControlsTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressBarTest, ValueAndMaximumReadBackAsSetWhileTheDisplayIsClamped)
{
    const ProgressCase& c = GetParam();
    auto* bar = new ProgressBar(window, QStringLiteral("bar"), 10, 10, 200, 18);
    bar->SetMaximum(c.maximum);
    bar->SetValue(c.value);
    EXPECT_EQ(bar->Maximum(), c.maximum);
    EXPECT_EQ(bar->Value(), c.value);
    auto* shown = static_cast<QProgressBar*>(bar->Widget());
    EXPECT_EQ(shown->maximum(), c.shownMaximum);
    EXPECT_EQ(shown->value(), c.shownValue);
}

INSTANTIATE_TEST_SUITE_P(Values, ProgressBarTest, ::testing::Values(
    ProgressCase{"inside", 100, 40, 100, 40},
    ProgressCase{"above_maximum", 10, 100, 10, 10},
    ProgressCase{"below_zero", 10, -5, 10, 0},
    ProgressCase{"counting_down_from_above", 10, 99, 10, 10},
    ProgressCase{"negative_maximum", -3, 2, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, ProgressBarCountingDownThroughTheRangeShowsEachValue)
{
    auto* bar = new ProgressBar(window, QStringLiteral("bar"), 10, 10, 200, 18);
    auto* shown = static_cast<QProgressBar*>(bar->Widget());
    bar->SetMaximum(10);
    bar->SetValue(100);
    for (int value = 100; value >= 0; --value) {
        bar->SetValue(value);
        ASSERT_EQ(bar->Value(), value);
        ASSERT_EQ(shown->value(), std::min(value, 10)) << value;
    }
}

TEST(WindowlessProgressBar, KeepsItsValues)
{
    ProgressBar bar(nullptr, QStringLiteral("bar"), 0, 0, 100, 10);
    bar.SetMaximum(10);
    bar.SetValue(100);
    bar.SetValue(bar.Value() - 1);
    EXPECT_EQ(bar.Value(), 99);
    EXPECT_EQ(bar.Maximum(), 10);
    EXPECT_EQ(bar.Widget(), nullptr);
    EXPECT_FALSE(bar.IsShown());
}

TEST_F(ControlsTest, StaticTextReadsBackAsSetAndShowsEveryLineEndAsABreak)
{
    auto* label = new StaticText(window, QStringLiteral("label"), 10, 10, 300, 80);
    const QString text = QStringLiteral("Welcome. \r\rOne\r\nTwo\nThree <b>");
    label->SetText(text);
    EXPECT_EQ(label->Text(), text);
    EXPECT_EQ(static_cast<QLabel*>(label->Widget())->text(), QStringLiteral("Welcome. \n\nOne\nTwo\nThree <b>"));
    EXPECT_EQ(static_cast<QLabel*>(label->Widget())->textFormat(), Qt::PlainText);

    label->SetMultiline(true);
    EXPECT_TRUE(static_cast<QLabel*>(label->Widget())->wordWrap());
    label->SetAlignment(TextAlign::Right);
    EXPECT_TRUE(static_cast<QLabel*>(label->Widget())->alignment() & Qt::AlignRight);
    EXPECT_EQ(label->Alignment(), TextAlign::Right);
}

TEST_F(ControlsTest, FontSizeBoldAndColourApplyAndADisabledLabelIsDimmed)
{
    auto* label = new StaticText(window, QStringLiteral("label"), 10, 10, 300, 20);
    const QFont systemFont = label->Widget()->font();
    label->SetTextSize(14);
    label->SetBold(true);
    label->SetTextColor(QColor(0xFF, 0x09, 0x00));
    EXPECT_EQ(label->Widget()->font().pixelSize(), 14);
    EXPECT_TRUE(label->Widget()->font().bold());
    EXPECT_EQ(label->Widget()->palette().color(QPalette::Active, QPalette::WindowText), QColor(0xFF, 0x09, 0x00));

    label->SetTextSize(0);
    EXPECT_EQ(label->Widget()->font().pointSize(), systemFont.pointSize());
    EXPECT_EQ(label->Widget()->font().pixelSize(), systemFont.pixelSize());
    EXPECT_EQ(label->TextSize(), 0);

    label->SetTextColor(Qt::black);
    label->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    EXPECT_NE(label->Widget()->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));
}

TEST_F(ControlsTest, ShapesAreFilledWithABlackBorderAndRepaintOnNewColour)
{
    auto* rect = new Rectangle(window, QStringLiteral("rect"), 10, 10, 60, 40);
    auto* oval = new Oval(window, QStringLiteral("oval"), 100, 10, 20, 20);
    rect->SetFillColor(QColor(0xBF, 0xBF, 0xBF));
    oval->SetFillColor(QColor(0x00, 0xBA, 0xFF));
    window->Show();

    QImage r = rect->Widget()->grab().toImage();
    EXPECT_EQ(QColor(r.pixel(30, 20)), QColor(0xBF, 0xBF, 0xBF));
    EXPECT_EQ(QColor(r.pixel(0, 20)), QColor(Qt::black));
    EXPECT_EQ(QColor(r.pixel(59, 39)), QColor(Qt::black));

    QImage o = oval->Widget()->grab().toImage();
    EXPECT_EQ(QColor(o.pixel(10, 10)), QColor(0x00, 0xBA, 0xFF));
    EXPECT_NE(QColor(o.pixel(0, 0)), QColor(0x00, 0xBA, 0xFF));   // outside the oval

    oval->SetFillColor(QColor(0x07, 0x91, 0x00));
    EXPECT_EQ(oval->FillColor(), QColor(0x07, 0x91, 0x00));
    EXPECT_EQ(QColor(oval->Widget()->grab().toImage().pixel(10, 10)), QColor(0x07, 0x91, 0x00));
}

TEST_F(ControlsTest, ARectangleHoldsControlsInWindowCoordinates)
{
    auto* rect = new Rectangle(window, QStringLiteral("rect"), 50, 40, 200, 150);
    auto* label = new StaticText(rect, QStringLiteral("inside"), 60, 70, 100, 20);
    EXPECT_EQ(label->Widget()->parentWidget(), rect->Widget());
    EXPECT_EQ(label->Widget()->pos(), QPoint(10, 30));
    EXPECT_EQ(label->Parent(), rect);
    EXPECT_EQ(rect->OwnerWindow(), window);
}

TEST_F(ControlsTest, ControlsAreFoundByNameAndIndex)
{
    for (int i = 0; i < 3; ++i)
        new Oval(window, QStringLiteral("indicators"), 10, 10 + 20 * i, 10, 10, i);
    auto* heading = new StaticText(window, QStringLiteral("mainHeading"), 10, 100, 100, 20);

    EXPECT_EQ(&window->FindControl(QStringLiteral("mainHeading")), heading);
    EXPECT_EQ(window->FindControl(QStringLiteral("indicators"), 2).Index(), 2);
    EXPECT_EQ(window->Controls().size(), 4u);
    EXPECT_THROW(window->FindControl(QStringLiteral("indicators"), 3), NilObjectException);
    EXPECT_THROW(window->FindControl(QStringLiteral("indicators")), NilObjectException);
    EXPECT_THROW(window->FindControl(QStringLiteral("nothing")), NilObjectException);
}

} // namespace
