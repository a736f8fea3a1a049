// Any sanitizer report ends the run with a failure, whatever the environment says:
// the fuzz targets are built so that nothing they find can scroll past unnoticed.
extern "C" const char* __asan_default_options() { return "halt_on_error=1:abort_on_error=1:detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:abort_on_error=1:print_stacktrace=1"; }
