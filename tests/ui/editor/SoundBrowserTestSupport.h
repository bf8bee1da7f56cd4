#pragma once

// The sound browser on the processor the plug-in factory builds, against the
// emulator's virtual Kolvane: what the library table shows, and the storage
// commands and listing reads the device receives.
#include "../panels/PanelOnProcessorTest.h"

#include "ui/editor/SoundBrowser.h"

#include <vector>

namespace browsertest
{
using namespace std::chrono_literals;

// A pool or library command as the device received it: 0x42 remove (argument =
// position), 0x43 load, 0x44 save, 0x45 copy (two big-endian words each).
struct StorageCommand
{
    std::uint8_t command = 0;
    std::uint8_t area = 0;   // 30 pool, 32 library
    std::uint16_t argument = 0;
    std::vector<std::uint32_t> words;

    bool operator== (const StorageCommand&) const = default;
};

inline void PrintTo (const StorageCommand& c, std::ostream* os)
{
    *os << "{0x" << std::hex << int (c.command) << std::dec << " area " << int (c.area) << " arg " << c.argument << " words";
    for (auto w : c.words)
        *os << " " << w;
    *os << "}";
}

class SoundBrowserTest : public paneltest::PanelOnProcessorTest
{
protected:
    void SetUp() override
    {
        startWithDevice();
        if (HasFatalFailure())
            return;
        browser = std::make_unique<SoundBrowser> (*processor);
        browser->setBounds (0, 0, 1200, 540);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return table().getNumRows() == 256; }, 5s));
    }

    void TearDown() override
    {
        browser.reset();
        PanelOnProcessorTest::TearDown();
    }

    SoundExplorerPanel& panel() { return browser->libraryPanel; }
    SoundExplorerTable& table() { return browser->libraryPanel.table; }

    // A user's click on a button, and the change messages that follow it.
    static void click (juce::Button& button)
    {
        button.triggerClick();
        fhtest::pumpFor (40ms);
    }

    std::vector<StorageCommand> storageCommands() const
    {
        std::vector<StorageCommand> out;
        for (const auto& t : open->dataServer.received().transactions())
        {
            if (t.header.command < 0x42 || t.header.command > 0x45)
                continue;
            StorageCommand c { t.header.command, t.header.subType, t.header.argument, {} };
            for (std::size_t at = 0; at + 4 <= t.payload.size(); at += 4)
                c.words.push_back ((std::uint32_t (t.payload[at]) << 24) | (std::uint32_t (t.payload[at + 1]) << 16)
                                   | (std::uint32_t (t.payload[at + 2]) << 8) | std::uint32_t (t.payload[at + 3]));
            out.push_back (c);
        }
        return out;
    }

    // The storage commands received after the first `since`, once `count` of them
    // arrived (or what arrived within the time-out).
    std::vector<StorageCommand> commandsAfter (std::size_t since, std::size_t count,
                                               std::chrono::milliseconds timeout = 3000ms) const
    {
        fhtest::pumpUntil ([&] { return storageCommands().size() >= since + count; }, timeout);
        auto all = storageCommands();
        return { all.begin() + (std::ptrdiff_t) std::min (since, all.size()), all.end() };
    }

    // Bank listing reads received so far, per bank.
    int bankReads (int bank) const
    {
        int n = 0;
        for (const auto& t : reads (*open))
            if (t.header.subType == fhemu::VirtualProject::soundBankListing && t.header.argument == bank)
                ++n;
        return n;
    }

    std::unique_ptr<SoundBrowser> browser;
};
} // namespace browsertest
