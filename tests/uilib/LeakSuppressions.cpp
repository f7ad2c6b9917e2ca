// Fontconfig keeps a few blocks of its configuration for the life of the
// process, which LeakSanitizer reports at exit. They are not ours; every other
// leak still fails the sanitizer run.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
