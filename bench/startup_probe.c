/* Times the start of one program: from just before exec to the MapNotify of its first
 * top-level window, then reads the program's peak resident memory and ends it.
 *
 *   startup_probe SETTLE_MS PROGRAM [ARGS...]
 *
 * Prints one line "<start-up in ms> <peak resident memory in KiB>". The peak (VmHWM) is read
 * SETTLE_MS milliseconds after the map, so that the first drawing of the window counts too,
 * and only then is the program sent SIGTERM. Exits non-zero when the program ends or shows
 * no window within 30 s. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

/* The process id that a window's client wrote into _NET_WM_PID, or -1. */
static long window_pid(Display* display, Window window, Atom net_wm_pid) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = -1;
    if (XGetWindowProperty(display, window, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != NULL) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            pid = (long)*(unsigned long*)data;
        }
        XFree(data);
    }
    return pid;
}

/* VmHWM of a process in KiB, or -1. */
static long peak_resident_kib(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (file == NULL) {
        return -1;
    }
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, file) != NULL) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kib = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(file);
    return kib;
}

/* A window that vanished between its MapNotify and the property read raises BadWindow;
 * that window is simply not the one looked for. */
static int ignore_x_errors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle_ms = atoi(argv[1]);
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_x_errors);
    const Window root = DefaultRootWindow(display);
    const Atom net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
    /* Selected and known to the server before the program starts. */
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        /* The start for startup_phases, which splits the time after it into its parts. */
        char start_ns[32];
        snprintf(start_ns, sizeof start_ns, "%.0f", start * 1e6);
        setenv("STARTUP_PROBE_START_NS", start_ns, 1);
        execvp(argv[2], argv + 2);
        perror("exec");
        _exit(127);
    }

    double mapped = -1.0;
    const double deadline = start + 30000.0;
    while (mapped < 0.0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            /* A top-level window is a child of the root; its MapNotify reaches the root. */
            if (event.type == MapNotify && event.xmap.event == root &&
                window_pid(display, event.xmap.window, net_wm_pid) == (long)pid) {
                mapped = now_ms();
                break;
            }
        }
        if (mapped >= 0.0) {
            break;
        }
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "startup_probe: %s ended without a window\n", argv[2]);
            return 1;
        }
        if (now_ms() > deadline) {
            fprintf(stderr, "startup_probe: %s showed no window within 30 s\n", argv[2]);
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
            return 1;
        }
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 20);
    }

    if (settle_ms > 0) {
        struct timespec pause = {settle_ms / 1000, (long)(settle_ms % 1000) * 1000000L};
        while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
        }
    }
    const long peak_kib = peak_resident_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(display);
    printf("%.3f %ld\n", mapped - start, peak_kib);
    return 0;
}
