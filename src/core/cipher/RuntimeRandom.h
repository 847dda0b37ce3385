#pragma once

#include <QtGlobal>

// The C runtime generator as the Windows runtime defines it, which the reader's counterpart of
// this code used for IVs: a per-thread 32-bit state, initially 1; each draw steps it by
// state * 214013 + 2531011 and yields bits 16..30, 0..32767.
namespace RuntimeRandom {
int Draw();
void Draw(int *draws, size_t count); // `count` draws in a row, as many calls of Draw() give
void Seed(quint32 seed);
quint32 State();
} // namespace RuntimeRandom

// Milliseconds since the host started (time suspended not counted), truncated to 32 bits, at a
// resolution of a few milliseconds. Tests install a fixed source.
using TickSource = quint32 (*)();
quint32 TickCount();
void SetTickSource(TickSource source); // nullptr restores the system clock
