// The sanitizer runtime's defaults. The build adds this file to every executable when the
// sanitizers are on (cmake/Sanitizers.cmake), so no program has to remember it.
//
// GCC 12's LeakSanitizer takes a dynamically loaded library's thread-local block for an old
// glibc's when the block happens to start 16 bytes past a page boundary, reads a bogus range
// from the two words before it, and its tracer crashes at exit (about one exit in sixty).
// Without intercepting __tls_get_addr every leak is still reported.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
#endif
