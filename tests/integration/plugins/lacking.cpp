// A plug-in library that lacks vuvivaz_name, vuvivaz_plugin and vuvivaz_release.
#include "vuvivaz/plugin.h"

extern "C" vuvivaz_object* vuvivaz_create(const char*) {
    return nullptr;
}
