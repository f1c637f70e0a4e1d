/*
** plugin.h - the interface of Kiova plug-ins (ABI version 1).
**
** A plug-in is an ELF shared library in the program folder's plugins/ that exports one function,
** kiova_plugin_api(), returning a table of entry points. Write it in C or C++ from this header
** alone; build it with -fvisibility=hidden and mark the entry function KIOVA_PLUGIN_EXPORT.
**
** Class names and libraries
**   Each line of Plugins.txt (in the program folder) is a class name, used as it stands. The part
**   before the first "." names the library (the whole line when there is no "."): the line
**   "dice.Clock" loads plugins/dice.so and the line "echo" loads plugins/echo.so. The library
**   file is found ignoring ASCII case; a name holding "/" or "\" is never loaded. The whole line
**   is passed to create(), so one library may serve several classes. Compare class names ignoring
**   ASCII case. A missing library, a library without kiova_plugin_api, one whose abi_version is
**   not KIOVA_PLUGIN_ABI_VERSION, and a class that create() refuses are all "class not
**   registered": the line is skipped.
**
** Kinds and names
**   get_plugin_info(0) is the plug-in's name, (1) its kind letters, (2) a short text shown after
**   the name in the settings dialog, (3) a description shown below it. Kinds holding "E" make an
**   extended plug-in: one object for the whole run, told of every event. Kinds holding "S" make a
**   basic plug-in: one object per loaded character, asked for the tags "Name.rest" whose Name
**   equals its name once both are normalised (ASCII and full-width letters upper-cased, full-width
**   forms made half-width); it gets "rest". Kinds holding both make two separate objects.
**
** Events (event name, then the data passed in). Data texts are key=value pairs joined by "&",
** with "%" and "&" inside values written as "%25" and "%26".
**   "KE_Initialize"    once, right after create(): "apppath=...&version=2.11.05&hwndmain=..."
**                      (apppath is the program's path, hwndmain its main window's native id,
**                      0 when there is none). Replacements are ignored.
**   "KE_InitCharacter" a character was loaded: "charpath=...&charname=..."
**   "KE_BeginThink"    the user's line, before the reply; a replacement replaces the line
**   "KE_EndThink"      the answer after tag expansion; a replacement replaces the answer
**   "KE_BeginRespond"  the answer about to be played; a replacement replaces it
**   "KE_EndRespond"    the text shown in the balloon
**   Plug-ins see an event in the order of Plugins.txt, each one the texts (event name included)
**   as the previous one left them.
**
** Status
**   Every call returns KIOVA_PLUGIN_OK or a failure. A failing call, or a method left NULL in the
**   table, has these consequences: while loading, the line is skipped; in create() or the first
**   "KE_Initialize", the plug-in is not added; in an event, the plug-ins after it do not see that
**   event and the texts as rewritten before it are used; in a tag, the tag expands to nothing;
**   in configuration_dialog(), the user sees an error message.
**
** Strings and ownership
**   - Every string is UTF-8 and NUL-terminated; Kiova converts to and from its own code page.
**   - Strings Kiova passes in (const char*) belong to Kiova and live until the call returns.
**   - Strings the plug-in hands back through a char** belong to the plug-in until Kiova passes
**     them to the same table's free_string(), which it does exactly once for every non-NULL
**     string handed back, whatever the status. Kiova sets each char** to NULL before a call;
**     leaving it NULL means "empty" for results and "unchanged" for replacements.
**   - After a failing call Kiova ignores every string handed back (it still frees them).
**   - An object lives from create() to release(); Kiova makes no call on it afterwards. The
**     library stays loaded while any object of it lives.
**   - Kiova calls from one thread, one call at a time. A call blocks the program until it returns.
**   - Never let a C++ exception or a longjmp cross this interface; a crash takes Kiova down.
*/
#ifndef KIOVA_PLUGIN_H
#define KIOVA_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KIOVA_PLUGIN_ABI_VERSION 1u

/* The status of every call. */
enum {
    KIOVA_PLUGIN_OK = 0,
    KIOVA_PLUGIN_FAILED = 1,        /* the call did not do its job */
    KIOVA_PLUGIN_UNKNOWN_CLASS = 2, /* create(): this library does not serve that class */
    KIOVA_PLUGIN_NO_MEMORY = 3
};

/* One plug-in object, defined by the plug-in. */
typedef struct KiovaPlugin KiovaPlugin;

typedef struct KiovaPluginApi {
    uint32_t abi_version; /* KIOVA_PLUGIN_ABI_VERSION */

    /* Required. On success *object is the new object; on failure it stays NULL. */
    int (*create)(const char* class_name, KiovaPlugin** object);
    /* Required. Frees the object and everything it holds. */
    void (*release)(KiovaPlugin* object);
    /* Required. Frees a string this library handed back. */
    void (*free_string)(char* text);

    /* Information string `index` (see "Kinds and names"); unknown indexes give empty text. */
    int (*get_plugin_info)(KiovaPlugin* object, int32_t index, char** info);
    /* An event. *new_event_name and *new_data, when set, replace the event name and the data. */
    int (*on_kiova_event)(KiovaPlugin* object, const char* event_name, const char* data,
                          char** new_event_name, char** new_data);
    /* Expands `tag` (the part after "Name."); empty text means "not expanded". */
    int (*expand_plugin_tag)(KiovaPlugin* object, const char* tag, char** expansion);
    /* Shows the plug-in's own settings; returns when they are closed. */
    int (*configuration_dialog)(KiovaPlugin* object);
} KiovaPluginApi;

#if defined(__GNUC__)
#define KIOVA_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define KIOVA_PLUGIN_EXPORT
#endif

/* The one exported symbol: a table that stays valid while the library is loaded. */
KIOVA_PLUGIN_EXPORT const KiovaPluginApi* kiova_plugin_api(void);

#define KIOVA_PLUGIN_ENTRY_POINT "kiova_plugin_api"

#ifdef __cplusplus
}
#endif

#endif
