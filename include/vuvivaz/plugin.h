/* The interface between VuviVAZ and its plug-ins.
 *
 * A plug-in is a shared library placed in the folder "Plugins" of the
 * program's working directory under a name ending in ".dll" (Echo.dll).
 * Whenever the program reads its settings it loads every such file, in
 * byte order of the file names, finds the four functions below by name and
 * creates one object of the class named after the file: the name without
 * ".dll", followed by ".Data" (Echo.dll gives "Echo.Data"). The options
 * dialog lists each object's name and starts the object the user picks.
 * The program passes nothing else to a plug-in, calls it only from its
 * user-interface thread and never unloads the library.
 */
#ifndef VUVIVAZ_PLUGIN_H
#define VUVIVAZ_PLUGIN_H

#ifdef __cplusplus
extern "C" {
#endif

#define VUVIVAZ_PLUGIN_EXPORT __attribute__((visibility("default")))

/* A plug-in object; its contents are the plug-in's own. */
typedef struct vuvivaz_object vuvivaz_object;

/* Creates the object of class `class_name`; NULL when the library has no such class. */
VUVIVAZ_PLUGIN_EXPORT vuvivaz_object* vuvivaz_create(const char* class_name);
/* The object's name as the options dialog lists it (UTF-8), valid until the
 * next call on the object; NULL when it has none (the object is not listed). */
VUVIVAZ_PLUGIN_EXPORT const char* vuvivaz_name(vuvivaz_object* object);
/* Starts the plug-in and returns when it is done (the program waits): 0 when it
 * ran, anything else when it failed (the options dialog then stays open). */
VUVIVAZ_PLUGIN_EXPORT int vuvivaz_plugin(vuvivaz_object* object);
/* Frees an object the program no longer uses. */
VUVIVAZ_PLUGIN_EXPORT void vuvivaz_release(vuvivaz_object* object);

/* The names the program looks the functions up by. */
#define VUVIVAZ_CREATE_SYMBOL "vuvivaz_create"
#define VUVIVAZ_NAME_SYMBOL "vuvivaz_name"
#define VUVIVAZ_PLUGIN_SYMBOL "vuvivaz_plugin"
#define VUVIVAZ_RELEASE_SYMBOL "vuvivaz_release"

/* The numbers of the failures that stop loading, shown in the status window as
 * "!!! Plugin error " number " " description. */
enum {
    VUVIVAZ_ERROR_LOAD = 1,   /* the file is no loadable library (the loader's text) */
    VUVIVAZ_ERROR_SYMBOL = 2, /* one of the four functions is missing (the loader's text) */
    VUVIVAZ_ERROR_CLASS = 3,  /* vuvivaz_create returned NULL */
    VUVIVAZ_ERROR_NO_SLOT = 4 /* a 31st file: the program holds at most 30 plug-ins */
};

#ifdef __cplusplus
}
#endif

#endif
