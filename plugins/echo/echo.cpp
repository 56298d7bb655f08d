// The sample plug-in "Echo": started, it appends a line with the local time
// to echo.txt in the working directory.
#include "vuvivaz/plugin.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>

struct vuvivaz_object {};

extern "C" {

vuvivaz_object* vuvivaz_create(const char* class_name) {
    if (std::strcmp(class_name, "Echo.Data") != 0)
        return nullptr;
    return new (std::nothrow) vuvivaz_object;
}

const char* vuvivaz_name(vuvivaz_object*) {
    return "Echo";
}

int vuvivaz_plugin(vuvivaz_object*) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char time[32];
    if (localtime_r(&now, &local) == nullptr ||
        std::strftime(time, sizeof time, "%Y-%m-%d %H:%M:%S", &local) == 0)
        return 1;
    std::FILE* file = std::fopen("echo.txt", "a");
    if (file == nullptr)
        return 1;
    const bool written = std::fprintf(file, "Echo started at %s\n", time) > 0;
    return std::fclose(file) == 0 && written ? 0 : 1;
}

void vuvivaz_release(vuvivaz_object* object) {
    delete object;
}

} // extern "C"
