/*
** dice - a basic Kiova plug-in ("S") whose library serves two classes:
**   line "dice"        an object named "Dice":  {Dice.Roll:2d6} rolls two six-sided dice and
**                      gives the sum; {Dice.Roll:1d20+3} and {Dice.Roll:4d6-4} add or subtract.
**   line "dice.Clock"  an object named "Clock": {Clock.Unix} gives the seconds since
**                      1970-01-01 00:00 UTC.
** A malformed roll fails (the tag expands to nothing); an unknown tag is left unexpanded.
*/
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "kiova/plugin.h"

enum { MAX_DICE = 100, MAX_SIDES = 1000000, MAX_MODIFIER = 1000000 };

typedef enum { ROLE_DICE, ROLE_CLOCK } Role;

struct KiovaPlugin {
    Role role;
    uint64_t random_state; /* xorshift64*, never 0 */
};

static char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

/* Class and tag names compare ignoring ASCII case. */
static int same_name(const char* a, const char* b) {
    while (*a != '\0' && ascii_lower(*a) == ascii_lower(*b)) ++a, ++b;
    return *a == '\0' && *b == '\0';
}

/* When `text` starts with `prefix` (ignoring ASCII case): the rest; otherwise NULL. */
static const char* after_prefix(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++prefix, ++text)
        if (ascii_lower(*text) != ascii_lower(*prefix)) return NULL;
    return text;
}

static int hand_back(const char* text, char** out) {
    size_t size = strlen(text) + 1;
    *out = malloc(size);
    if (*out == NULL) return KIOVA_PLUGIN_NO_MEMORY;
    memcpy(*out, text, size);
    return KIOVA_PLUGIN_OK;
}

static uint64_t next_random(KiovaPlugin* dice) {
    uint64_t x = dice->random_state;
    x ^= x >> 12;
    x ^= x << 25;
    x ^= x >> 27;
    dice->random_state = x;
    return x * 0x2545F4914F6CDD1DULL;
}

/* Reads decimal digits into *value, at least one and at most `max`; advances *text. */
static int read_number(const char** text, long max, long* value) {
    const char* start = *text;
    *value = 0;
    for (; **text >= '0' && **text <= '9'; ++*text) {
        *value = *value * 10 + (**text - '0');
        if (*value > max) return 0;
    }
    return *text != start;
}

/* "NdM", "NdM+K" or "NdM-K" into the total of a roll; 0 when malformed. */
static int roll(KiovaPlugin* dice, const char* notation, long* total) {
    long count, sides, modifier = 0;
    if (!read_number(&notation, MAX_DICE, &count) || count == 0) return 0;
    if (ascii_lower(*notation++) != 'd') return 0;
    if (!read_number(&notation, MAX_SIDES, &sides) || sides == 0) return 0;
    if (*notation == '+' || *notation == '-') {
        int negative = *notation++ == '-';
        if (!read_number(&notation, MAX_MODIFIER, &modifier)) return 0;
        if (negative) modifier = -modifier;
    }
    if (*notation != '\0') return 0;
    *total = modifier;
    for (long i = 0; i < count; ++i) *total += (long)(next_random(dice) % (uint64_t)sides) + 1;
    return 1;
}

static int create(const char* class_name, KiovaPlugin** object) {
    Role role;
    if (same_name(class_name, "dice"))
        role = ROLE_DICE;
    else if (same_name(class_name, "dice.Clock"))
        role = ROLE_CLOCK;
    else
        return KIOVA_PLUGIN_UNKNOWN_CLASS;
    KiovaPlugin* plugin = malloc(sizeof *plugin);
    if (plugin == NULL) return KIOVA_PLUGIN_NO_MEMORY;
    plugin->role = role;
    plugin->random_state = ((uint64_t)time(NULL) << 20) ^ (uint64_t)(uintptr_t)plugin;
    if (plugin->random_state == 0) plugin->random_state = 1;
    *object = plugin;
    return KIOVA_PLUGIN_OK;
}

static void release(KiovaPlugin* object) {
    free(object);
}

static void free_string(char* text) {
    free(text);
}

static int get_plugin_info(KiovaPlugin* object, int32_t index, char** info) {
    static const char* const dice_info[] = {
        "Dice", "S", "dice rolls",
        "{Dice.Roll:2d6} rolls two six-sided dice and gives the sum; "
        "{Dice.Roll:1d20+3} adds 3 to a twenty-sided roll."};
    static const char* const clock_info[] = {
        "Clock", "S", "the system clock",
        "{Clock.Unix} gives the seconds since 1970-01-01 00:00 UTC."};
    const char* const* texts = object->role == ROLE_DICE ? dice_info : clock_info;
    if (index < 0 || index > 3) return KIOVA_PLUGIN_OK;
    return hand_back(texts[index], info);
}

/* A basic plug-in hears only "KE_Initialize" and "KE_InitCharacter"; it needs neither. */
static int on_kiova_event(KiovaPlugin* object, const char* event_name, const char* data,
                          char** new_event_name, char** new_data) {
    (void)object, (void)event_name, (void)data, (void)new_event_name, (void)new_data;
    return KIOVA_PLUGIN_OK;
}

static int expand_plugin_tag(KiovaPlugin* object, const char* tag, char** expansion) {
    char number[32];
    if (object->role == ROLE_CLOCK) {
        if (!same_name(tag, "Unix")) return KIOVA_PLUGIN_OK;
        snprintf(number, sizeof number, "%lld", (long long)time(NULL));
        return hand_back(number, expansion);
    }
    const char* notation = after_prefix(tag, "Roll:");
    if (notation == NULL) return KIOVA_PLUGIN_OK;
    long total;
    if (!roll(object, notation, &total)) return KIOVA_PLUGIN_FAILED;
    snprintf(number, sizeof number, "%ld", total);
    return hand_back(number, expansion);
}

/* Nothing to set up. */
static int configuration_dialog(KiovaPlugin* object) {
    (void)object;
    return KIOVA_PLUGIN_OK;
}

KIOVA_PLUGIN_EXPORT const KiovaPluginApi* kiova_plugin_api(void) {
    static const KiovaPluginApi api = {
        KIOVA_PLUGIN_ABI_VERSION, create,         release,           free_string,
        get_plugin_info,          on_kiova_event, expand_plugin_tag, configuration_dialog};
    return &api;
}
