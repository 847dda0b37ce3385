#include "core/cipher/RuntimeRandom.h"

#include <chrono>
#include <ctime>

namespace {

thread_local quint32 t_state = 1;
TickSource g_tickSource = nullptr;

quint32 SystemTickCount()
{
    // A tick counter of a few milliseconds' resolution, like the host tick count the IV rule
    // was made with; the coarse clock costs a third of the precise one, and every sealing reads
    // it. Time spent suspended is not counted, which changes nothing for an IV seed.
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec ts {};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &ts) == 0)
        return quint32(quint64(ts.tv_sec) * 1000u + quint64(ts.tv_nsec) / 1000000u);
#endif
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

namespace RuntimeRandom {

int Draw()
{
    int draw;
    Draw(&draw, 1);
    return draw;
}

void Draw(int *draws, size_t count)
{
    quint32 state = t_state;
    for (size_t i = 0; i < count; ++i) {
        state = state * 214013u + 2531011u;
        draws[i] = int((state >> 16) & 0x7FFF);
    }
    t_state = state;
}

void Seed(quint32 seed)
{
    t_state = seed;
}

quint32 State()
{
    return t_state;
}

} // namespace RuntimeRandom

quint32 TickCount()
{
    return g_tickSource ? g_tickSource() : SystemTickCount();
}

void SetTickSource(TickSource source)
{
    g_tickSource = source;
}
