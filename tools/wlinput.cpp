// SPDX-License-Identifier: MIT
// A pointer and a keyboard for a wlroots compositor (sway), through its
// virtual-pointer and virtual-keyboard protocols: what xdotool is to the
// tests under Xvfb. Both devices are made at start and kept, so the seat has
// them before any window opens (a keyboard that comes and goes with each
// command loses its keys while the window is still binding it). Reads one
// command a line from stdin and answers "ok" once the compositor has taken
// it, or "error: ..." :
//   move X Y        the pointer to (X, Y) in the output's logical pixels
//   press | release | click     the left button
//   keydown K | keyup K | key K...   K an X keysym name, or such names
//                   joined by "+" (ctrl+z); key presses and releases each
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The two protocols' interfaces as the wire sees them, at version 1: the
// requests in their order, each with its argument types.
// libwayland takes the type lists as mutable.
const wl_interface *NO_TYPES[5] = {};

const wl_message POINTER_REQUESTS[] = {
    {"motion", "uff", NO_TYPES},
    {"motion_absolute", "uuuuu", NO_TYPES},
    {"button", "uuu", NO_TYPES},
    {"axis", "uuf", NO_TYPES},
    {"frame", "", NO_TYPES},
    {"axis_source", "u", NO_TYPES},
    {"axis_stop", "uu", NO_TYPES},
    {"axis_discrete", "uufi", NO_TYPES},
    {"destroy", "", NO_TYPES},
};
const wl_interface POINTER = {"zwlr_virtual_pointer_v1", 1, 9, POINTER_REQUESTS, 0, nullptr};
enum PointerRequest { MOTION_ABSOLUTE = 1, BUTTON = 2, FRAME = 4 };

const wl_interface *POINTER_MANAGER_TYPES[] = {&wl_seat_interface, &POINTER};
const wl_message POINTER_MANAGER_REQUESTS[] = {{"create_virtual_pointer", "?on", POINTER_MANAGER_TYPES}};
const wl_interface POINTER_MANAGER = {"zwlr_virtual_pointer_manager_v1", 1, 1, POINTER_MANAGER_REQUESTS, 0, nullptr};

const wl_message KEYBOARD_REQUESTS[] = {
    {"keymap", "uhu", NO_TYPES},
    {"key", "uuu", NO_TYPES},
    {"modifiers", "uuuu", NO_TYPES},
    {"destroy", "", NO_TYPES},
};
const wl_interface KEYBOARD = {"zwp_virtual_keyboard_v1", 1, 4, KEYBOARD_REQUESTS, 0, nullptr};
enum KeyboardRequest { KEYMAP = 0, KEY = 1, MODIFIERS = 2 };

const wl_interface *KEYBOARD_MANAGER_TYPES[] = {&wl_seat_interface, &KEYBOARD};
const wl_message KEYBOARD_MANAGER_REQUESTS[] = {{"create_virtual_keyboard", "on", KEYBOARD_MANAGER_TYPES}};
const wl_interface KEYBOARD_MANAGER = {"zwp_virtual_keyboard_manager_v1", 1, 1, KEYBOARD_MANAGER_REQUESTS, 0,
                                       nullptr};

struct Globals {
    wl_seat *seat = nullptr;
    wl_output *output = nullptr;
    wl_proxy *pointerManager = nullptr;
    wl_proxy *keyboardManager = nullptr;
    int width = 0, height = 0, scale = 1;  // the output's current mode
};

void Global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *g = static_cast<Globals *>(data);
    const auto bind = [&](const wl_interface *type, uint32_t version) {
        return static_cast<wl_proxy *>(wl_registry_bind(registry, name, type, version));
    };
    if (!std::strcmp(interface, wl_seat_interface.name) && !g->seat)
        g->seat = reinterpret_cast<wl_seat *>(bind(&wl_seat_interface, 1));
    else if (!std::strcmp(interface, wl_output_interface.name) && !g->output)
        g->output = reinterpret_cast<wl_output *>(bind(&wl_output_interface, 2));
    else if (!std::strcmp(interface, POINTER_MANAGER.name))
        g->pointerManager = bind(&POINTER_MANAGER, 1);
    else if (!std::strcmp(interface, KEYBOARD_MANAGER.name))
        g->keyboardManager = bind(&KEYBOARD_MANAGER, 1);
}
void GlobalRemove(void *, wl_registry *, uint32_t) {}
const wl_registry_listener REGISTRY = {Global, GlobalRemove};

void Mode(void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    auto *g = static_cast<Globals *>(data);
    if (flags & WL_OUTPUT_MODE_CURRENT) {
        g->width = width;
        g->height = height;
    }
}
void Scale(void *data, wl_output *, int32_t factor) { static_cast<Globals *>(data)->scale = factor; }
void Geometry(void *, wl_output *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *, const char *, int32_t) {}
void Done(void *, wl_output *) {}
void Name(void *, wl_output *, const char *) {}
const wl_output_listener OUTPUT = {Geometry, Mode, Done, Scale, Name, Name};

uint32_t Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

class Devices {
public:
    Devices(wl_display *display, const Globals &g) : display_(display), g_(g)
    {
        pointer_ = wl_proxy_marshal_flags(g.pointerManager, 0, &POINTER, 1, 0, g.seat, nullptr);
        keyboard_ = wl_proxy_marshal_flags(g.keyboardManager, 0, &KEYBOARD, 1, 0, g.seat, nullptr);
        xkb_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        keymap_ = xkb_ ? xkb_keymap_new_from_names(xkb_, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
        if (!keymap_)
            throw std::runtime_error("no keymap: is xkb-data installed?");
        state_ = xkb_state_new(keymap_);
        char *text = xkb_keymap_get_as_string(keymap_, XKB_KEYMAP_FORMAT_TEXT_V1);
        const size_t size = std::strlen(text) + 1;
        const int fd = memfd_create("keymap", MFD_CLOEXEC);
        if (fd < 0 || write(fd, text, size) != ssize_t(size))
            throw std::runtime_error("could not hand over the keymap");
        std::free(text);
        wl_proxy_marshal_flags(keyboard_, KEYMAP, nullptr, 1, 0, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
        close(fd);
        // Each key name's code on the first level, else the second (with Shift).
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap_); code <= xkb_keymap_max_keycode(keymap_); ++code) {
            for (xkb_level_index_t level = 0; level < 2; ++level) {
                const xkb_keysym_t *syms = nullptr;
                const int n = xkb_keymap_key_get_syms_by_level(keymap_, code, 0, level, &syms);
                for (int i = 0; i < n; ++i) {
                    const auto it = codes_.find(syms[i]);
                    if (it == codes_.end() || (level == 0 && it->second.shifted))
                        codes_[syms[i]] = {code, level == 1};
                }
            }
        }
    }

    void run(std::istringstream &words)
    {
        std::string verb;
        words >> verb;
        if (verb == "move") {
            int x = -1, y = -1;
            words >> x >> y;
            const int w = g_.width / g_.scale, h = g_.height / g_.scale;
            if (x < 0 || y < 0 || x >= w || y >= h)
                throw std::runtime_error("move wants a point on the " + std::to_string(w) + "x" + std::to_string(h) +
                                         " output");
            pointer(MOTION_ABSOLUTE, Now(), uint32_t(x), uint32_t(y), uint32_t(w), uint32_t(h));
        } else if (verb == "press" || verb == "release") {
            button(verb == "press");
        } else if (verb == "click") {
            button(true);
            button(false);
        } else if (verb == "keydown" || verb == "keyup" || verb == "key") {
            std::string combo;
            if (!(words >> combo))
                throw std::runtime_error(verb + " wants a key");
            do {
                const std::vector<Code> keys = parse(combo);
                if (verb != "keyup")
                    for (const Code &c : keys)
                        key(c.code, true);
                if (verb != "keydown")
                    for (auto c = keys.rbegin(); c != keys.rend(); ++c)
                        key(c->code, false);
            } while (verb == "key" && words >> combo);
        } else {
            throw std::runtime_error("unknown command " + verb);
        }
        if (wl_display_roundtrip(display_) < 0)
            throw std::runtime_error("the compositor went away");
    }

private:
    struct Code {
        xkb_keycode_t code;
        bool shifted;
    };

    template <typename... Args> void pointer(uint32_t request, Args... args)
    {
        wl_proxy_marshal_flags(pointer_, request, nullptr, 1, 0, args...);
        wl_proxy_marshal_flags(pointer_, FRAME, nullptr, 1, 0);
    }

    void button(bool down)
    {
        pointer(BUTTON, Now(), uint32_t(BTN_LEFT),
                uint32_t(down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED));
    }

    std::vector<Code> parse(const std::string &combo) const
    {
        static const std::map<std::string, std::string> MODIFIERS = {
            {"ctrl", "Control_L"}, {"shift", "Shift_L"}, {"alt", "Alt_L"}, {"super", "Super_L"}};
        std::vector<Code> keys;
        std::istringstream parts(combo);
        for (std::string name; std::getline(parts, name, '+');) {
            const auto m = MODIFIERS.find(name);
            const xkb_keysym_t sym = xkb_keysym_from_name(m == MODIFIERS.end() ? name.c_str() : m->second.c_str(),
                                                          XKB_KEYSYM_NO_FLAGS);
            const auto it = codes_.find(sym);
            if (sym == XKB_KEY_NoSymbol || it == codes_.end())
                throw std::runtime_error("no key " + name);
            if (it->second.shifted)
                keys.push_back(codes_.at(XKB_KEY_Shift_L));
            keys.push_back(it->second);
        }
        return keys;
    }

    // The key and the modifiers it leaves, as a real keyboard's driver sends them.
    void key(xkb_keycode_t code, bool down)
    {
        wl_proxy_marshal_flags(keyboard_, KEY, nullptr, 1, 0, Now(), uint32_t(code - 8),
                               uint32_t(down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED));
        xkb_state_update_key(state_, code, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        wl_proxy_marshal_flags(keyboard_, MODIFIERS, nullptr, 1, 0,
                               xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                               xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                               xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
                               xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
    }

    wl_display *display_;
    const Globals &g_;
    wl_proxy *pointer_ = nullptr, *keyboard_ = nullptr;
    xkb_context *xkb_ = nullptr;
    xkb_keymap *keymap_ = nullptr;
    xkb_state *state_ = nullptr;
    std::map<xkb_keysym_t, Code> codes_;
};

} // namespace

int main()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "wlinput: no Wayland display (WAYLAND_DISPLAY, XDG_RUNTIME_DIR)\n");
        return 1;
    }
    Globals g;
    wl_registry_add_listener(wl_display_get_registry(display), &REGISTRY, &g);
    wl_display_roundtrip(display);
    if (!g.seat || !g.output || !g.pointerManager || !g.keyboardManager) {
        std::fprintf(stderr, "wlinput: the compositor offers no seat, output, virtual pointer or virtual keyboard\n");
        return 1;
    }
    wl_output_add_listener(g.output, &OUTPUT, &g);
    wl_display_roundtrip(display);
    try {
        Devices devices(display, g);
        if (wl_display_roundtrip(display) < 0)
            throw std::runtime_error("the compositor refused the devices");
        std::cout << "ready" << std::endl;
        for (std::string line; std::getline(std::cin, line);) {
            std::istringstream words(line);
            try {
                devices.run(words);
                std::cout << "ok" << std::endl;
            } catch (const std::exception &e) {
                std::cout << "error: " << e.what() << std::endl;
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "wlinput: %s\n", e.what());
        return 1;
    }
    wl_display_disconnect(display);
    return 0;
}
