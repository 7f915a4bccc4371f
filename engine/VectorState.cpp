#include "VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace pelmora {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// vzeroupper exists only where AVX does: the function is built for AVX alone and
// called only on a processor that has it.
__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace

void clearVectorUpperState()
{
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    if (avx)
        zeroUpper();
}

#else

void clearVectorUpperState()
{
}

#endif

} // namespace pelmora
