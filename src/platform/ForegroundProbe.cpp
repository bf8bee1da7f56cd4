#include "platform/ForegroundProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dlfcn.h>
#include <unistd.h>

namespace
{
// Xlib is opened at run time, so that programs without a display (and the
// core library) do not depend on it.
struct XlibFunctions
{
    decltype (&XOpenDisplay) openDisplay = nullptr;
    decltype (&XCloseDisplay) closeDisplay = nullptr;
    decltype (&XInternAtom) internAtom = nullptr;
    decltype (&XGetWindowProperty) getWindowProperty = nullptr;
    decltype (&XFree) free = nullptr;
    decltype (&XDefaultRootWindow) defaultRootWindow = nullptr;
    void* handle = nullptr;

    bool load()
    {
        handle = dlopen ("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (handle == nullptr)
            return false;
        openDisplay = reinterpret_cast<decltype (openDisplay)> (dlsym (handle, "XOpenDisplay"));
        closeDisplay = reinterpret_cast<decltype (closeDisplay)> (dlsym (handle, "XCloseDisplay"));
        internAtom = reinterpret_cast<decltype (internAtom)> (dlsym (handle, "XInternAtom"));
        getWindowProperty = reinterpret_cast<decltype (getWindowProperty)> (dlsym (handle, "XGetWindowProperty"));
        free = reinterpret_cast<decltype (free)> (dlsym (handle, "XFree"));
        defaultRootWindow = reinterpret_cast<decltype (defaultRootWindow)> (dlsym (handle, "XDefaultRootWindow"));
        return openDisplay && closeDisplay && internAtom && getWindowProperty && free && defaultRootWindow;
    }
};

class X11ForegroundProbe : public ForegroundProbe
{
public:
    X11ForegroundProbe()
    {
        if (! x.load())
        {
            problem = "libX11 could not be loaded";
            return;
        }
        display = x.openDisplay (nullptr);
        if (display == nullptr)
            return;
        activeWindowAtom = x.internAtom (display, "_NET_ACTIVE_WINDOW", True);
        pidAtom = x.internAtom (display, "_NET_WM_PID", True);
    }

    ~X11ForegroundProbe() override
    {
        if (display != nullptr)
            x.closeDisplay (display);
        if (x.handle != nullptr)
            dlclose (x.handle);
    }

    std::string unavailableBecause() const override { return problem; }

    Owner foregroundOwner() override
    {
        // Without a window manager the atoms do not exist (or the root window
        // has no active window): nothing can be said.
        if (display == nullptr || activeWindowAtom == None || pidAtom == None)
            return Owner::unknown;

        unsigned long active = 0;
        if (! readCardinal (x.defaultRootWindow (display), activeWindowAtom, XA_WINDOW, active) || active == 0)
            return Owner::unknown;

        unsigned long pid = 0;
        if (! readCardinal (static_cast<Window> (active), pidAtom, XA_CARDINAL, pid))
            return Owner::unknown;

        return static_cast<pid_t> (pid) == getpid() ? Owner::thisProcess : Owner::otherProcess;
    }

private:
    bool readCardinal (Window window, Atom property, Atom type, unsigned long& value)
    {
        Atom actualType = None;
        int actualFormat = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        const auto status = x.getWindowProperty (display, window, property, 0, 1, False, type, &actualType, &actualFormat,
                                                 &count, &remaining, &data);
        bool ok = status == Success && actualType == type && actualFormat == 32 && count == 1 && data != nullptr;
        if (ok)
            value = *reinterpret_cast<unsigned long*> (data);   // format 32 arrives as longs
        if (data != nullptr)
            x.free (data);
        return ok;
    }

    XlibFunctions x;
    std::string problem;
    Display* display = nullptr;
    Atom activeWindowAtom = None;
    Atom pidAtom = None;
};
} // namespace

std::shared_ptr<ForegroundProbe> ForegroundProbe::createForThisSystem()
{
    return std::make_shared<X11ForegroundProbe>();
}
