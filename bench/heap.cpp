// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * The program's own malloc family, counting usable bytes, over glibc's
 * internal entry points.  The executable's definitions take precedence
 * over libc's for every library the program loads.
 */

#include "bench/heap.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstring>

extern "C" {
void *__libc_malloc (size_t);
void *__libc_calloc (size_t, size_t);
void *__libc_realloc (void *, size_t);
void *__libc_memalign (size_t, size_t);
void __libc_free (void *);
}

namespace {

std::atomic<std::size_t> held {0};
std::atomic<std::size_t> highest {0};

void *
counted (void *block)
{
  if (block) {
    std::size_t now = held.fetch_add (malloc_usable_size (block)) + malloc_usable_size (block);
    std::size_t top = highest.load ();
    while (now > top && !highest.compare_exchange_weak (top, now)) {
    }
  }
  return block;
}

void
uncount (void *block)
{
  if (block)
    held.fetch_sub (malloc_usable_size (block));
}

}  // namespace

namespace lmbench::heap {

std::size_t
in_use ()
{
  return held.load ();
}

std::size_t
peak ()
{
  return highest.load ();
}

void
reset_peak ()
{
  highest.store (held.load ());
}

}  // namespace lmbench::heap

extern "C" {

void *
malloc (size_t size)
{
  return counted (__libc_malloc (size));
}

void *
calloc (size_t count, size_t size)
{
  return counted (__libc_calloc (count, size));
}

void *
realloc (void *block, size_t size)
{
  uncount (block);
  return counted (__libc_realloc (block, size));
}

void
free (void *block)
{
  uncount (block);
  __libc_free (block);
}

void *
memalign (size_t alignment, size_t size)
{
  return counted (__libc_memalign (alignment, size));
}

void *
aligned_alloc (size_t alignment, size_t size)
{
  return counted (__libc_memalign (alignment, size));
}

int
posix_memalign (void **out, size_t alignment, size_t size)
{
  void *block = counted (__libc_memalign (alignment, size));
  if (!block)
    return ENOMEM;
  *out = block;
  return 0;
}

}  // extern "C"
