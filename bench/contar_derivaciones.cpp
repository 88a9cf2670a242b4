// Counts the key derivations a process makes, for the benchmarks; never part
// of the program. SQLCipher derives each file's key with OpenSSL's
// PKCS5_PBKDF2_HMAC_SHA1 (64,000 iterations); loaded with LD_PRELOAD, this
// library passes every call through and counts those of 1,000 iterations or
// more (the 2-iteration call that only makes the HMAC key is no derivation).
// At exit the count is appended as one line to the file named by
// VELUMA_DERIVACIONES, or written to standard error when it is not set.
// bench/derivaciones runs any command this way; a process that has it loaded
// can also ask for the count so far through veluma_derivaciones().

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

using Pbkdf2 = int (*)(const char*, int, const unsigned char*, int, int, int, unsigned char*);

constexpr int kIteracionesDeUnaDerivacion = 1000;

std::atomic<long> derivaciones{0};

Pbkdf2 original()
{
    static const Pbkdf2 funcion = reinterpret_cast<Pbkdf2>(dlsym(RTLD_NEXT, "PKCS5_PBKDF2_HMAC_SHA1"));
    return funcion;
}

__attribute__((destructor)) void informar()
{
    const char* archivo = std::getenv("VELUMA_DERIVACIONES");
    if (archivo && *archivo) {
        if (FILE* salida = std::fopen(archivo, "a")) {
            std::fprintf(salida, "%ld\n", derivaciones.load());
            std::fclose(salida);
            return;
        }
    }
    std::fprintf(stderr, "derivaciones de clave: %ld\n", derivaciones.load());
}

}  // namespace

extern "C" {

long veluma_derivaciones() { return derivaciones.load(); }

int PKCS5_PBKDF2_HMAC_SHA1(const char* pass, int passlen, const unsigned char* salt, int saltlen, int iter,
                           int keylen, unsigned char* out)
{
    if (iter >= kIteracionesDeUnaDerivacion)
        ++derivaciones;
    const Pbkdf2 funcion = original();
    return funcion ? funcion(pass, passlen, salt, saltlen, iter, keylen, out) : 0;
}
}
