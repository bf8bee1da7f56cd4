// The processor's host parameters, in the order the host numbers them, against the
// list kept beside this test: a changed name, group, order or parameter ID (the
// host's automation id) shows as a difference. When the change is meant, the test
// writes the new list next to the test program to copy over the old one.
#include "ProcessorFixture.h"

#include "processor/MachineParameter.h"

#include <gtest/gtest.h>

#include <map>

namespace processortest
{
namespace
{
class HostParameterList : public ProcessorTest
{
protected:
    // Parameter ID -> group, from the device model's own group lists.
    std::map<juce::String, int> groupsOfModel()
    {
        auto& device = processor->getDeviceInterface();
        auto& kit = device.getKit();
        std::vector<std::pair<MachineDataObject*, int>> sources;
        for (int t = 0; t < 12; ++t)
            sources.push_back ({ kit.getSound (t), t });
        sources.push_back ({ &kit.getFx(), 12 });
        sources.push_back ({ &kit, 0 });
        sources.push_back ({ &device.getSettings(), 0 });

        std::map<juce::String, int> groups;
        for (int group = 0; group < 32; ++group)
            for (const auto& [object, index] : sources)
                for (const auto& id : object->getHostParameterIds (group))
                    groups.emplace (MachineParameter::makeParameterId (*object, id, index), group);
        return groups;
    }
};
} // namespace

TEST_F (HostParameterList, NamesGroupsOrderAndIdsMatchTheKeptList)
{
    makeProcessor();
    const auto groups = groupsOfModel();

    juce::StringArray actual;
    int lastGroup = 0;
    for (auto* p : processor->getParameters())
    {
        auto* parameter = dynamic_cast<MachineParameter*> (p);
        ASSERT_NE (parameter, nullptr);
        const auto name = parameter->getName (1024);
        const auto key = parameter->getParameterID();
        const auto group = groups.find (key);
        ASSERT_NE (group, groups.end()) << key;
        EXPECT_GE (group->second, lastGroup) << "groups run in order: " << key;
        lastGroup = group->second;
        actual.add (juce::String (parameter->getParameterIndex()) + "\t" + juce::String (group->second) + "\t"
                    + parameter->getParameterID() + "\t" + name + "\t" + parameter->getIdentifier().toString());
    }
    ASSERT_FALSE (actual.isEmpty());

    const juce::File keptFile (FH_HOST_PARAMETER_LIST);
    juce::StringArray kept;
    kept.addLines (keptFile.loadFileAsString());
    kept.removeEmptyStrings();

    if (kept != actual)
    {
        const auto written = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                                 .getSiblingFile ("HostParameterList.actual.txt");
        written.replaceWithText (actual.joinIntoString ("\n") + "\n");
        for (int i = 0; i < juce::jmax (kept.size(), actual.size()); ++i)
            if (kept[i] != actual[i])
            {
                ADD_FAILURE() << "first difference at line " << i + 1 << ": kept \"" << kept[i] << "\", now \""
                              << actual[i] << "\"; the whole list is in " << written.getFullPathName();
                break;
            }
    }
}
} // namespace processortest
