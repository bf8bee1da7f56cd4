// The processor's ten notifications: each one's text and when it shows, read from
// inputs that a test sets, with the clock driven by hand.
#include "processor/ProcessorNotifications.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace
{
// What the fake inputs report. A plain start: the engine has shaken hands, the
// device is open and listed, nothing is wrong.
struct InputValues
{
    double sinceStart = 10000.0;
    bool logic = false, cubase = false, mismatch = false;
    int blockSize = 128;
    bool bufferDismissed = false, powerDismissed = false, throttling = false;
    int streamLatency = 300;
    bool connection = true;
    std::uint32_t engineVersion = 5;
    std::uint64_t wanted = 7, selected = 7;
    bool wantedListed = true, open = true, autoSelect = true;
    std::vector<std::uint64_t> incompatible;
    std::map<std::uint64_t, juce::String> names;
    std::map<std::uint64_t, int> protocols;
    int reads = 0;
};

struct FakeInputs final : ProcessorNotificationInputs, InputValues
{
    ~FakeInputs() override { clearWeakReferences(); }

    double getMillisecondsSinceStart() const override { return sinceStart; }
    bool isLogicHost() const override { return logic; }
    bool isCubaseFamilyHost() const override { return cubase; }
    int getHostBlockSize() const override { return blockSize; }
    bool hasHostBufferMismatch() const override { return mismatch; }
    bool isBufferSizeNotificationDismissed() const override { return bufferDismissed; }
    void dismissBufferSizeNotification() override { bufferDismissed = true; }
    bool isPowerPlanNotificationDismissed() const override { return powerDismissed; }
    void dismissPowerPlanNotification() override { powerDismissed = true; }
    bool isPowerPlanThrottling() const override { return throttling; }
    int getStreamLatency() const override { return streamLatency; }
    bool hasMessageConnection() const override { return connection; }
    std::uint32_t getEngineProtocolVersion() const override { return engineVersion; }
    std::uint64_t getWantedDeviceUid() const override { return wanted; }
    bool isWantedDeviceListed() const override { return wantedListed; }
    bool isDeviceOpen() const override { return open; }
    std::vector<std::uint64_t> getIncompatibleDeviceUids() const override { return incompatible; }
    std::optional<juce::String> getDeviceName (std::uint64_t uid) const override
    {
        const auto it = names.find (uid);
        return it != names.end() ? std::optional<juce::String> (it->second) : std::nullopt;
    }
    int getDeviceProtocolVersion (std::uint64_t uid) const override
    {
        const auto it = protocols.find (uid);
        return it != protocols.end() ? it->second : 0;
    }
    int getOutstandingDeviceReads() const override { return reads; }
    std::uint64_t getSelectedDeviceUid() const override { return selected; }
    bool isAutoSelectDeviceEnabled() const override { return autoSelect; }
};

enum Index
{
    bufferSize, powerPlan, engineProblem, noEngine, engineProtocol, disconnected, incompatibleDevice, noDevice,
    autoSelecting, synchronizing
};

class ProcessorNotificationsTest : public fhtest::AppTest
{
protected:
    // Ticks every timer function once, as the manager does; the active ones' texts by index.
    std::map<int, juce::String> tick()
    {
        std::map<int, juce::String> shown;
        for (int i = 0; i < (int) notifications.size(); ++i)
        {
            auto& n = *notifications[(size_t) i];
            if (n.timerFunction() == Notification::Activate)
                shown[i] = n.textFunction();
        }
        return shown;
    }

    FakeInputs inputs;
    SynchronizingFlags flags;
    std::vector<std::shared_ptr<Notification>> notifications = makeProcessorNotifications (inputs, flags);
};

struct Case
{
    const char* name;
    std::function<void (InputValues&)> set;
    std::map<int, juce::String> expected;
};

const juce::String asioText = "Cubase seems to run with ASIO guard enabled. Please disable ASIO Guard in Device Setup menu!";
const juce::String logicText = "Please set the Process Buffer Range setting to Low in Logic. The medium and large settings are not supported.";
const juce::String noEngineText = "Cannot connect to the Fernhollow Engine. Please start the Fernhollow Engine, as it is required in order to communicate with the devices.";
const juce::String autoSelectText = "Attempting to auto-select a device. Please make sure your device is connected and powered on.";
const juce::String noDeviceText = "No device is selected. If you have multiple devices available, please select your specific device in the options tab!";
const juce::String disconnectedText = "The paired device is disconnected! Connect and power on this device, or unpair it to select another device.";

juce::String blockText (int samples)
{
    return "Your host audio buffer size is " + juce::String (samples)
           + " samples. It is recommended that you use 256 samples or lower. Please re-configure your host.";
}
} // namespace

TEST_F (ProcessorNotificationsTest, EachShowsWithItsTextUnderItsConditions)
{
    const Case cases[] = {
        { "plain start", [] (InputValues&) {}, {} },
        { "block of 256", [] (InputValues& in) { in.blockSize = 256; }, {} },
        { "block of 257", [] (InputValues& in) { in.blockSize = 257; }, { { bufferSize, blockText (257) } } },
        { "Logic accepts 512", [] (InputValues& in) { in.logic = true; in.blockSize = 512; }, {} },
        { "Logic refuses 513", [] (InputValues& in) { in.logic = true; in.blockSize = 513; }, { { bufferSize, logicText } } },
        { "Cubase mismatch", [] (InputValues& in) { in.cubase = true; in.mismatch = true; }, { { bufferSize, asioText } } },
        { "mismatch outside Cubase", [] (InputValues& in) { in.mismatch = true; }, {} },
        { "buffer dismissed", [] (InputValues& in) { in.blockSize = 1024; in.bufferDismissed = true; }, {} },
        { "throttling", [] (InputValues& in) { in.throttling = true; },
          { { powerPlan, "Fernhollow performs better if you change your Windows power plan to 'High Performance', or disable CPU throttling in your current plan." } } },
        { "throttling dismissed", [] (InputValues& in) { in.throttling = true; in.powerDismissed = true; }, {} },
        { "latency 5000", [] (InputValues& in) { in.streamLatency = 5000; }, {} },
        { "latency 5001", [] (InputValues& in) { in.streamLatency = 5001; },
          { { engineProblem, "There's a problem with the Fernhollow Engine. Please re-plug the USB cable for this device." } } },
        { "no engine within the first second", [] (InputValues& in) { in.sinceStart = 999; in.engineVersion = 0; }, {} },
        { "no engine after a second", [] (InputValues& in) { in.sinceStart = 1000; in.engineVersion = 0; }, { { noEngine, noEngineText } } },
        { "no message connection", [] (InputValues& in) { in.connection = false; }, { { noEngine, noEngineText } } },
        { "engine speaks protocol 4", [] (InputValues& in) { in.engineVersion = 4; },
          { { engineProtocol, "The plugin's protocol version (5) is incompatible with the Fernhollow Engine's protocol version (4). Please reinstall the Fernhollow suite." } } },
        { "wanted device not listed", [] (InputValues& in) { in.wantedListed = false; in.open = false; }, { { disconnected, disconnectedText } } },
        { "no device notification before the handshake",
          [] (InputValues& in) { in.sinceStart = 500; in.engineVersion = 0; in.wantedListed = false; in.open = false; in.wanted = 0; in.incompatible = { 3 }; }, {} },
        { "incompatible newer device with a name",
          [] (InputValues& in) { in.open = false; in.incompatible = { 3 }; in.names[3] = "Kolvane"; in.protocols[3] = 126; },
          { { incompatibleDevice, "The connected device (Kolvane) has an incompatible OS version! Please update the Fernhollow suite to a later version." } } },
        { "incompatible older device without a name",
          [] (InputValues& in) { in.open = false; in.incompatible = { 3 }; in.protocols[3] = 124; },
          { { incompatibleDevice, "The connected device has an incompatible OS version! Please update the device's OS to a later version." } } },
        { "the selected incompatible device is the one named",
          [] (InputValues& in) { in.open = false; in.incompatible = { 3, 4 }; in.selected = 4; in.names[3] = "First"; in.names[4] = "Second"; in.protocols[4] = 130; },
          { { incompatibleDevice, "The connected device (Second) has an incompatible OS version! Please update the Fernhollow suite to a later version." } } },
        { "incompatible device while one is open", [] (InputValues& in) { in.incompatible = { 3 }; }, {} },
        { "auto-selecting", [] (InputValues& in) { in.wanted = 0; in.open = false; }, { { autoSelecting, autoSelectText } } },
        { "no device chosen within seven seconds", [] (InputValues& in) { in.wanted = 0; in.open = false; in.autoSelect = false; in.sinceStart = 6999; }, {} },
        { "no device chosen after seven seconds", [] (InputValues& in) { in.wanted = 0; in.open = false; in.autoSelect = false; in.sinceStart = 7000; },
          { { noDevice, noDeviceText } } },
    };
    for (const auto& c : cases)
    {
        static_cast<InputValues&> (inputs) = InputValues();
        flags = {};
        c.set (inputs);
        EXPECT_EQ (tick(), c.expected) << c.name;
    }
}

TEST_F (ProcessorNotificationsTest, SeveritiesButtonsAndDismissal)
{
    ASSERT_EQ (notifications.size(), 10u);
    const int severities[] = { 2, 2, 0, 0, 0, 2, 0, 3, 3, 3 };
    for (size_t i = 0; i < notifications.size(); ++i)
    {
        EXPECT_EQ (notifications[i]->severity, severities[i]) << i;
        EXPECT_TRUE (notifications[i]->keepWhenInactive) << i;
        EXPECT_EQ (notifications[i]->responses.size(), i < 2 ? 1u : 0u) << i;
    }

    inputs.blockSize = 512;
    inputs.throttling = true;
    EXPECT_EQ (tick().size(), 2u);
    notifications[bufferSize]->setResponse (Notification::Dismiss);
    EXPECT_TRUE (inputs.bufferDismissed);
    EXPECT_FALSE (inputs.powerDismissed);
    notifications[powerPlan]->setResponse (Notification::Dismiss);
    EXPECT_TRUE (inputs.powerDismissed);
    EXPECT_TRUE (tick().empty());

    // Brought back, as when the preferences are reset.
    inputs.bufferDismissed = inputs.powerDismissed = false;
    EXPECT_EQ (tick().size(), 2u);
}

TEST_F (ProcessorNotificationsTest, SynchronizingShowsOncePerOpenWhileTheFirstReadsAreOutstanding)
{
    inputs.reads = 30;
    EXPECT_EQ (tick().count (synchronizing), 1u);
    inputs.reads = 0;
    EXPECT_TRUE (tick().empty());
    inputs.reads = 2;   // later reads of the same open show nothing
    EXPECT_TRUE (tick().empty());

    // A second instance of the process shares the flags: suppressed while the device stays open.
    FakeInputs second;
    second.reads = 5;
    auto others = makeProcessorNotifications (second, flags);
    EXPECT_EQ (others[synchronizing]->timerFunction(), Notification::Deactivate);

    // Closed and opened again: the first burst shows again.
    inputs.open = false;
    EXPECT_TRUE (tick().empty());
    inputs.open = true;
    inputs.reads = 36;
    EXPECT_EQ (tick().count (synchronizing), 1u);
}

TEST_F (ProcessorNotificationsTest, AfterTheInputsAreGoneTextsReadErrorAndNothingShows)
{
    auto gone = std::make_unique<FakeInputs>();
    gone->throttling = true;
    auto orphans = makeProcessorNotifications (*gone, flags);
    EXPECT_EQ (orphans[powerPlan]->timerFunction(), Notification::Activate);
    gone.reset();
    for (const auto& n : orphans)
    {
        EXPECT_EQ (n->textFunction(), "ERROR");
        EXPECT_EQ (n->timerFunction(), Notification::Deactivate);
    }
    orphans[bufferSize]->setResponse (Notification::Dismiss);   // nothing to tell: no crash
}
