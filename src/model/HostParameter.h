#pragma once

// A host-automatable parameter as a data object sees it. The processor side
// creates the parameters (with the framework's parameter classes) and binds
// each to one identifier of one data object, which hands it the values that
// start on the GUI or on the device.
class HostParameter
{
public:
    virtual ~HostParameter() = default;

    // Any thread: hands a new normalised value (0 to 1) to the host.
    virtual void setValueNotifyingHostFromAnyThread (float normalised) = 0;
};
