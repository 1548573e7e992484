#include "shortrandom.h"

int ShortRandom::next()
{
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus; the low bits
    // of such a generator have short periods, so the result is taken from bits 16 to 30.
    m_state = m_state * 214013u + 2531011u;
    return int((m_state >> 16) & 0x7fffu);
}
