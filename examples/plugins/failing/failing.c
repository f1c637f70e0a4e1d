/*
** failing - a Kiova plug-in that fails on purpose, to show how Kiova copes with broken ones.
**
** The line "failing" makes an object that fails nothing; "failing.<Call>" makes one that fails
** <Call>, one of:
**   Create               creating the object
**   Name, Kinds          GetPluginInfo(0), GetPluginInfo(1)
**   Initialize           the "KE_Initialize" event
**   OnKiovaEvent         every other event
**   ExpandPluginTag      every tag
**   ConfigurationDialog  the settings call
** A failing call still hands back texts, which Kiova must free and ignore.
** The object is named "Failing" with kinds "SE"; when it does not fail it leaves events alone
** and expands a tag to the tag itself.
*/
#include <stdlib.h>
#include <string.h>

#include "kiova/plugin.h"

typedef enum {
    FAIL_NOTHING,
    FAIL_CREATE,
    FAIL_NAME,
    FAIL_KINDS,
    FAIL_INITIALIZE,
    FAIL_EVENT,
    FAIL_TAG,
    FAIL_CONFIGURATION
} FailingCall;

struct KiovaPlugin {
    FailingCall fails;
};

static const struct {
    const char* class_name;
    FailingCall call;
} classes[] = {{"failing", FAIL_NOTHING},
               {"failing.Create", FAIL_CREATE},
               {"failing.Name", FAIL_NAME},
               {"failing.Kinds", FAIL_KINDS},
               {"failing.Initialize", FAIL_INITIALIZE},
               {"failing.OnKiovaEvent", FAIL_EVENT},
               {"failing.ExpandPluginTag", FAIL_TAG},
               {"failing.ConfigurationDialog", FAIL_CONFIGURATION}};

static char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

static int same_name(const char* a, const char* b) {
    while (*a != '\0' && ascii_lower(*a) == ascii_lower(*b)) ++a, ++b;
    return *a == '\0' && *b == '\0';
}

static char* copy_text(const char* text) {
    size_t size = strlen(text) + 1;
    char* copy = malloc(size);
    if (copy != NULL) memcpy(copy, text, size);
    return copy;
}

/* Hands back `text` and fails when `fails`, or hands back `text` and succeeds. */
static int answer(int fails, const char* text, char** out) {
    *out = copy_text(text);
    if (fails) return KIOVA_PLUGIN_FAILED;
    return *out != NULL ? KIOVA_PLUGIN_OK : KIOVA_PLUGIN_NO_MEMORY;
}

static int create(const char* class_name, KiovaPlugin** object) {
    for (size_t i = 0; i < sizeof classes / sizeof classes[0]; ++i) {
        if (!same_name(class_name, classes[i].class_name)) continue;
        if (classes[i].call == FAIL_CREATE) return KIOVA_PLUGIN_FAILED;
        KiovaPlugin* plugin = malloc(sizeof *plugin);
        if (plugin == NULL) return KIOVA_PLUGIN_NO_MEMORY;
        plugin->fails = classes[i].call;
        *object = plugin;
        return KIOVA_PLUGIN_OK;
    }
    return KIOVA_PLUGIN_UNKNOWN_CLASS;
}

static void release(KiovaPlugin* object) {
    free(object);
}

static void free_string(char* text) {
    free(text);
}

static int get_plugin_info(KiovaPlugin* object, int32_t index, char** info) {
    switch (index) {
        case 0:
            return answer(object->fails == FAIL_NAME, "Failing", info);
        case 1:
            return answer(object->fails == FAIL_KINDS, "SE", info);
        case 2:
            return answer(0, "fails on purpose", info);
        case 3:
            return answer(0, "Fails the call its class names, to test the host.", info);
        default:
            return KIOVA_PLUGIN_OK;
    }
}

static int on_kiova_event(KiovaPlugin* object, const char* event_name, const char* data,
                          char** new_event_name, char** new_data) {
    (void)data;
    int initialize = strcmp(event_name, "KE_Initialize") == 0;
    FailingCall call = initialize ? FAIL_INITIALIZE : FAIL_EVENT;
    if (object->fails != call) return KIOVA_PLUGIN_OK;
    *new_event_name = copy_text("garbage");
    return answer(1, "garbage", new_data);
}

static int expand_plugin_tag(KiovaPlugin* object, const char* tag, char** expansion) {
    return answer(object->fails == FAIL_TAG, tag, expansion);
}

static int configuration_dialog(KiovaPlugin* object) {
    return object->fails == FAIL_CONFIGURATION ? KIOVA_PLUGIN_FAILED : KIOVA_PLUGIN_OK;
}

KIOVA_PLUGIN_EXPORT const KiovaPluginApi* kiova_plugin_api(void) {
    static const KiovaPluginApi api = {
        KIOVA_PLUGIN_ABI_VERSION, create,         release,           free_string,
        get_plugin_info,          on_kiova_event, expand_plugin_tag, configuration_dialog};
    return &api;
}
