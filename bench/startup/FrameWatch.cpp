#include "FrameWatch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

using namespace std::chrono_literals;

namespace {

// A window may go between its notice and a question about it; such answers are simply empty.
int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

struct TRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    bool Meets(const XRectangle& area) const
    {
        return area.x < X + Width && X < area.x + area.width && area.y < Y + Height && Y < area.y + area.height;
    }
};

}  // namespace

struct TFrameWatch::TServer {
    Display* Connection = nullptr;
    Window Root = 0;
    Atom ProcessId = 0;
    int DamageEvents = 0;
    Damage RootDamage = 0;
    // The top-level windows mapped by the current programs, with their process.
    std::unordered_map<Window, pid_t> Windows;

    // True when an event is waiting, without blocking past `wait`.
    bool EventWithin(std::chrono::milliseconds wait)
    {
        if (XPending(Connection) > 0)
            return true;
        pollfd socket{ConnectionNumber(Connection), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(wait.count()));
        return XPending(Connection) > 0;
    }

    pid_t OwnerOf(Window window)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long left = 0;
        unsigned char* data = nullptr;
        pid_t owner = 0;
        if (XGetWindowProperty(Connection, window, ProcessId, 0, 1, False, XA_CARDINAL, &type, &format, &count, &left,
                               &data) == Success &&
            data != nullptr) {
            if (format == 32 && count == 1)
                owner = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
            XFree(data);
        }
        return owner;
    }

    TRect Geometry(Window window)
    {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(Connection, window, &attributes))
            return {};
        const int border = attributes.border_width;
        return {attributes.x, attributes.y, attributes.width + 2 * border, attributes.height + 2 * border};
    }
};

TFrameWatch::TFrameWatch()
    : Server(std::make_unique<TServer>())
{
    Server->Connection = XOpenDisplay(nullptr);
    if (Server->Connection == nullptr)
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(IgnoreError);
    int errors = 0;
    int major = 0;
    int minor = 0;
    if (!XDamageQueryExtension(Server->Connection, &Server->DamageEvents, &errors))
        throw std::runtime_error("the X server has no DAMAGE extension");
    if (!XTestQueryExtension(Server->Connection, &errors, &errors, &major, &minor))
        throw std::runtime_error("the X server has no XTEST extension");
    Server->Root = DefaultRootWindow(Server->Connection);
    Server->ProcessId = XInternAtom(Server->Connection, "_NET_WM_PID", False);
    XSelectInput(Server->Connection, Server->Root, SubstructureNotifyMask);
    Server->RootDamage = XDamageCreate(Server->Connection, Server->Root, XDamageReportRawRectangles);
    XSync(Server->Connection, False);
}

TFrameWatch::~TFrameWatch()
{
    XDamageDestroy(Server->Connection, Server->RootDamage);
    XCloseDisplay(Server->Connection);
}

std::optional<TFirstFrame> TFrameWatch::WaitForNextWindow(TChildProgram& program, TClock::time_point deadline)
{
    std::optional<TClock::time_point> mapped;
    TRect place;
    while (TClock::now() < deadline && program.Running()) {
        if (!Server->EventWithin(20ms))
            continue;
        XEvent event;
        XNextEvent(Server->Connection, &event);
        const TClock::time_point now = TClock::now();
        if (event.type == MapNotify) {
            const XMapEvent& map = event.xmap;
            // Menus and tool tips bypass the window manager; they are not the program's windows.
            if (mapped || map.override_redirect || Server->Windows.contains(map.window) ||
                Server->OwnerOf(map.window) != program.Pid())
                continue;
            Server->Windows.emplace(map.window, program.Pid());
            mapped = now;
            place = Server->Geometry(map.window);
        } else if (event.type == DestroyNotify) {
            Server->Windows.erase(event.xdestroywindow.window);
        } else if (event.type == Server->DamageEvents + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mapped && place.Meets(damage.area))
                return TFirstFrame{*mapped, now};
        }
    }
    return std::nullopt;
}

void TFrameWatch::Dismiss(TChildProgram& program)
{
    const pid_t pid = program.Pid();
    program.Kill();
    const auto owned = [&] {
        return std::ranges::any_of(Server->Windows, [pid](const auto& entry) { return entry.second == pid; });
    };
    const TClock::time_point deadline = TClock::now() + 5s;
    while (owned() && TClock::now() < deadline) {
        if (!Server->EventWithin(20ms))
            continue;
        XEvent event;
        XNextEvent(Server->Connection, &event);
        if (event.type == DestroyNotify)
            Server->Windows.erase(event.xdestroywindow.window);
    }
    std::erase_if(Server->Windows, [pid](const auto& entry) { return entry.second == pid; });
    // Whatever the server did in taking the windows away has been sent before the answer to this.
    XSync(Server->Connection, True);
}

void TFrameWatch::MovePointer(TScreenPoint point)
{
    XTestFakeMotionEvent(Server->Connection, -1, point.X, point.Y, CurrentTime);
    XSync(Server->Connection, False);
}

TClock::time_point TFrameWatch::Click()
{
    const TClock::time_point pressed = TClock::now();
    XTestFakeButtonEvent(Server->Connection, 1, True, CurrentTime);
    XTestFakeButtonEvent(Server->Connection, 1, False, CurrentTime);
    XFlush(Server->Connection);
    return pressed;
}
