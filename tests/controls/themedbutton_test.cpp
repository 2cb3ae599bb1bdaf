// The themed button's state table, drawn through the style and through the classic
// fall-back (forced, as on a system without themes).

#include "aboutbox.h"
#include "controlshost.h"
#include "hovercolour.h"
#include "rowname.h"
#include "themeadapter.h"
#include "themedbutton.h"

#include <QPainter>

#include <memory>
#include <utility>
#include <vector>

namespace {

// Draws as the real adapter does and notes every state it is asked to draw.
class RecordingThemeAdapter final : public ThemeAdapter {
public:
    bool DrawThemeBackground(const ThemeData& theme, QPainter& painter, int part, int state,
                             const QRect& rect) const override
    {
        if (theme.themeClass == QLatin1String("BUTTON") && part == kPushButtonPart) {
            m_states.push_back(state);
        }
        return ThemeAdapter::DrawThemeBackground(theme, painter, part, state, rect);
    }

    [[nodiscard]] std::vector<int> TakeStates() const { return std::exchange(m_states, {}); }

private:
    mutable std::vector<int> m_states;
};

const QColor kLit(200, 30, 30);
const QColor kPlain(30, 30, 200);

struct StateRow {
    std::string name;
    bool disabled;
    bool pressed;
    bool hot;
    bool defaultButton;
    int themeState;
    QColor classicBackground;
};

class ThemedButtonStates : public testing::TestWithParam<StateRow> {
protected:
    // Builds the button in the row's state; the adapter is the button's theme.
    ThemedButton& Arrange(const ThemeAdapter* adapter)
    {
        const StateRow& row = GetParam();
        m_button = std::make_unique<ThemedButton>(QString(), m_host.Window());
        ThemedButton& button = *m_button;
        button.setGeometry(10, 10, 80, 30);
        button.SetThemeAdapter(adapter);
        button.SetColour(0, kLit);
        button.SetColour(2, kPlain);
        button.show();
        button.setDefault(row.defaultButton);
        if (row.hot) {
            SendMouse(button, QEvent::MouseMove, QPoint(40, 15));
            EXPECT_TRUE(button.IsHovered());
        }
        // Disabling releases a pressed button, so the press comes last.
        button.setEnabled(!row.disabled);
        button.setDown(row.pressed);
        return button;
    }

    ControlsHost m_host;
    std::unique_ptr<ThemedButton> m_button;
};

TEST_P(ThemedButtonStates, ThemeDrawsTheFirstMatchingState)
{
    RecordingThemeAdapter adapter;
    ThemedButton& button = Arrange(&adapter);
    (void)adapter.TakeStates();
    (void)button.grab();
    EXPECT_EQ(adapter.TakeStates(), std::vector<int>{GetParam().themeState});
}

TEST_P(ThemedButtonStates, ClassicFallBackFillsTheStateBackgroundWithA3DBorderWhenLit)
{
    RecordingThemeAdapter adapter;
    adapter.ForceClassic(true);
    ThemedButton& button = Arrange(&adapter);
    const QImage image = button.grab().toImage();
    EXPECT_TRUE(adapter.TakeStates().empty());
    EXPECT_EQ(image.pixelColor(2, 2), GetParam().classicBackground);
    const bool lit = GetParam().pressed || (GetParam().hot && !GetParam().disabled);
    const QColor topLeft = image.pixelColor(0, 0);
    if (!lit) {
        EXPECT_EQ(topLeft, GetParam().classicBackground);
    } else if (GetParam().pressed) {
        EXPECT_EQ(topLeft.rgb(), button.palette().color(QPalette::Dark).rgb());
    } else {
        EXPECT_EQ(topLeft.rgb(), button.palette().color(QPalette::Light).rgb());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ThemedButtonStates,
    testing::Values(StateRow{"Normal", false, false, false, false, ThemeAdapter::Normal, kPlain},
                    StateRow{"Default", false, false, false, true, ThemeAdapter::Defaulted, kPlain},
                    StateRow{"Hot", false, false, true, false, ThemeAdapter::Hot, kLit},
                    StateRow{"HotWinsOverDefault", false, false, true, true, ThemeAdapter::Hot, kLit},
                    StateRow{"Pressed", false, true, false, false, ThemeAdapter::Pressed, kLit},
                    StateRow{"PressedWinsOverHotAndDefault", false, true, true, true, ThemeAdapter::Pressed, kLit},
                    StateRow{"Disabled", true, false, false, false, ThemeAdapter::Disabled, kPlain},
                    StateRow{"DisabledWinsOverPressedAndDefault", true, true, false, true, ThemeAdapter::Disabled,
                             kLit},
                    StateRow{"DisabledWinsOverHot", true, false, true, false, ThemeAdapter::Disabled, kPlain}),
    RowName());

TEST(ThemedButton, WithoutAnAdapterDrawsLikeTheFlatButton)
{
    ControlsHost host;
    ThemedButton themed(QStringLiteral("OK"), host.Window());
    FlatButton flat(QStringLiteral("OK"), host.Window());
    for (FlatButton* button : {static_cast<FlatButton*>(&themed), &flat}) {
        button->setGeometry(10, 10, 80, 30);
        button->SetColour(2, kPlain);
        button->show();
    }
    EXPECT_EQ(themed.grab().toImage(), flat.grab().toImage());
}

TEST(ThemedButton, ThemesSwitchedOffShowOnTheNextRepaint)
{
    ControlsHost host;
    RecordingThemeAdapter adapter;
    ThemedButton button(QString(), host.Window());
    button.setGeometry(10, 10, 80, 30);
    button.SetThemeAdapter(&adapter);
    button.show();
    (void)button.grab();
    EXPECT_EQ(adapter.TakeStates().size(), 1U);
    adapter.ForceClassic(true);
    (void)button.grab();
    EXPECT_TRUE(adapter.TakeStates().empty());
    adapter.ForceClassic(false);
    (void)button.grab();
    EXPECT_EQ(adapter.TakeStates().size(), 1U);
}

TEST(ThemeAdapter, AnswersNoThemeWhenClassicIsForcedOrTheClassIsUnknown)
{
    ThemeAdapter adapter;
    QWidget widget;
    EXPECT_TRUE(adapter.IsAppThemed());
    EXPECT_TRUE(adapter.OpenThemeData(&widget, QStringLiteral("BUTTON")).IsOpen());
    EXPECT_FALSE(adapter.OpenThemeData(&widget, QStringLiteral("SCROLLBAR")).IsOpen());
    adapter.ForceClassic(true);
    EXPECT_FALSE(adapter.IsAppThemed());
    ThemeData none = adapter.OpenThemeData(&widget, QStringLiteral("BUTTON"));
    EXPECT_FALSE(none.IsOpen());
    QImage image(10, 10, QImage::Format_ARGB32);
    QPainter painter(&image);
    EXPECT_FALSE(adapter.DrawThemeBackground(none, painter, ThemeAdapter::kPushButtonPart, 1, QRect(0, 0, 10, 10)));
    EXPECT_FALSE(adapter.CloseThemeData(none));
}

TEST(ThemedButton, AboutBoxOkIsSetUpAsADialogButton)
{
    AboutBox box;
    auto* ok = box.findChild<ThemedButton*>(QStringLiteral("aboutOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_NE(ok->Theme(), nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(ok->DrawsFocusWhenFlat());
    EXPECT_EQ(ok->Colour(0), HoverBackgroundColour(ok->palette().color(QPalette::Button)));
}

}  // namespace
