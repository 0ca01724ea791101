/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * What the fuzz targets share.  Every target feeds the library what a
 * database server, a hand-edited file or a careless caller could hand it;
 * the library must not crash, leak, trip a sanitizer or log a critical or a
 * warning (a critical means it took the input for a caller's mistake, which
 * no text or document is).  Any of them aborts the run, so libFuzzer keeps
 * the input that caused it.
 */

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "include/libmodel.h"

namespace lmfuzz {

/* Makes criticals and warnings fail the run; once per process. */
void init ();

/* The input as a text: a C string ends at the first zero byte, as it would
 * for any caller. */
inline std::string
text_of (const uint8_t *data, size_t size)
{
  return std::string (reinterpret_cast<const char *> (data), size);
}

/* For inputs that the library may refuse with a critical (a text that is
 * not UTF-8 where UTF-8 is promised): while it lives, criticals and
 * warnings pass unprinted. */
class Tolerant {
 public:
  Tolerant ();
  Tolerant (const Tolerant &) = delete;
  Tolerant &operator= (const Tolerant &) = delete;
  ~Tolerant ();

 private:
  GLogFunc previous_;
  gpointer previous_data_;
};

/* Fails the run with a message, as a sanitizer report would. */
[[noreturn]] void fail (const char *what, const std::string &detail);

}  // namespace lmfuzz
