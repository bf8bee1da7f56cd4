#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "platform/AppDataPaths.h"

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

// The preference file of one product ("<name>.settings" in the program's folder,
// see AppDataPaths), as opposed to the family-wide Global.settings. A change is
// saved 3000 ms after it was made, or when the object is destroyed. A file of the
// same name in the machine-wide folder supplies keys the user's file lacks (read
// only). After every change of the user file's values the change message
// "ApplicationPreferences" is posted to this broadcaster's listeners.
//
// A file that cannot be read as settings gives empty settings and is logged; a
// copy of it ("<name>.settings.corrupt") is kept, since the first save replaces it.
//
// Created and destroyed on the message thread (the delayed save runs on a timer).
class ApplicationPreferences : public SafeChangeBroadcaster, public juce::ChangeListener
{
public:
    // The change message's text.
    static inline const juce::Identifier changeMessage { "ApplicationPreferences" };

    explicit ApplicationPreferences (const juce::String& applicationName);
    ApplicationPreferences (const juce::String& applicationName, const juce::File& userFile, const juce::File& commonFile);
    ~ApplicationPreferences() override;

    // The user's file (never null); falls back to the common file for missing keys.
    juce::PropertiesFile* getUserSettings() { return userFile.get(); }
    juce::PropertiesFile* getCommonSettings() { return commonFile.get(); }

    // Message thread: a value of the user file changed.
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    std::unique_ptr<juce::PropertiesFile> commonFile, userFile;

    JUCE_DECLARE_NON_COPYABLE (ApplicationPreferences)
};
