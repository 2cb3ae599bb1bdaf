// The colour picker with its pop-up: what the owner hears at each step of a selection
// made with the mouse or the keyboard, Automatic, More Colours..., cancelling, live
// tracking, tooltips and the names the picker gives its colour.

#include "colorref.h"
#include "colourpicker.h"
#include "colourtable.h"
#include "controlshost.h"

#include <QHelpEvent>
#include <QToolTip>

#include <utility>
#include <vector>

namespace {

using Step = std::pair<SwatchNotification, std::uint32_t>;
using SN = SwatchNotification;

constexpr std::uint32_t kOffPalette = 0x00123456;

class PickerTest : public testing::Test {
protected:
    PickerTest() : m_picker(m_host.Window())
    {
        m_picker.setObjectName(QStringLiteral("picker"));
        m_picker.setGeometry(10, 10, 80, 22);
        m_picker.show();
        m_picker.SetMoreColoursDialog([this](QWidget*, const QColor& initial) {
            m_dialogInitial = initial;
            return m_dialogAnswer;
        });
        QObject::connect(&m_picker, &ColourPicker::Notified,
                         [this](SwatchNotification code, std::uint32_t colour) { m_steps.emplace_back(code, colour); });
    }

    SwatchPopup& Open()
    {
        m_picker.click();
        SwatchPopup* popup = m_picker.Popup();
        EXPECT_NE(popup, nullptr);
        return *popup;
    }

    void Keys(SwatchPopup& popup, std::initializer_list<Qt::Key> keys)
    {
        for (const Qt::Key key : keys) {
            QTest::keyClick(&popup, key);
        }
    }

    // Deletes the closed pop-up, as the event loop would.
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ControlsHost m_host;
    ColourPicker m_picker;
    std::vector<Step> m_steps;
    std::optional<QColor> m_dialogAnswer;
    QColor m_dialogInitial;
};

TEST_F(PickerTest, MouseSelectionReportsEachStepInOrder)
{
    m_picker.SetBackgroundColour(kOffPalette);
    SwatchPopup& popup = Open();
    const QPoint blue = popup.Layout().CellRect(13).center();
    const QPoint blueGrey = popup.Layout().CellRect(14).center();
    SendMouse(popup, QEvent::MouseMove, blue);
    SendMouse(popup, QEvent::MouseMove, blue + QPoint(1, 1));  // same cell: nothing new
    SendMouse(popup, QEvent::MouseMove, blueGrey);
    SendMouse(popup, QEvent::MouseButtonPress, blueGrey, Qt::LeftButton, Qt::LeftButton);
    SendMouse(popup, QEvent::MouseButtonRelease, blueGrey, Qt::LeftButton, Qt::NoButton);

    const std::uint32_t blueRef = ColorRefFromRgb(0, 0, 255);
    const std::uint32_t blueGreyRef = ColorRefFromRgb(123, 123, 192);
    EXPECT_EQ(m_steps, (std::vector<Step>{{SN::Opened, kOffPalette},
                                          {SN::Changed, blueRef},
                                          {SN::Changed, blueGreyRef},
                                          {SN::Closed, blueGreyRef},
                                          {SN::Accepted, blueGreyRef}}));
    EXPECT_EQ(m_picker.CurrentColour(), blueGreyRef);
    EXPECT_EQ(m_picker.accessibleName(), QStringLiteral("Blue-grey"));
    Settle();
    EXPECT_EQ(m_picker.Popup(), nullptr);
}

TEST_F(PickerTest, KeyboardSelectionWalksRowsAndColumnsAndReportsEachStep)
{
    m_picker.SetBackgroundColour(ColorRefFromRgb(255, 0, 0));
    SwatchPopup& popup = Open();
    EXPECT_EQ(popup.Chosen(), 16);
    // From nothing: Right goes to More Colours..., then Automatic, then cell 0.
    Keys(popup, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(popup.Highlighted(), 0);
    Keys(popup, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left});
    EXPECT_EQ(popup.Highlighted(), 7);  // 8, 16, 17, 9, 8, then back over the row edge to 7
    QTest::keyClick(&popup, Qt::Key_Return);

    const auto cell = [](int index) { return SwatchColorRef(index); };
    const std::uint32_t red = cell(16);
    EXPECT_EQ(m_steps, (std::vector<Step>{{SN::Opened, red},
                                          {SN::Changed, red},  // More Colours... offers the colour from before
                                          {SN::Changed, kColorRefDefault},
                                          {SN::Changed, cell(0)},
                                          {SN::Changed, cell(8)},
                                          {SN::Changed, cell(16)},
                                          {SN::Changed, cell(17)},
                                          {SN::Changed, cell(9)},
                                          {SN::Changed, cell(8)},
                                          {SN::Changed, cell(7)},
                                          {SN::Closed, cell(7)},
                                          {SN::Accepted, cell(7)}}));
    EXPECT_EQ(m_picker.BackgroundColour(), cell(7));
}

TEST_F(PickerTest, AutomaticGivesTheDefaultColourShownInTheButtonColour)
{
    m_picker.SetBackgroundColour(kOffPalette);
    SwatchPopup& popup = Open();
    Keys(popup, {Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(m_picker.CurrentColour(), kColorRefDefault);
    EXPECT_EQ(m_steps.back(), Step(SN::Accepted, kColorRefDefault));
    EXPECT_EQ(m_picker.accessibleName(), QStringLiteral("Automatic"));
    const QPoint inSwatch(m_picker.width() / 4, m_picker.height() / 2);
    EXPECT_EQ(PixelOf(m_picker, inSwatch), m_picker.palette().color(QPalette::Button));
}

TEST_F(PickerTest, EscapeRestoresTheColourShownBeforeLiveTracking)
{
    m_picker.SetLiveTracking(true);
    m_picker.SetBackgroundColour(kOffPalette);
    SwatchPopup& popup = Open();
    EXPECT_EQ(popup.Chosen(), kCustomSwatchEntry);
    Keys(popup, {Qt::Key_Left, Qt::Key_Right});  // Automatic, then cell 0
    EXPECT_EQ(m_picker.CurrentColour(), SwatchColorRef(0));
    const QPoint inSwatch(m_picker.width() / 4, m_picker.height() / 2);
    EXPECT_EQ(PixelOf(m_picker, inSwatch), QColor(Qt::black));

    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_EQ(m_picker.CurrentColour(), kOffPalette);
    EXPECT_EQ(PixelOf(m_picker, inSwatch), ColourFromColorRef(kOffPalette));
    ASSERT_GE(m_steps.size(), 2U);
    EXPECT_EQ(m_steps[m_steps.size() - 2], Step(SN::Closed, kOffPalette));
    EXPECT_EQ(m_steps.back(), Step(SN::Cancelled, kOffPalette));
}

TEST_F(PickerTest, WithoutLiveTrackingTheColourWaitsForAcceptance)
{
    m_picker.SetBackgroundColour(kOffPalette);
    SwatchPopup& popup = Open();
    Keys(popup, {Qt::Key_Left, Qt::Key_Right});
    EXPECT_EQ(m_picker.CurrentColour(), kOffPalette);
    EXPECT_EQ(popup.CurrentColour(), SwatchColorRef(0));
}

TEST_F(PickerTest, ReleaseOutsideThePopupCancels)
{
    m_picker.SetBackgroundColour(kOffPalette);
    SwatchPopup& popup = Open();
    SendMouse(popup, QEvent::MouseMove, popup.Layout().CellRect(3).center());
    SendMouse(popup, QEvent::MouseButtonRelease, QPoint(-20, -20), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_steps.back(), Step(SN::Cancelled, kOffPalette));
    EXPECT_EQ(m_picker.CurrentColour(), kOffPalette);
}

struct MoreRow {
    std::string name;
    std::optional<QColor> answer;
    SwatchNotification outcome;
    std::uint32_t colour;
};

class MoreColours : public PickerTest, public testing::WithParamInterface<MoreRow> {};

TEST_P(MoreColours, DialogAnswerBecomesTheOutcome)
{
    m_picker.SetBackgroundColour(kOffPalette);
    m_dialogAnswer = GetParam().answer;
    SwatchPopup& popup = Open();
    Keys(popup, {Qt::Key_Right, Qt::Key_Return});  // nothing -> More Colours...
    EXPECT_EQ(m_dialogInitial, ColourFromColorRef(kOffPalette));
    ASSERT_GE(m_steps.size(), 2U);
    EXPECT_EQ(m_steps[m_steps.size() - 2], Step(SN::Closed, GetParam().colour));
    EXPECT_EQ(m_steps.back(), Step(GetParam().outcome, GetParam().colour));
    EXPECT_EQ(m_picker.CurrentColour(), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, MoreColours,
    testing::Values(MoreRow{"Confirmed", QColor(0x10, 0x20, 0x30), SN::Accepted, 0x00302010},
                    MoreRow{"CancelledGivesTheInitialColour", std::nullopt, SN::Cancelled, kOffPalette}),
    [](const testing::TestParamInfo<MoreRow>& row) { return row.param.name; });

TEST_F(PickerTest, TextTargetPicksTheTextColour)
{
    m_picker.SetSelectionTarget(ColourPicker::kTargetText);
    m_picker.SetTextColour(kOffPalette);
    const std::uint32_t background = m_picker.BackgroundColour();
    SwatchPopup& popup = Open();
    Keys(popup, {Qt::Key_Left, Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(m_picker.TextColour(), SwatchColorRef(0));
    EXPECT_EQ(m_picker.BackgroundColour(), background);
}

TEST_F(PickerTest, CellsCarryTheirNamesAsTooltips)
{
    SwatchPopup& popup = Open();
    for (const int cell : {0, 35, 39}) {
        const QPoint point = popup.Layout().CellRect(cell).center();
        QHelpEvent help(QEvent::ToolTip, point, popup.mapToGlobal(point));
        QApplication::sendEvent(&popup, &help);
        EXPECT_EQ(QToolTip::text(), SwatchColourName(cell)) << "cell " << cell;
    }
    EXPECT_EQ(SwatchColourName(35), QStringLiteral("Pale green "));
    QToolTip::hideText();
}

TEST_F(PickerTest, PickerIsNamedAfterItsColour)
{
    m_picker.SetBackgroundColour(ColorRefFromRgb(152, 251, 152));
    EXPECT_EQ(m_picker.accessibleName(), QStringLiteral("Pale green "));
    m_picker.SetBackgroundColour(kOffPalette);
    EXPECT_EQ(m_picker.accessibleName(), QStringLiteral("#563412"));
}

}  // namespace
