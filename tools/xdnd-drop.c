/* xdnd-drop WINDOW_ID FILE...
 *
 * Drops FILE... on the X window WINDOW_ID the way a Linux file manager does:
 * an XDND (version 5) drag source offering "text/uri-list", with the pointer
 * over the middle of the window. Wine turns such a drop into WM_DROPFILES,
 * so this is how scripts hand files to a Windows program under Wine.
 * Exits 0 once the target reports the drop finished, 1 if it refuses, does
 * not answer within the timeout, or an argument is wrong. */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/select.h>

enum
{
    XDND_VERSION = 5,
    TIMEOUT_SECONDS = 10
};

static Display* dpy;
static Window source, target;
static Atom XdndAware, XdndSelection, XdndEnter, XdndPosition, XdndStatus, XdndDrop, XdndFinished,
    XdndLeave, XdndActionCopy, uri_list, targets;

/* Appends s percent-encoded: every byte that is not unreserved, so UTF-8
 * names pass unchanged whatever the locale. */
static char* encode(char* out, const char* s)
{
    for (const unsigned char* p = (const unsigned char*)s; *p; p++) {
        if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') ||
            strchr("-._~/", *p))
            *out++ = (char)*p;
        else
            out += sprintf(out, "%%%02X", *p);
    }
    return out;
}

/* One file:// URI per line, CR LF after each (RFC 2483). A relative name
 * is taken from here; links are kept as given, as a file manager would. */
static char* uri_list_of(char** files, int count)
{
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd))
        return NULL;
    size_t size = 1;
    for (int i = 0; i < count; i++)
        size += strlen("file://") + 3 * (strlen(cwd) + 1 + strlen(files[i])) + 2;
    char *list = malloc(size), *out = list;
    if (!list)
        return NULL;
    for (int i = 0; i < count; i++) {
        out += sprintf(out, "file://");
        if (files[i][0] != '/')
            out = encode(encode(out, cwd), "/");
        out = encode(out, files[i]);
        out += sprintf(out, "\r\n");
    }
    *out = '\0';
    return list;
}

static void send_message(Atom type, long l1, long l2, long l3, long l4)
{
    XEvent e = {0};
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)source;
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3;
    e.xclient.data.l[4] = l4;
    XSendEvent(dpy, target, False, NoEventMask, &e);
    XFlush(dpy);
}

/* The target reads the list from our selection, when it likes: at enter
 * time (Wine does) or at the drop. */
static void serve(const XSelectionRequestEvent* req, const char* list)
{
    XEvent reply = {0};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = req->requestor;
    reply.xselection.selection = req->selection;
    reply.xselection.target = req->target;
    reply.xselection.time = req->time;
    reply.xselection.property = None;
    Atom property = req->property != None ? req->property : req->target;
    if (req->target == uri_list) {
        XChangeProperty(dpy, req->requestor, property, uri_list, 8, PropModeReplace,
                        (const unsigned char*)list, (int)strlen(list));
        reply.xselection.property = property;
    } else if (req->target == targets) {
        Atom offered[] = {targets, uri_list};
        XChangeProperty(dpy, req->requestor, property, XA_ATOM, 32, PropModeReplace,
                        (const unsigned char*)offered, 2);
        reply.xselection.property = property;
    }
    XSendEvent(dpy, req->requestor, False, NoEventMask, &reply);
    XFlush(dpy);
}

/* Waits for the next event, up to the deadline; False when time is up. */
static Bool next_event(time_t deadline, XEvent* e)
{
    while (!XPending(dpy)) {
        time_t now = time(NULL);
        if (now >= deadline)
            return False;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(dpy), &fds);
        struct timeval wait = {deadline - now, 0};
        select(ConnectionNumber(dpy) + 1, &fds, NULL, NULL, &wait);
    }
    XNextEvent(dpy, e);
    return True;
}

static int fail(const char* why)
{
    fprintf(stderr, "xdnd-drop: %s\n", why);
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return fail("usage: xdnd-drop WINDOW_ID FILE...");
    char* end;
    target = (Window)strtoul(argv[1], &end, 0);
    if (*end || !target)
        return fail("WINDOW_ID is not a window number");
    if (!(dpy = XOpenDisplay(NULL)))
        return fail("cannot open the display");

    XdndAware = XInternAtom(dpy, "XdndAware", False);
    XdndSelection = XInternAtom(dpy, "XdndSelection", False);
    XdndEnter = XInternAtom(dpy, "XdndEnter", False);
    XdndPosition = XInternAtom(dpy, "XdndPosition", False);
    XdndStatus = XInternAtom(dpy, "XdndStatus", False);
    XdndDrop = XInternAtom(dpy, "XdndDrop", False);
    XdndFinished = XInternAtom(dpy, "XdndFinished", False);
    XdndLeave = XInternAtom(dpy, "XdndLeave", False);
    XdndActionCopy = XInternAtom(dpy, "XdndActionCopy", False);
    uri_list = XInternAtom(dpy, "text/uri-list", False);
    targets = XInternAtom(dpy, "TARGETS", False);

    Atom type;
    int format;
    unsigned long count, left;
    unsigned char* aware = NULL;
    if (XGetWindowProperty(dpy, target, XdndAware, 0, 1, False, XA_ATOM, &type, &format, &count,
                           &left, &aware) != Success ||
        !aware || count < 1)
        return fail("the window takes no drops (it has no XdndAware)");
    long version = *(Atom*)aware < XDND_VERSION ? (long)*(Atom*)aware : XDND_VERSION;
    XFree(aware);

    char* list = uri_list_of(argv + 2, argc - 2);
    if (!list)
        return fail("out of memory or no working directory");
    if (strlen(list) > (size_t)XMaxRequestSize(dpy) * 4 - 64)
        return fail("too many or too long names for one property");

    XWindowAttributes at;
    Window child;
    int x, y;
    XGetWindowAttributes(dpy, target, &at);
    XTranslateCoordinates(dpy, target, at.root, at.width / 2, at.height / 2, &x, &y, &child);

    source = XCreateSimpleWindow(dpy, at.root, 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, XdndSelection, source, CurrentTime);
    if (XGetSelectionOwner(dpy, XdndSelection) != source)
        return fail("cannot own the XdndSelection");

    send_message(XdndEnter, version << 24, (long)uri_list, None, None);
    send_message(XdndPosition, 0, (long)x << 16 | y, CurrentTime, (long)XdndActionCopy);

    time_t deadline = time(NULL) + TIMEOUT_SECONDS;
    Bool dropped = False;
    XEvent e;
    while (next_event(deadline, &e)) {
        if (e.type == SelectionRequest) {
            serve(&e.xselectionrequest, list);
        } else if (e.type == ClientMessage && e.xclient.message_type == XdndStatus) {
            if (!(e.xclient.data.l[1] & 1)) {
                send_message(XdndLeave, 0, 0, 0, 0);
                return fail("the window refused the drop");
            }
            if (!dropped)
                send_message(XdndDrop, 0, CurrentTime, 0, 0);
            dropped = True;
        } else if (e.type == ClientMessage && e.xclient.message_type == XdndFinished) {
            XCloseDisplay(dpy);
            /* Only version 5 says whether the target took the data. */
            if (version >= 5 && !(e.xclient.data.l[1] & 1))
                return fail("the window did not take the files");
            return 0;
        }
    }
    return fail("no answer from the window in time");
}
