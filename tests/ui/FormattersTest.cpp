#include "UiTestSupport.h"

#include "ui/widgets/formatters/EnvelopeTimeToText.h"
#include "ui/widgets/formatters/ValueFormatters.h"

#include <thread>

namespace
{
using uitest::LookAndFeelTest;

TEST (EnvelopeTimeToText, AllEntries)
{
    // Independent restatement: two decimals of n / 64 (the table's own
    // rounding) up to 63, the listed steps above.
    const char* const upper[] = { "1.00", "1.15", "1.30", "1.44", "1.59", "1.74", "1.89", "2.03", "2.18", "2.33", "2.48",
                                  "2.62", "2.77", "2.92", "3.07", "3.21", "3.36", "3.51", "3.66", "3.80", "3.95", "4.10",
                                  "4.25", "4.39", "4.54", "4.69", "4.84", "4.98", "5.13", "5.28", "5.43", "5.57", "5.72",
                                  "5.87", "6.02", "6.16", "6.31", "6.46", "6.61", "6.75", "6.90", "7.05", "7.20", "7.34",
                                  "7.49", "7.64", "7.79", "7.93", "8.08", "8.23", "8.38", "8.52", "8.67", "8.82", "8.97",
                                  "9.11", "9.26", "9.41", "9.56", "9.70", "9.85", "10.0", "10.5", "11.0" };
    static_assert (std::size (upper) == 64);
    for (int n = 0; n < 64; ++n)
    {
        // n / 64 has at most six decimals; the table keeps two, halves to even.
        const int micro = n * 15625; // n / 64 in millionths
        int hundredths = micro / 10000;
        const int rest = micro % 10000;
        if (rest > 5000 || (rest == 5000 && (hundredths % 2) == 1))
            ++hundredths;
        const auto expected = juce::String (hundredths / 100) + "." + juce::String (hundredths % 100).paddedLeft ('0', 2);
        EXPECT_EQ (envelopeTimeToText (n), expected) << n;
    }
    for (int n = 64; n < 128; ++n)
        EXPECT_EQ (envelopeTimeToText (n), upper[n - 64]) << n;
}

TEST (EnvelopeTimeToText, EdgesAndTruncation)
{
    const std::pair<double, const char*> cases[] = { { 63.9, "0.98" }, { 64, "1.00" }, { 127, "11.0" }, { 127.99, "11.0" },
                                                     { -0.5, "0.00" }, { -1, "" }, { 128, "" }, { 1e12, "" }, { -1e12, "" },
                                                     { std::nan (""), "" }, { 8, "0.12" }, { 40, "0.62" } };
    for (const auto& [value, text] : cases)
        EXPECT_EQ (envelopeTimeToText (value), text) << value;
}

TEST (EnvelopeTimeToText, FirstUseFromManyThreads)
{
    std::vector<std::thread> threads;
    std::atomic<int> wrong { 0 };
    for (int t = 0; t < 8; ++t)
        threads.emplace_back ([&wrong] {
            for (int n = 0; n < 128; ++n)
                if (envelopeTimeToText (n).isEmpty())
                    ++wrong;
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ (wrong.load(), 0);
}

TEST (ValueFormatters, TextTables)
{
    struct Case { const TextFormatter* formatter; const char* name; double value; const char* text; };
    const Case cases[] = {
        { &multiplierFormatter, "multiplier", 0, "1" }, { &multiplierFormatter, "multiplier", 9, "512" },
        { &multiplierFormatter, "multiplier", 10, "1k" }, { &multiplierFormatter, "multiplier", 11, "2k" },
        { &multiplierFormatter, "multiplier", 12, "1" }, { &multiplierFormatter, "multiplier", 23, "2k" },
        { &multiplierFormatter, "multiplier", 5.9, "32" },
        { &percentOf64Formatter, "percent", 0, "0" }, { &percentOf64Formatter, "percent", 1, "1" },
        { &percentOf64Formatter, "percent", 32, "50" }, { &percentOf64Formatter, "percent", 63, "98" },
        { &percentOf64Formatter, "percent", 64, "100" }, { &percentOf64Formatter, "percent", 127, "198" },
        { &infAtMaxFormatter, "inf", 0, "0" }, { &infAtMaxFormatter, "inf", 126, "126" }, { &infAtMaxFormatter, "inf", 127, "Inf" },
        { &infAtMaxFormatter, "inf", 127.7, "Inf" },
        { &overdriveFormatter, "overdrive", 0, "0.00" }, { &overdriveFormatter, "overdrive", 64, "1.00" },
        { &overdriveFormatter, "overdrive", 127, "11.0" }, { &overdriveFormatter, "overdrive", 128, "" },
        { &overdriveFormatter, "overdrive", -1, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ ((*c.formatter) (c.value), c.text) << c.name << " " << c.value;
}

TEST_F (LookAndFeelTest, MultiplierIconsByGroup)
{
    const auto cross = multiplierIconFormatter (11);
    const auto dot = multiplierIconFormatter (12);
    const auto fork = multiplierIconFormatter (24);
    EXPECT_FALSE (cross.isEmpty());
    EXPECT_FALSE (dot.isEmpty());
    EXPECT_FALSE (fork.isEmpty());
    EXPECT_TRUE (multiplierIconFormatter (36).isEmpty());
    EXPECT_EQ (multiplierIconFormatter (0).toString(), cross.toString());
    EXPECT_NE (cross.toString(), dot.toString());
    EXPECT_NE (dot.toString(), fork.toString());

    // The cross is open at its centre's diagonals but covers its centre; the
    // dot is round and filled; the fork has a gap between its prongs.
    EXPECT_TRUE (cross.contains (5.0f, 5.0f));
    EXPECT_FALSE (cross.contains (5.0f, 1.5f));
    EXPECT_TRUE (dot.contains (5.0f, 5.0f));
    EXPECT_FALSE (dot.contains (2.2f, 2.2f));
    EXPECT_TRUE (fork.contains (1.7f, 3.0f));
    EXPECT_FALSE (fork.contains (5.0f, 3.0f));
    EXPECT_TRUE (fork.contains (5.0f, 8.0f));
}

TEST_F (LookAndFeelTest, MakeListKnobOwnsItsItems)
{
    alignas (ListKnob) unsigned char storage[sizeof (ListKnob)];
    auto* knob = reinterpret_cast<ListKnob*> (storage);
    {
        std::vector<std::string> items { "1:1", "2:1", "3:2" };
        makeListKnob (knob, "Mod Ratio", items);
    }
    EXPECT_EQ (knob->getName(), "Mod Ratio");
    EXPECT_EQ (knob->getMinimum(), 0.0);
    EXPECT_EQ (knob->getMaximum(), 2.0);
    knob->setKnobValue (2, juce::dontSendNotification);
    EXPECT_EQ (knob->getShownText(), "3:2");
    EXPECT_EQ (knob->textFunction (1.9), "2:1");
    EXPECT_EQ (knob->textFunction (3), "");
    EXPECT_EQ (knob->textFunction (-1), "");
    EXPECT_EQ (knob->textFunction (-0.5), "");
    EXPECT_EQ (knob->iconFunction, nullptr);
    knob->~ListKnob();
}
} // namespace
