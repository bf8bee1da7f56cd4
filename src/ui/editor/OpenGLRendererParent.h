#pragma once

#include <juce_core/juce_core.h>

// Mix-in of the editor for components that render through the editor's OpenGL
// context: a list they may register in and the lock that guards it. Nothing
// registers yet; the list stays empty.
class OpenGLRendererParent
{
public:
    virtual ~OpenGLRendererParent() = default;

protected:
    juce::Array<void*> renderers;   // under rendererLock
    juce::ReadWriteLock rendererLock;
};
