/* A Weston module for the end-to-end tests: a seat with a pointer and a keyboard driven through a local
 * socket, so that a headless Weston (which has no input of its own) can be played like a desktop. The
 * pointer is not drawn.
 *
 * Loaded with `weston --modules=<this .so>`; it listens on $XDG_RUNTIME_DIR/zorban-e2e-input (see
 * WestonInputClient.c). Each connection sends one command line and reads the answer, which ends with "ok\n"
 * or "error ...\n": windows              one line per toplevel window: "ID X Y WIDTH HEIGHT ACTIVE TITLE"
 * (surface origin and size in the output's logical pixels; ACTIVE 1 when it has the keyboard) move X Y the
 * pointer to that point of the output button N down|up     button N (1 left, 2 middle, 3 right) at the
 * pointer key CODE down|up     the evdev key CODE (the keymap is the compositor's) close ID             asks
 * the window to close, as its close box would place ID X Y         moves the window's surface origin to that
 * point shot FILE X Y W H    that rectangle of the output's pixels as a binary PPM scale                the
 * output's scale
 */
#include <errno.h>
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

/* Exported by libweston 10 for its backends; their header is not installed. */
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* seat_name);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void weston_seat_release(struct weston_seat* seat);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x, double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, int update_state);
void notify_pointer_frame(struct weston_seat* seat);

int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]);

struct test_input {
    struct weston_compositor* compositor;
    struct weston_seat seat;
    int listen_fd;
    struct wl_event_source* source;
    struct wl_listener destroy;
};

static struct timespec now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

static struct weston_output* first_output(struct weston_compositor* c) {
    struct weston_output* o;
    wl_list_for_each(o, &c->output_list, link) return o;
    return NULL;
}

static void list_windows(struct test_input* in, FILE* out) {
    struct weston_keyboard* keyboard = weston_seat_get_keyboard(&in->seat);
    struct weston_view* view;
    wl_list_for_each(view, &in->compositor->view_list, link) {
        struct weston_surface* surface = view->surface;
        if (!weston_surface_is_desktop_surface(surface)) continue;
        struct weston_desktop_surface* ds = weston_surface_get_desktop_surface(surface);
        const char* title = weston_desktop_surface_get_title(ds);
        float x, y;
        weston_view_to_global_float(view, 0, 0, &x, &y);
        fprintf(out, "%lx %d %d %d %d %d %s\n", (unsigned long)(uintptr_t)ds, (int)x, (int)y, surface->width,
                surface->height, keyboard && keyboard->focus == surface, title ? title : "");
    }
}

static struct weston_view* find_view(struct test_input* in, unsigned long id) {
    struct weston_view* view;
    wl_list_for_each(view, &in->compositor->view_list, link) {
        if (!weston_surface_is_desktop_surface(view->surface)) continue;
        if ((unsigned long)(uintptr_t)weston_surface_get_desktop_surface(view->surface) == id) return view;
    }
    return NULL;
}

static struct weston_desktop_surface* find_window(struct test_input* in, unsigned long id) {
    struct weston_view* view = find_view(in, id);
    return view ? weston_surface_get_desktop_surface(view->surface) : NULL;
}

static const char* shoot(struct test_input* in, const char* path, int x, int y, int w, int h) {
    struct weston_output* o = first_output(in->compositor);
    if (!o || w <= 0 || h <= 0 || x < 0 || y < 0 || x + w > o->current_mode->width ||
        y + h > o->current_mode->height)
        return "error rectangle outside the output";
    uint32_t* pixels = malloc((size_t)w * h * 4);
    if (!pixels) return "error no memory";
    const char* result = "ok";
    if (in->compositor->renderer->read_pixels(o, PIXMAN_a8r8g8b8, pixels, x, y, w, h) < 0) {
        result = "error read_pixels failed";
    } else {
        FILE* f = fopen(path, "wb");
        if (!f) {
            result = "error cannot write the picture";
        } else {
            fprintf(f, "P6\n%d %d\n255\n", w, h);
            for (int i = 0; i < w * h; i++) {
                const unsigned char rgb[3] = {pixels[i] >> 16 & 0xff, pixels[i] >> 8 & 0xff,
                                              pixels[i] & 0xff};
                fwrite(rgb, 1, 3, f);
            }
            if (fclose(f) != 0) result = "error cannot write the picture";
        }
    }
    free(pixels);
    return result;
}

static const char* run_command(struct test_input* in, char* line, FILE* out) {
    char word[16] = "", arg[4096] = "";
    double x, y;
    int n, code, rx, ry, rw, rh;
    unsigned long id;
    struct timespec t = now();
    if (sscanf(line, "%15s", word) != 1) return "error empty command";
    if (strcmp(word, "windows") == 0) {
        list_windows(in, out);
    } else if (strcmp(word, "move") == 0 && sscanf(line, "%*s %lf %lf", &x, &y) == 2) {
        notify_motion_absolute(&in->seat, &t, x, y);
        notify_pointer_frame(&in->seat);
    } else if (strcmp(word, "button") == 0 && sscanf(line, "%*s %d %15s", &n, arg) == 2) {
        static const int buttons[] = {BTN_LEFT, BTN_MIDDLE, BTN_RIGHT};
        if (n < 1 || n > 3) return "error no such button";
        notify_button(
            &in->seat, &t, buttons[n - 1],
            strcmp(arg, "down") == 0 ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        notify_pointer_frame(&in->seat);
    } else if (strcmp(word, "key") == 0 && sscanf(line, "%*s %d %15s", &code, arg) == 2) {
        notify_key(&in->seat, &t, code,
                   strcmp(arg, "down") == 0 ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
                   0);
    } else if (strcmp(word, "close") == 0 && sscanf(line, "%*s %lx", &id) == 1) {
        struct weston_desktop_surface* ds = find_window(in, id);
        if (!ds) return "error no such window";
        weston_desktop_surface_close(ds);
    } else if (strcmp(word, "place") == 0 && sscanf(line, "%*s %lx %lf %lf", &id, &x, &y) == 3) {
        struct weston_view* view = find_view(in, id);
        if (!view) return "error no such window";
        weston_view_set_position(view, (float)x, (float)y);
        /* The pointer finds views by their transformed bounds, which otherwise follow only at the next
         * repaint: a click sent at once would land where the window was. */
        weston_view_update_transform(view);
        weston_view_schedule_repaint(view);
    } else if (strcmp(word, "shot") == 0 &&
               sscanf(line, "%*s %4095s %d %d %d %d", arg, &rx, &ry, &rw, &rh) == 5) {
        return shoot(in, arg, rx, ry, rw, rh);
    } else if (strcmp(word, "bufferscale") == 0 && sscanf(line, "%*s %lx", &id) == 1) {
        struct weston_view* view = find_view(in, id);
        if (!view) return "error no such window";
        fprintf(out, "%d\n", view->surface->buffer_viewport.buffer.scale);
    } else if (strcmp(word, "scale") == 0) {
        struct weston_output* o = first_output(in->compositor);
        fprintf(out, "%d\n", o ? o->current_scale : 1);
    } else {
        return "error unknown command";
    }
    return "ok";
}

static int on_connection(int fd, uint32_t mask, void* data) {
    struct test_input* in = data;
    (void)fd;
    (void)mask;
    int c = accept(in->listen_fd, NULL, NULL);
    if (c < 0) return 0;
    /* One short line; the tests send it whole before they read. */
    char line[4200];
    size_t got = 0;
    while (got < sizeof line - 1) {
        ssize_t r = read(c, line + got, sizeof line - 1 - got);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += (size_t)r;
        if (memchr(line, '\n', got)) break;
    }
    line[got] = '\0';
    char* answer = NULL;
    size_t size = 0;
    FILE* out = open_memstream(&answer, &size);
    if (out) {
        fprintf(out, "%s\n", run_command(in, line, out));
        fclose(out);
        for (size_t sent = 0; sent < size;) {
            ssize_t w = write(c, answer + sent, size - sent);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) break;
            sent += (size_t)w;
        }
        free(answer);
    }
    close(c);
    return 0;
}

static void on_destroy(struct wl_listener* listener, void* data) {
    struct test_input* in = wl_container_of(listener, in, destroy);
    (void)data;
    wl_event_source_remove(in->source);
    close(in->listen_fd);
    weston_seat_release(&in->seat);
    free(in);
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
    (void)argc;
    (void)argv;
    const char* dir = getenv("XDG_RUNTIME_DIR");
    struct sockaddr_un addr = {.sun_family = AF_UNIX};
    if (!dir || snprintf(addr.sun_path, sizeof addr.sun_path, "%s/zorban-e2e-input", dir) >=
                    (int)sizeof addr.sun_path)
        return -1;
    struct test_input* in = calloc(1, sizeof *in);
    if (!in) return -1;
    in->compositor = compositor;
    unlink(addr.sun_path);
    in->listen_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (in->listen_fd < 0 || bind(in->listen_fd, (struct sockaddr*)&addr, sizeof addr) != 0 ||
        listen(in->listen_fd, 16) != 0) {
        if (in->listen_fd >= 0) close(in->listen_fd);
        free(in);
        return -1;
    }
    /* No pointer is drawn: pictures of the output show the windows alone, as on X11. */
    weston_layer_set_mask(&compositor->cursor_layer, 0, 0, 0, 0);
    weston_seat_init(&in->seat, compositor, "default");
    weston_seat_init_pointer(&in->seat);
    weston_seat_init_keyboard(&in->seat, NULL);
    in->source = wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), in->listen_fd,
                                      WL_EVENT_READABLE, on_connection, in);
    in->destroy.notify = on_destroy;
    wl_signal_add(&compositor->destroy_signal, &in->destroy);
    return 0;
}
