// Counts the key derivations a process makes, for the benchmarks; never part
// of the program. SQLCipher derives each file's key with OpenSSL's
// PKCS5_PBKDF2_HMAC_SHA1 (64,000 iterations); loaded with LD_PRELOAD, this
// library passes every call through and counts those of 1,000 iterations or
// more (the 2-iteration call that only makes the HMAC key is no derivation).
// With VELUMA_DERIVACIONES naming a file, each derivation appends the process
// id as one line, so a process that ends with _exit, as the program does, or
// is killed is still counted; without it the count goes to standard error at
// exit. bench/derivaciones runs any command this way; a process that has it
// loaded can also ask for its count so far through veluma_derivaciones().

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

namespace {

using Pbkdf2 = int (*)(const char*, int, const unsigned char*, int, int, int, unsigned char*);

constexpr int kIteracionesDeUnaDerivacion = 1000;

std::atomic<long> derivaciones{0};

Pbkdf2 original()
{
    static const Pbkdf2 funcion = reinterpret_cast<Pbkdf2>(dlsym(RTLD_NEXT, "PKCS5_PBKDF2_HMAC_SHA1"));
    return funcion;
}

void anotar()
{
    const char* archivo = std::getenv("VELUMA_DERIVACIONES");
    if (!archivo || !*archivo)
        return;
    if (FILE* salida = std::fopen(archivo, "a")) {
        std::fprintf(salida, "%ld\n", long(getpid()));
        std::fclose(salida);
    }
}

__attribute__((destructor)) void informar()
{
    const char* archivo = std::getenv("VELUMA_DERIVACIONES");
    if (!archivo || !*archivo)
        std::fprintf(stderr, "derivaciones de clave: %ld\n", derivaciones.load());
}

}  // namespace

extern "C" {

long veluma_derivaciones() { return derivaciones.load(); }

int PKCS5_PBKDF2_HMAC_SHA1(const char* pass, int passlen, const unsigned char* salt, int saltlen, int iter,
                           int keylen, unsigned char* out)
{
    if (iter >= kIteracionesDeUnaDerivacion) {
        ++derivaciones;
        anotar();
    }
    const Pbkdf2 funcion = original();
    return funcion ? funcion(pass, passlen, salt, saltlen, iter, keylen, out) : 0;
}
}
