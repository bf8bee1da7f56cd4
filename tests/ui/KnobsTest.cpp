#include "KnobTestSupport.h"

#include "ui/widgets/FormatHighResValue256.h"
#include "ui/widgets/knobs/FadeSlider.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/knobs/LeadingInteger.h"
#include "ui/widgets/knobs/ListKnob.h"
#include "ui/widgets/knobs/OscillatorConfigComponent.h"

#include <memory>

namespace
{
using namespace uitest;

class KnobTest : public LookAndFeelTest
{
protected:
    template <typename Knob>
    void attach (Knob& knob)
    {
        knob.addListener (&recorder);
        knob.setBounds (0, 0, 60, 70);
    }

    KnobRecorder recorder;
};

// Every integer knob of the family, built fresh per case.
struct KnobMaker
{
    const char* name;
    std::function<std::unique_ptr<BaseKnob>()> make;
};

const std::vector<KnobMaker> integerKnobs {
    { "BaseKnob", [] { return std::make_unique<BaseKnob> ("k"); } },
    { "UnidirectionalKnob", [] { return std::make_unique<UnidirectionalKnob> ("k"); } },
    { "DuodirectionalKnob", [] { return std::make_unique<DuodirectionalKnob> ("k"); } },
    { "ListKnob", [] { return std::make_unique<ListKnob> ("k", 20, [] (double v) { return juce::String (v); }, nullptr); } },
    { "FadeSlider", [] { return std::make_unique<FadeSlider> ("k"); } },
    { "OscillatorConfigComponent", [] { return std::make_unique<OscillatorConfigComponent>(); } },
    { "HighResKnob", [] { return std::make_unique<HighResKnob> ("k"); } },
    { "UniHighResKnob", [] { return std::make_unique<UniHighResKnob> ("k"); } },
};

TEST_F (KnobTest, RangesAtConstruction)
{
    struct Case { const char* name; double lo, hi, step; };
    const Case cases[] = { { "BaseKnob", -128, 127, 1 }, { "UnidirectionalKnob", 0, 127, 1 }, { "DuodirectionalKnob", -64, 63, 1 },
                           { "ListKnob", 0, 20, 1 }, { "FadeSlider", -64, 63, 1 }, { "OscillatorConfigComponent", 0, 127, 1 },
                           { "HighResKnob", 0, 32766, 0 }, { "UniHighResKnob", 0, 32512, 0 } };
    for (size_t i = 0; i < std::size (cases); ++i)
    {
        auto knob = integerKnobs[i].make();
        SCOPED_TRACE (cases[i].name);
        EXPECT_EQ (knob->getMinimum(), cases[i].lo);
        EXPECT_EQ (knob->getMaximum(), cases[i].hi);
        EXPECT_EQ (knob->getInterval(), cases[i].step);
        EXPECT_EQ (knob->getDoubleClickReturnValue(), 0.0);
        EXPECT_FALSE (knob->isScrollWheelEnabled());
        EXPECT_EQ (knob->highlightLevel, 0.0f);
    }
}

TEST_F (KnobTest, UserDragReachesListenersOnceDeviceValuesNever)
{
    for (const auto& maker : integerKnobs)
    {
        SCOPED_TRACE (maker.name);
        auto knob = maker.make();
        KnobRecorder rec;
        knob->addListener (&rec);
        knob->addListener (&rec); // no duplicate
        knob->setBounds (0, 0, 60, 70);

        const double middle = (knob->getMinimum() + knob->getMaximum()) / 2.0;
        knob->setKnobValue (middle, juce::dontSendNotification);
        EXPECT_TRUE (rec.calls.empty());

        pressAndDrag (*knob, 30.0f);
        ASSERT_EQ (rec.calls.size(), 1u);
        EXPECT_EQ (rec.calls[0].first, knob.get());
        EXPECT_EQ (rec.calls[0].second, knob->getValue());
        EXPECT_GT (knob->getValue(), middle);
        release (*knob);
        EXPECT_EQ (rec.calls.size(), 1u);
        knob->removeListener (&rec);
    }
}

TEST_F (KnobTest, DeviceValueDuringDragIsDropped)
{
    UnidirectionalKnob knob ("k");
    attach (knob);
    knob.setKnobValue (10, juce::dontSendNotification);
    knob.highlightLevel = 0.0f;

    pressAndDrag (knob, 20.0f);
    const auto dragged = knob.getValue();
    const auto label = knob.getValueLabel().getText();
    knob.setKnobValue (100, juce::dontSendNotification);
    EXPECT_EQ (knob.getValue(), dragged);
    EXPECT_EQ (knob.getValueLabel().getText(), label);
    EXPECT_EQ (knob.highlightLevel, 0.0f);
    release (knob);

    knob.setKnobValue (100, juce::dontSendNotification);
    EXPECT_EQ (knob.getValue(), 100.0);
    EXPECT_EQ (knob.getValueLabel().getText(), "100");
    EXPECT_EQ (recorder.calls.size(), 1u);
}

TEST_F (KnobTest, HighlightRisesWhenRawDeviceValueDiffers)
{
    UnidirectionalKnob knob ("k");
    attach (knob);
    knob.setKnobValue (200, juce::dontSendNotification);
    EXPECT_EQ (knob.getValue(), 127.0);
    EXPECT_EQ (knob.getValueLabel().getText(), "127");
    EXPECT_EQ (knob.highlightLevel, 1.0f);

    knob.highlightLevel = 0.5f; // the raw value is compared before clamping
    knob.setKnobValue (200, juce::dontSendNotification);
    EXPECT_EQ (knob.highlightLevel, 1.0f);

    knob.highlightLevel = 0.5f;
    knob.setKnobValue (127, juce::dontSendNotification);
    EXPECT_EQ (knob.highlightLevel, 0.5f);
    EXPECT_TRUE (recorder.calls.empty());
}

TEST_F (KnobTest, DeviceValueWithNotificationReachesListeners)
{
    DuodirectionalKnob knob ("k");
    attach (knob);
    knob.setKnobValue (-5, juce::sendNotificationSync);
    ASSERT_EQ (recorder.calls.size(), 1u);
    EXPECT_EQ (recorder.calls[0].second, -5.0);
}

struct TypedCase
{
    const char* name;
    const char* text;
    double expected;
};

TEST_F (KnobTest, TypedValuesUseTheLeadingInteger)
{
    const TypedCase cases[] = {
        { "DuodirectionalKnob", "64", 63 }, { "DuodirectionalKnob", "-70", -64 }, { "DuodirectionalKnob", "abc", 0 },
        { "DuodirectionalKnob", "  -12dB", -12 }, { "UnidirectionalKnob", "1.5", 1 }, { "UnidirectionalKnob", "+7", 7 },
        { "BaseKnob", "99999999999", 127 }, { "FadeSlider", "-30", -30 }, { "ListKnob", "25", 20 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.name) + " '" + c.text + "'");
        const auto& maker = *std::find_if (integerKnobs.begin(), integerKnobs.end(),
                                           [&c] (const KnobMaker& m) { return juce::String (m.name) == c.name; });
        auto knob = maker.make();
        KnobRecorder rec;
        knob->addListener (&rec);
        int callbacks = 0;
        knob->onValueChange = [&callbacks] { ++callbacks; };
        knob->setKnobValue (3, juce::dontSendNotification);

        knob->getValueLabel().setText (c.text, juce::sendNotificationSync);
        EXPECT_EQ (knob->getValue(), c.expected);
        ASSERT_EQ (rec.calls.size(), 1u);
        EXPECT_EQ (rec.calls[0].second, c.expected);
        EXPECT_EQ (callbacks, 1);

        // No late second delivery from the slider's asynchronous notification.
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        EXPECT_EQ (rec.calls.size(), 1u);
    }
}

TEST_F (KnobTest, LeadingIntegerParse)
{
    const std::pair<const char*, int> cases[] = { { "", 0 }, { "12", 12 }, { " \t-3x", -3 }, { "+", 0 }, { "4 5", 4 }, { "x5", 0 },
                                                  { "-99999999999", std::numeric_limits<int>::min() } };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ (parseLeadingInteger (text), expected) << text;
}

TEST_F (KnobTest, DoubleClickAndAltClickReturnToDefault)
{
    for (const auto& maker : integerKnobs)
    {
        SCOPED_TRACE (maker.name);
        for (const bool alt : { false, true })
        {
            auto knob = maker.make();
            KnobRecorder rec;
            knob->addListener (&rec);
            knob->setBounds (0, 0, 60, 70);
            knob->setKnobValue (knob->getMinimum() + 7, juce::dontSendNotification);
            if (alt)
                click (*knob, altLeftMouse);
            else
                knob->mouseDoubleClick (mouseEvent (*knob, leftMouse));
            EXPECT_EQ (knob->getValue(), 0.0);
            ASSERT_EQ (rec.calls.size(), 1u);
            EXPECT_EQ (rec.calls[0].second, 0.0);
        }
    }
}

TEST_F (KnobTest, DefaultOutsideTheRangeIsNotApplied)
{
    UnidirectionalKnob knob ("k");
    attach (knob);
    knob.setRange (10, 20, 1);
    knob.setKnobValue (15, juce::dontSendNotification);
    click (knob, altLeftMouse);
    knob.mouseDoubleClick (mouseEvent (knob, leftMouse));
    EXPECT_EQ (knob.getValue(), 15.0);
    EXPECT_TRUE (recorder.calls.empty());
}

TEST_F (KnobTest, RightButtonNeverChangesTheValue)
{
    for (const auto& maker : integerKnobs)
    {
        SCOPED_TRACE (maker.name);
        auto knob = maker.make();
        KnobRecorder rec;
        knob->addListener (&rec);
        knob->setBounds (0, 0, 60, 70);
        knob->setKnobValue (knob->getMinimum() + 5, juce::dontSendNotification);
        const auto before = knob->getValue();

        pressAndDrag (*knob, 30.0f, rightMouse);
        EXPECT_FALSE (knob->isBeingDragged());
        release (*knob, rightMouse);
        knob->mouseDoubleClick (mouseEvent (*knob, rightMouse));
        click (*knob, juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier | juce::ModifierKeys::altModifier));

        // After a left drag has ended, a right drag must not move the knob either.
        pressAndDrag (*knob, 5.0f);
        release (*knob);
        const auto afterLeft = knob->getValue();
        pressAndDrag (*knob, 30.0f, rightMouse);
        EXPECT_EQ (knob->getValue(), afterLeft);
        EXPECT_NE (before, -1000.0);
        EXPECT_EQ (rec.calls.size(), afterLeft == before ? 0u : 1u);
    }
}

TEST_F (KnobTest, ListenerMayRemoveItselfDuringTheCall)
{
    UnidirectionalKnob knob ("k");
    struct SelfRemover : BaseKnob::Listener
    {
        void knobValueChanged (BaseKnob* k, double) override
        {
            ++calls;
            k->removeListener (this);
        }
        int calls = 0;
    } first, last;
    KnobRecorder middle;
    knob.addListener (&first);
    knob.addListener (&middle);
    knob.addListener (&last);
    knob.addListener (static_cast<BaseKnob::Listener*> (nullptr));

    knob.setKnobValue (5, juce::sendNotificationSync);
    knob.setKnobValue (6, juce::sendNotificationSync);
    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (last.calls, 1);
    EXPECT_EQ (middle.calls.size(), 2u);
}

struct LabelBoundsCase
{
    int width, height, position;
    bool compact;
    juce::Rectangle<int> expected;
};

TEST_F (KnobTest, ValueLabelBounds)
{
    const LabelBoundsCase cases[] = {
        { 60, 70, 20, true, { 9, 52, 42, 18 } },  { 60, 120, 20, true, { 9, 52, 42, 18 } },
        { 60, 120, 20, false, { 9, 82, 42, 18 } }, { 60, 10, 20, true, { 9, -4, 42, 18 } },
        { 100, 40, 34, true, { 58, 11, 42, 18 } }, { 30, 40, 34, true, { -6, 11, 42, 18 } },
        { 60, 40, 36, true, { 9, 11, 42, 18 } },  { 60, 40, 12, true, {} },
    };
    for (const auto& c : cases)
    {
        UnidirectionalKnob knob ("k");
        knob.setCompact (c.compact ? 1 : 0);
        knob.setLabelPosition (c.position);
        knob.setBounds (0, 0, c.width, c.height);
        EXPECT_EQ (knob.getValueLabelBounds(), c.expected) << c.width << "x" << c.height << " at " << c.position;
        EXPECT_EQ (knob.getValueLabel().getBounds(), c.expected);
    }

    UnidirectionalKnob knob ("k");
    knob.setLabelPosition (juce::Justification::centredRight);
    EXPECT_EQ (knob.getLabelPosition(), 34);
    EXPECT_EQ (knob.getValueLabel().getJustificationType(), juce::Justification::centredLeft);
}

TEST_F (KnobTest, HiddenValueLabelReturnsWithEnablement)
{
    juce::Component parent;
    UnidirectionalKnob knob ("k");
    parent.addAndMakeVisible (knob);
    knob.hideValueLabel();
    EXPECT_FALSE (knob.getValueLabel().isVisible());
    knob.setEnabled (false);
    EXPECT_FALSE (knob.getValueLabel().isVisible());
    knob.setEnabled (true);
    EXPECT_TRUE (knob.getValueLabel().isVisible());
}

TEST_F (KnobTest, TooltipReachesTheLabels)
{
    HighResKnob knob ("k");
    knob.setTooltip ("Sets the cutoff.");
    EXPECT_EQ (knob.getTooltip(), "Sets the cutoff.");
    EXPECT_EQ (knob.getValueLabel().getTooltip(), "Sets the cutoff.");
    EXPECT_EQ (knob.getOwnLabel().getTooltip(), "Sets the cutoff.");
}

TEST_F (KnobTest, HighResKnobTexts)
{
    HighResKnob knob ("k");
    const std::pair<double, const char*> cases[] = { { 0, "-128.00" }, { 16384, "0.00" }, { 16385, "0.01" }, { 16383, "-0.01" },
                                                     { 32766, "127.98" }, { 16448, "0.50" }, { 16255, "-1.00" } };
    for (const auto& [value, text] : cases)
        EXPECT_EQ (knob.getTextFromValue (value), text) << value;

    knob.setHighResValue (16448);
    EXPECT_EQ (knob.getOwnLabel().getText(), "0.50");
    knob.scale = 1.0;
    EXPECT_EQ (knob.getTextFromValue (384), "1.50");
}

TEST_F (KnobTest, FineKnobsTypedValues)
{
    struct Case { bool uni; const char* text; double expected; const char* shown; };
    const Case cases[] = {
        { false, "0", 16384, "0.00" }, { false, "1", 16512, "1.00" }, { false, "-1", 16255, "-1.00" },
        { false, "500", 32766, "127.98" }, { false, "junk", 16384, "0.00" },
        { true, "1.5", 384, "1.50" }, { true, "200", 32512, "127.00" }, { true, "-4", 0, "0.00" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.uni ? "uni " : "bi ") + c.text);
        std::unique_ptr<BaseKnob> knob;
        juce::Label* label;
        if (c.uni)
        {
            auto k = std::make_unique<UniHighResKnob> ("k");
            label = &k->getOwnLabel();
            knob = std::move (k);
        }
        else
        {
            auto k = std::make_unique<HighResKnob> ("k");
            label = &k->getOwnLabel();
            knob = std::move (k);
        }
        KnobRecorder rec;
        knob->addListener (&rec);
        label->setText (c.text, juce::sendNotificationSync);
        EXPECT_EQ (knob->getValue(), c.expected);
        EXPECT_EQ (label->getText(), c.shown);
        ASSERT_EQ (rec.calls.size(), 1u);
        EXPECT_EQ (rec.calls[0].second, c.expected);
    }
}

TEST_F (KnobTest, HighResKnobDefaultIsZeroNotTheCentre)
{
    HighResKnob knob ("k");
    attach (knob);
    knob.setHighResValue (16384);
    knob.mouseDoubleClick (mouseEvent (knob, leftMouse));
    EXPECT_EQ (knob.getValue(), 0.0);
    EXPECT_EQ (knob.getOwnLabel().getText(), "-128.00");
    EXPECT_EQ (recorder.calls.size(), 1u);
}

TEST_F (KnobTest, FineKnobDragShowsTheFineValue)
{
    UniHighResKnob knob ("k");
    attach (knob);
    knob.setHighResValue (256);
    EXPECT_EQ (knob.getOwnLabel().getText(), "1.00");
    EXPECT_TRUE (recorder.calls.empty());
    pressAndDrag (knob, 10.0f);
    release (knob);
    EXPECT_EQ (knob.getOwnLabel().getText(), formatHighResValue256 ((int) knob.getValue()));
    EXPECT_EQ (recorder.calls.size(), 1u);
    EXPECT_FALSE (knob.getValueLabel().isVisible());
}

TEST_F (KnobTest, FadeShapeEnds)
{
    FadeSlider slider ("fade");
    slider.setBounds (0, 0, 30, 18 + 4); // shape moved by (0, (22 - 18) / 2 - 2) = (0, 0)
    const auto ramp = slider.makeFadeShape (-64).getBounds();
    EXPECT_NEAR (ramp.getX(), 0.0f, 0.01f);
    EXPECT_NEAR (ramp.getBottom(), 18.0f, 0.01f);
    EXPECT_NEAR (ramp.getRight(), 30.0f, 0.01f);
    EXPECT_NEAR (ramp.getY(), 9.0f, 0.01f);

    const auto falling = slider.makeFadeShape (63).getBounds();
    EXPECT_NEAR (falling.getRight(), 15.0f, 0.01f);
    EXPECT_NEAR (falling.getBottom(), 18.0f, 0.01f);
    EXPECT_NEAR (slider.makeFadeShape (0).getBounds().getHeight(), 0.0f, 0.01f);
}

TEST_F (KnobTest, OscillatorConfigPictures)
{
    struct Case { int value; const char* mode; const char* left; const char* right; bool underline; };
    const Case cases[] = { { 0, "+", "X", "X", true }, { 79, "FR", ":", "W", false }, { 80, "Error", "X", "X", true },
                           { 22, "R", "X", ";", true }, { 57, "F", ":", ":", false } };
    for (const auto& c : cases)
    {
        const auto p = OscillatorConfigComponent::pictureFor (c.value);
        EXPECT_EQ (p.mode, c.mode) << c.value;
        EXPECT_EQ (p.leftGlyph, c.left) << c.value;
        EXPECT_EQ (p.rightGlyph, c.right) << c.value;
        EXPECT_EQ (p.underline, c.underline) << c.value;
    }
    OscillatorConfigComponent osc;
    EXPECT_EQ (osc.getName(), "");
}

TEST_F (KnobTest, ListKnobShowsItsText)
{
    ListKnob knob ("Mode", 2, [] (double v) { return juce::String ("item ") + juce::String ((int) v); }, nullptr);
    knob.setKnobValue (2, juce::dontSendNotification);
    EXPECT_EQ (knob.getShownText(), "item 2");
    EXPECT_FALSE (knob.getValueLabel().isVisible());
    knob.setEnabled (false);
    knob.setEnabled (true);
    EXPECT_FALSE (knob.getValueLabel().isVisible());
}

TEST_F (KnobTest, KnobDrawsWithoutThrowingInEveryState)
{
    for (const auto& maker : integerKnobs)
    {
        auto knob = maker.make();
        knob->setBounds (0, 0, 60, 60);
        knob->highlightLevel = 1.0f;
        render (*knob);
        knob->setEnabled (false);
        render (*knob);
    }
}

TEST_F (KnobTest, KnobBackgroundAndRingColours)
{
    UnidirectionalKnob knob ("k");
    knob.setBounds (0, 0, 60, 60);
    knob.setKnobValue (64, juce::dontSendNotification);
    knob.highlightLevel = 1.0f;
    const auto image = render (knob);
    EXPECT_TRUE (nearColour (pixel (image, 1, 1), knob.findColour (0x2000005).getARGB()));
}
} // namespace

namespace
{
using namespace uitest;

// Typing into the value label's editor with the keyboard, as a user does.
TEST_F (LookAndFeelTest, KnobValueTypedWithTheKeyboard)
{
    DuodirectionalKnob knob ("k");
    KnobRecorder rec;
    knob.addListener (&rec);
    knob.setBounds (0, 0, 60, 70);
    knob.addToDesktop (0);
    knob.setVisible (true);

    auto& label = knob.getValueLabel();
    label.showEditor();
    auto* editor = label.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ({}, false);
    for (auto c : juce::String ("-12x"))
        editor->keyPressed (juce::KeyPress (0, juce::ModifierKeys(), c));
    EXPECT_EQ (editor->getText(), "-12x");
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    fhtest::pumpUntil ([&rec] { return ! rec.calls.empty(); }, std::chrono::seconds (10));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);

    EXPECT_EQ (knob.getValue(), -12.0);
    ASSERT_EQ (rec.calls.size(), 1u);
    EXPECT_EQ (rec.calls[0].second, -12.0);
    EXPECT_EQ (label.getText(), "-12");
    knob.removeFromDesktop();
}
} // namespace
