// Records in the binary how it was hardened, for checks that read the binary. A program whose
// libc calls are all provably in bounds keeps no __*_chk symbol that would show _FORTIFY_SOURCE.
#if defined(__GNUC__) && defined(__ELF__) && defined(_FORTIFY_SOURCE)
#define LETTERFIBEL_TEXT(x) #x
#define LETTERFIBEL_VALUE(x) LETTERFIBEL_TEXT(x)
[[gnu::used, gnu::section(".note.letterfibel.build")]] static const char kBuildNote[] =
    "_FORTIFY_SOURCE=" LETTERFIBEL_VALUE(_FORTIFY_SOURCE);
#endif
