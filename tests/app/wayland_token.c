/* Asks the Wayland compositor for an activation token, as a launcher does, and prints it. */
#include "xdg-activation-v1-client.h"
#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

static struct xdg_activation_v1 *activation;
static int done;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version) {
    (void)data, (void)version;
    if (strcmp(interface, xdg_activation_v1_interface.name) == 0)
        activation = wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1);
}
static void global_remove(void *data, struct wl_registry *registry, uint32_t name) {
    (void)data, (void)registry, (void)name;
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static void token_done(void *data, struct xdg_activation_token_v1 *token, const char *text) {
    (void)data, (void)token;
    printf("%s\n", text);
    done = 1;
}
static const struct xdg_activation_token_v1_listener token_listener = {token_done};

int main(void) {
    struct wl_display *display = wl_display_connect(NULL);
    if (display == NULL)
        return 1;
    wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (activation == NULL)
        return 2;
    struct xdg_activation_token_v1 *token = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(token, &token_listener, NULL);
    xdg_activation_token_v1_commit(token);
    while (!done && wl_display_dispatch(display) >= 0) {
    }
    return done ? 0 : 3;
}
