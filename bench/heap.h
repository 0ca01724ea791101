// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/*
 * Bytes the program holds on the heap, counted by the allocator itself: a
 * benchmark linked with heap.cpp routes malloc and free through counters,
 * so a peak is exact, unlike resident memory, which keeps what was freed.
 */

#include <cstddef>

namespace lmbench::heap {

/* Bytes allocated and not yet freed. */
std::size_t in_use ();

/* The most held at once since the last reset. */
std::size_t peak ();
void reset_peak ();

/* The peak of work, above what was held when it started, in MiB. */
template <class Work>
double
peak_megabytes (Work work)
{
  reset_peak ();
  std::size_t before = in_use ();
  work ();
  return double (peak () - before) / (1024.0 * 1024.0);
}

}  // namespace lmbench::heap
