// The statically linked mxcalc loads no shared libraries: SQLite's extension loading and
// ICU's plug-ins are never used, and the C library's loader could only work with the shared
// C library of the machine that built the program. The link sends the libraries' calls of
// the loader here (--wrap), where loading fails cleanly.
extern "C" {

void* __wrap_dlopen(const char* /*file*/, int /*mode*/) { return nullptr; }
void* __wrap_dlsym(void* /*handle*/, const char* /*name*/) { return nullptr; }
int __wrap_dlclose(void* /*handle*/) { return -1; }
char* __wrap_dlerror() {
    static char message[] = "mxcalc loads no shared libraries";
    return message;
}

}  // extern "C"
