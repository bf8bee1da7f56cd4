#pragma once

// An envelope time that an "Inf" toggle can make infinite: the value shown,
// the finite value to return to, and the value that means infinite. Message
// thread only.
struct InfiniteTimeState
{
    int value = 0;
    int lastFiniteValue = 126;
    int infiniteValue = 127;

    bool isInfinite() const { return value == infiniteValue; }

    // The toggle's new state: switching on keeps the finite value and makes
    // the time infinite; switching off returns to the value kept. A state the
    // time already has changes nothing.
    void setInfinite (bool on)
    {
        if (on == isInfinite())
            return;
        if (on)
        {
            lastFiniteValue = value;
            value = infiniteValue;
        }
        else
        {
            value = lastFiniteValue;
        }
    }
};
